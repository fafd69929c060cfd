#include "Values.h"

#include "Cp1251.h"

#include <cstdio>
#include <cstring>

namespace qm {

namespace {

void appendEscape(std::string& out, unsigned code) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", code);
    out += escape;
}

std::string cp1251Field(const char* field, std::size_t capacity) {
    return Utf8FromCp1251({field, ::strnlen(field, capacity)});
}

} // namespace

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
        switch (byte) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                appendEscape(out, byte);
            } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
                // U+0080..U+009F, the C1 controls, as two bytes of UTF-8.
                appendEscape(out, next);
                ++i;
            } else {
                out += static_cast<char>(byte);
            }
        }
    }
    return out + "\"";
}

std::string ShownPath(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0u;
        if (byte < 0x20 || byte == 0x7F || byte == '"' ||
            (byte == 0xC2 && next >= 0x80 && next <= 0x9F))
            return JsonString(utf8);
    }
    return std::string(utf8);
}

bool IsTextSetting(const SettingRule& rule) {
    return rule.kind == SettingKind::Text || rule.kind == SettingKind::Phone;
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
