// The settings file reader on arbitrary bytes.
//
// After any input every text field holds its terminating zero within its
// capacity, and what the writer then writes from the record reads back to
// the same record, allowing for the losses a settings file has by design:
// blanks at the ends of a text and an outer pair of matching quotes go (the
// private-profile lookup drops them), a text with control bytes is written
// as one line, and the serial label becomes the default (the writer has no
// key ID).
#include "FuzzCheck.h"
#include "Read_file.h"
#include "Set_def.h"
#include "Settings.h"
#include "Single_line.h"
#include "Write_file.h"

#include <cstring>
#include <string>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A';
}

// What reading "KEY=value" back gives for a value written as it stands.
std::string afterRoundTrip(std::string v) {
    std::size_t b = 0, e = v.size();
    while (b < e && isBlank(v[b]))
        ++b;
    while (e > b && isBlank(v[e - 1]))
        --e;
    v = v.substr(b, e - b);
    if (v.size() >= 2 && (v[0] == '"' || v[0] == '\'') && v.back() == v[0])
        v = v.substr(1, v.size() - 2);
    return v;
}

void checkTerminated(const char* field, std::size_t capacity) {
    FUZZ_CHECK(std::memchr(field, '\0', capacity) != nullptr);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qm;
    const Settings settings =
        ReadSettingsText(std::string_view(reinterpret_cast<const char*>(data), size));
    for (int n = kFirstSetting; n <= kLastText; ++n)
        checkTerminated(TextField(settings, n), TextCapacity(n));
    checkTerminated(settings.serial, kSerialSize);

    const Settings first = settings;
    const Settings second = ReadSettingsText(SettingsFileText(first, false));

    Settings expected = first;
    for (int n = kFirstSetting; n <= kLastText; ++n)
        CopyText(TextField(expected, n), TextCapacity(n),
                 afterRoundTrip(SingleLine(TextField(first, n))));
    CopyText(expected.serial, kSerialSize, kDefaultSerial);
    FUZZ_CHECK(second == expected);
    return 0;
}
