#include "Read_file.h"

#include "File.h"
#include "Ini_lookup.h"
#include "Set_def.h"
#include "Settings.h"

#include <algorithm>
#include <optional>

namespace qm {

namespace {

const char kSection[] = "SYSTEM";

// The value of a hexadecimal digit; -1 for any other character.
int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    const int letter = c | 0x20;
    return letter >= 'a' && letter <= 'f' ? letter - 'a' + 10 : -1;
}

std::string textOrDefault(std::string_view text, const char* key, const char* fallback) {
    return IniValue(text, kSection, key).value_or(fallback);
}

// A number value of a settings file in the reader's forms: its sign, its
// digits' value (held at kHeldLimit) and whether it was hexadecimal; nothing
// for any other text.
struct IniNumber {
    bool negative = false;
    bool hex = false;
    std::uint64_t magnitude = 0;
};

constexpr std::uint64_t kHeldLimit = std::uint64_t(1) << 40;

std::optional<IniNumber> parseIniNumber(std::string_view text) {
    IniNumber number;
    std::size_t i = 0;
    // "0x" at the very start of a longer text stands for "$".
    const bool zeroX = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    if (zeroX)
        i = 2;
    else
        while (i < text.size() && text[i] == ' ')
            ++i;

    number.hex = zeroX;
    if (!number.hex && i < text.size()) {
        if (text[i] == '$' || text[i] == 'x' || text[i] == 'X') {
            number.hex = true;
            i += 1;
        } else if (text[i] == '0' && i + 1 < text.size() &&
                   (text[i + 1] == 'x' || text[i + 1] == 'X')) {
            number.hex = true;
            i += 2;
        }
    }
    if (!number.hex && i < text.size() && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size())
        return std::nullopt;
    for (; i < text.size(); ++i) {
        const int digit = hexValue(text[i]);
        if (digit < 0 || (!number.hex && digit > 9))
            return std::nullopt;
        number.magnitude =
            std::min(number.magnitude * (number.hex ? 16 : 10) + static_cast<std::uint64_t>(digit),
                     kHeldLimit);
    }
    return number;
}

} // namespace

std::int32_t ParseIniNumber(std::string_view text) {
    const std::optional<IniNumber> number = parseIniNumber(text);
    if (!number)
        return 0;
    if (number->hex)
        return number->magnitude > 0xFFFFFFFFull
                   ? 0
                   : static_cast<std::int32_t>(static_cast<std::uint32_t>(number->magnitude));
    const std::uint64_t limit = number->negative ? 2147483648ull : 2147483647ull;
    if (number->magnitude > limit)
        return 0;
    const auto v = static_cast<std::int64_t>(number->magnitude);
    return static_cast<std::int32_t>(number->negative ? -v : v);
}

std::optional<std::int64_t> IniNumberHeld(std::string_view text) {
    const std::optional<IniNumber> number = parseIniNumber(text);
    if (!number)
        return std::nullopt;
    const auto v = static_cast<std::int64_t>(number->magnitude);
    return number->negative ? -v : v;
}

Settings ReadSettingsText(std::string_view text) {
    Settings settings{};
    CopyText(settings.serial, kSerialSize, textOrDefault(text, "ID", kDefaultSerial));
    for (int n = kFirstSetting; n <= kLastText; ++n) {
        const std::string value = textOrDefault(text, SettingKey(n).c_str(), kDefaultTexts[n - 1]);
        CopyText(TextField(settings, n), TextCapacity(n), value);
    }
    for (int n = kFirstNumber; n <= kLastSetting; ++n) {
        const std::string value = IniValue(text, kSection, SettingKey(n)).value_or("");
        SetNumberValue(settings, n, static_cast<std::uint32_t>(ParseIniNumber(value)));
    }
    return settings;
}

std::optional<Settings> Read_file(const std::string& path, MessageSink& messages,
                                  File::Target target) {
    File file;
    if (!File::isRegular(path) || !file.open(path, File::Mode::Read, target)) {
        messages.showMessage("Не могу открыть файл ", path);
        return std::nullopt;
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
    return ReadSettingsText(text);
}

} // namespace qm
