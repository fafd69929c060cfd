#include "Read_file.h"

#include "File.h"
#include "Ini_lookup.h"
#include "Set_def.h"
#include "Settings.h"

#include <algorithm>

namespace qm {

namespace {

const char kSection[] = "SYSTEM";

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    return (c | 0x20) - 'a' + 10;
}

std::string textOrDefault(std::string_view text, const char* key, const char* fallback) {
    return IniValue(text, kSection, key).value_or(fallback);
}

} // namespace

std::int32_t ParseIniNumber(std::string_view text) {
    std::size_t i = 0;
    // "0x" at the very start of a longer text stands for "$".
    const bool zeroX = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (zeroX)
        i = 2;
    else
        while (i < text.size() && text[i] == ' ')
            ++i;

    bool hex = zeroX;
    if (!hex && i < text.size()) {
        if (text[i] == '$' || text[i] == 'x' || text[i] == 'X') {
            hex = true;
            i += 1;
        } else if (text[i] == '0' && i + 1 < text.size() &&
                   (text[i + 1] == 'x' || text[i + 1] == 'X')) {
            hex = true;
            i += 2;
        }
    }

    if (hex) {
        if (i >= text.size())
            return 0;
        std::uint64_t v = 0;
        for (; i < text.size(); ++i) {
            if (!isHexDigit(text[i]))
                return 0;
            v = v * 16 + static_cast<std::uint64_t>(hexValue(text[i]));
            if (v > 0xFFFFFFFFull)
                return 0;
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    }

    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size())
        return 0;
    const std::int64_t limit = negative ? 2147483648ll : 2147483647ll;
    std::int64_t v = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return 0;
        v = v * 10 + (text[i] - '0');
        if (v > limit)
            return 0;
    }
    return static_cast<std::int32_t>(negative ? -v : v);
}

void ReadSettingsText(std::string_view text) {
    if (modified == 0)
        modified = 1;
    CopyText(settings.serial, kSerialSize, textOrDefault(text, "ID", kDefaultSerial));
    for (int n = kFirstSetting; n <= kLastText; ++n) {
        const std::string value = textOrDefault(text, SettingKey(n).c_str(), kDefaultTexts[n - 1]);
        CopyText(TextField(settings, n), TextCapacity(n), value);
    }
    for (int n = kFirstNumber; n <= kLastSetting; ++n) {
        const std::string value = IniValue(text, kSection, SettingKey(n)).value_or("");
        SetNumberValue(settings, n, static_cast<std::uint32_t>(ParseIniNumber(value)));
    }
}

bool Read_file(const std::string& path, MessageSink& messages, File::Target target) {
    File file;
    if (!File::isRegular(path) || !file.open(path, File::Mode::Read, target)) {
        messages.showMessage("Не могу открыть файл ", path);
        return false;
    }
    std::string text;
    char chunk[4096];
    while (text.size() < kMaxSettingsFile) {
        const std::size_t n =
            file.read(chunk, std::min(sizeof chunk, kMaxSettingsFile - text.size()));
        text.append(chunk, n);
        if (n < sizeof chunk)
            break;
    }
    file.close();
    ReadSettingsText(text);
    return true;
}

} // namespace qm
