#include "Strict_values.h"

#include "Cp1251.h"
#include "Ini_lookup.h"
#include "Setting_rules.h"
#include "Settings_image.h"
#include "Write_file.h"

#include <cstring>
#include <stdexcept>

namespace qm {

namespace {

constexpr std::int64_t kFarOutside = 1000000000000; // 10^12

constexpr const char kPhoneForms[] =
    "номер телефона пишется как +79161234567 («+» и 11 цифр) или 89161234567 (11 цифр), "
    "пробелы, скобки и дефисы между цифрами допустимы; пустое значение стирает номер";

bool hasControlByte(std::string_view bytes) {
    for (const char c : bytes)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    return false;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A';
}

Checked refused(std::string why) {
    return {{}, std::move(why)};
}

// What the board's reader takes of a value written as KEY=value: blanks at
// its ends and a pair of quotation marks around it go.
std::string boardReads(std::string_view cp1251) {
    const std::string line = "[SYSTEM]\r\nK=" + std::string(cp1251) + "\r\n";
    return IniValue(line, "SYSTEM", "K").value_or(std::string());
}

} // namespace

std::optional<std::int64_t> DecimalNumber(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min(value * 10 + (c - '0'), kFarOutside);
    }
    return negative ? -value : value;
}

Checked CheckText(std::string_view utf8, std::size_t room) {
    Checked text;
    if (!Cp1251FromUtf8(utf8, text.bytes))
        return refused("в тексте есть знак, которого нет в кодовой странице 1251");
    if (hasControlByte(text.bytes))
        return refused("в тексте есть управляющий знак (перевод строки, табуляция...), а "
                       "настройка занимает одну строку файла");
    if (text.bytes.size() > room)
        return refused("не помещается в поле (наибольшая длина — " + std::to_string(room) + ")");
    if (boardReads(text.bytes) != text.bytes)
        return refused("плата прочтёт \"" + Utf8FromCp1251(boardReads(text.bytes)) +
                       "\": пробелы по краям и кавычки вокруг текста она отбрасывает");
    return text;
}

Checked CheckLabel(std::string_view utf8) {
    if (utf8.empty())
        return refused("метка пуста, а задать её можно только один раз");
    if (utf8.find_first_not_of(' ') == std::string::npos)
        return refused("метка из одних пробелов, а задать её можно только один раз");
    if (isBlank(utf8.front()) || isBlank(utf8.back()))
        return refused("пробелы по краям метки");
    Checked label = CheckText(utf8, kSerialSize - 1);
    if (label.ok() && static_cast<unsigned char>(label.bytes[0]) == kBlankSerialMarker)
        return refused("метка не может начинаться с «я»: так помечена плата без метки");
    return label;
}

Checked CheckPhone(std::string_view written) {
    if (written.empty() || written == "-")
        return {};
    Checked phone;
    for (std::size_t i = 0; i < written.size(); ++i) {
        const char c = written[i];
        if (c >= '0' && c <= '9')
            phone.bytes += c;
        else if (c == '+' && i == 0)
            phone.bytes += c;
        else if (i == 0 || (c != ' ' && c != '(' && c != ')' && c != '-'))
            return refused(kPhoneForms);
    }
    const std::size_t digits = phone.bytes.size() - (phone.bytes[0] == '+' ? 1 : 0);
    if (digits != 11)
        return refused(kPhoneForms);
    return phone;
}

std::string RecordRefusal(const Settings& record, bool withSerial) {
    const std::string text = SettingsFileText(record, withSerial);
    if (text.size() < kMinImageText)
        return "файл настроек вышел бы " + std::to_string(text.size()) +
               " байт, а образ настроек — не меньше 512: тексты SET01–SET07 вместе слишком "
               "короткие";
    std::string image;
    try {
        image = ComposeImage(text);
    } catch (const std::invalid_argument&) {
        return "файл настроек вышел бы " + std::to_string(text.size()) +
               " байт: длиннее, чем вмещает образ настроек";
    }
    if (CheckImage(reinterpret_cast<const std::uint8_t*>(image.data())))
        return {};
    // Only a text can hold the checksum's key before the last line.
    for (int n = kFirstSetting; n <= kLastText; ++n) {
        const char* field = TextField(record, n);
        if (std::string(field, ::strnlen(field, TextCapacity(n))).find("CRC=") != std::string::npos)
            return SettingKey(n) + ": в тексте есть «CRC=», на нём плата ищет контрольную сумму, "
                                   "и образ не прочтётся";
    }
    return "в метке есть «CRC=», на нём плата ищет контрольную сумму, и образ не прочтётся";
}

} // namespace qm
