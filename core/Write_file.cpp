#include "Write_file.h"

#include "File.h"
#include "Single_line.h"

#include <cstring>

namespace qm {

namespace {

const char kLineEnd[] = "\r\n";

void addLine(std::string& out, const std::string& key, const std::string& value) {
    out += key + '=' + value + kLineEnd;
}

// A text field up to its terminating zero, as one line: a control byte that
// a record may hold (filled by code, or read from a file with a lone CR or a
// tab in a value) must not break the line or hide in it.
std::string fieldText(const char* field, std::size_t capacity) {
    return SingleLine(std::string_view(field, ::strnlen(field, capacity)));
}

} // namespace

std::string SettingsFileText(const Settings& record, bool withSerial) {
    std::string out;
    out.reserve(640);
    out += "[SYSTEM]";
    out += kLineEnd;
    if (withSerial)
        addLine(out, "SET99", fieldText(record.serial, kSerialSize));
    for (int n = kFirstSetting; n <= kLastText; ++n)
        addLine(out, SettingKey(n), fieldText(TextField(record, n), TextCapacity(n)));
    for (int n = kFirstNumber; n <= kLastSetting; ++n)
        addLine(out, SettingKey(n), std::to_string(NumberValue(record, n)));
    addLine(out, "CRC", "0");
    return out;
}

bool Write_file(const std::string& path, const Settings& record, bool withSerial,
                MessageSink& messages) {
    File file;
    if (!file.open(path, File::Mode::Write, File::Target::OwnFileOnly)) {
        messages.showMessage(kCannotCreateFile, path);
        return false;
    }
    // The file now exists and is empty: nothing of an earlier content survives.
    const std::string text = SettingsFileText(record, withSerial);
    const bool written = file.write(text);
    if (!file.close() || !written)
        throw WriteError(path);
    return true;
}

} // namespace qm
