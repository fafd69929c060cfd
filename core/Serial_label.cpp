#include "Serial_label.h"

#include "Ini_lookup.h"

#include <cstring>

namespace qm {

namespace {

SerialLabel labelOf(std::string text) {
    if (!text.empty() && static_cast<unsigned char>(text[0]) == kBlankSerialMarker)
        return {SerialLabel::Kind::Blank, {}};
    return {SerialLabel::Kind::Label, text.substr(0, kSerialSize - 1)};
}

} // namespace

SerialLabel SerialLabelOf(const Settings& record) {
    return labelOf(std::string(record.serial, ::strnlen(record.serial, kSerialSize)));
}

SerialLabel SerialLabelIn(std::string_view text) {
    const std::optional<std::string> id = IniValue(text, "SYSTEM", "ID");
    return id ? labelOf(*id) : SerialLabel{};
}

} // namespace qm
