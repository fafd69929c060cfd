#include "Field_rules.h"

#include "Cp1251.h"
#include "Form_to_set.h"
#include "Single_line.h"

namespace qm {

namespace {

// The first `room` characters of UTF-8 text; a malformed byte counts as one.
std::string firstCharacters(const std::string& utf8, std::size_t room) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < utf8.size() && n < room; ++n) {
        ++i;
        while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80)
            ++i;
    }
    return utf8.substr(0, i);
}

// A text (UTF-8) into a field of capacity bytes, cut to it; false, with the
// field as it was, for a text code page 1251 cannot hold.
bool storeText(char* field, std::size_t capacity, std::string_view utf8) {
    std::string bytes;
    if (!Cp1251FromUtf8(utf8, bytes))
        return false;
    CopyText(field, capacity, bytes);
    return true;
}

} // namespace

std::optional<std::string> EnteredText(std::string_view utf8, std::size_t room) {
    std::string kept = firstCharacters(SingleLine(utf8), room);
    std::string bytes;
    if (!Cp1251FromUtf8(kept, bytes))
        return std::nullopt;
    return kept;
}

bool StoreText(Settings& record, int n, std::string_view utf8) {
    return storeText(TextField(record, n), TextCapacity(n), utf8);
}

bool StoreLabel(Settings& record, std::string_view utf8) {
    return storeText(record.serial, kSerialSize, utf8);
}

void StoreNumber(Settings& record, const SettingRule& rule, std::string_view text) {
    SetNumberValue(record, rule.setting,
                   static_cast<std::uint32_t>(ParseNumber(text, rule.min, rule.max)));
}

void StoreSwitch(Settings& record, int n, bool on) {
    SetNumberValue(record, n, on ? 1 : 0);
}

void StoreBanknote(Settings& record, int bit, bool accepted) {
    const auto mask = static_cast<std::uint8_t>(1u << bit);
    record.SET28 = accepted ? record.SET28 | mask : record.SET28 & ~mask;
}

void StoreEntry(Settings& record, int n, int position) {
    SetNumberValue(record, n, static_cast<std::uint32_t>(position));
}

} // namespace qm
