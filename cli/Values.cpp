#include "Values.h"

#include "Cp1251.h"
#include "Strict_values.h"

#include <cstdio>
#include <cstring>

namespace qm {

namespace {

// The C0 or C1 control character, or DEL, that starts at utf8[i] (a C1 one
// as two bytes of UTF-8, U+0080..U+009F); -1 for any other character.
int controlAt(std::string_view utf8, std::size_t i) {
    const auto byte = static_cast<unsigned char>(utf8[i]);
    const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
    if (byte < 0x20 || byte == 0x7F)
        return byte;
    return byte == 0xC2 && next >= 0x80 && next <= 0x9F ? static_cast<int>(next) : -1;
}

std::string cp1251Field(const char* field, std::size_t capacity) {
    return Utf8FromCp1251({field, ::strnlen(field, capacity)});
}

} // namespace

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const char* named = c == '"'    ? "\\\""
                            : c == '\\' ? "\\\\"
                            : c == '\n' ? "\\n"
                            : c == '\r' ? "\\r"
                            : c == '\t' ? "\\t"
                                        : nullptr;
        const int control = controlAt(utf8, i);
        if (named) {
            out += named;
        } else if (control >= 0) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(control));
            out += escape;
            i += control >= 0x80 ? 1 : 0;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string ShownPath(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i)
        if (utf8[i] == '"' || controlAt(utf8, i) >= 0)
            return JsonString(utf8);
    return std::string(utf8);
}

bool IsTextSetting(const SettingRule& rule) {
    return rule.kind == SettingKind::Text || rule.kind == SettingKind::Phone;
}

std::string WrittenLiteral(const SettingRule* rule, const std::string& utf8) {
    return rule && !IsTextSetting(*rule) && DecimalNumber(utf8) ? utf8 : JsonString(utf8);
}

std::string ValueLiteral(const SettingRule& rule, const Settings& record) {
    if (IsTextSetting(rule))
        return JsonString(cp1251Field(TextField(record, rule.setting), TextCapacity(rule.setting)));
    return std::to_string(NumberValue(record, rule.setting));
}

std::string LabelText(const Settings& record) {
    return cp1251Field(record.serial, kSerialSize);
}

} // namespace qm
