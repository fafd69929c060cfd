#include "Utf16.h"

namespace qm {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The bytes a UTF-8 character with this first byte takes; 0 for a byte that
// cannot begin one.
std::size_t lengthOf(unsigned char lead) {
    return lead < 0x80                    ? 1
           : lead >= 0xC2 && lead <= 0xDF ? 2
           : lead >= 0xE0 && lead <= 0xEF ? 3
           : lead >= 0xF0 && lead <= 0xF4 ? 4
                                          : 0;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    static const unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
    const int more = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    out += static_cast<char>(kLead[more] | (c >> (6 * more)));
    for (int i = more - 1; i >= 0; --i)
        out += static_cast<char>(0x80 | ((c >> (6 * i)) & 0x3F));
}

} // namespace

std::wstring Wide(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lengthOf(lead);
        char32_t c = length == 1 ? lead : lead & (0x7Fu >> length);
        std::size_t n = 1;
        while (n < length && i + n < utf8.size() &&
               continuation(static_cast<unsigned char>(utf8[i + n])))
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + n++]) & 0x3Fu);
        const bool whole = length != 0 && n == length && !(length == 3 && c < 0x800) &&
                           !(length == 4 && (c < 0x10000 || c > 0x10FFFF)) &&
                           !(c >= 0xD800 && c <= 0xDFFF);
        i += length == 0 ? 1 : n;
        if (!whole) {
            out += static_cast<wchar_t>(kReplacement);
        } else if (c >= 0x10000) {
            out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<wchar_t>(c);
        }
    }
    return out;
}

std::string Utf8(std::wstring_view wide) {
    std::string out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const auto unit = static_cast<char32_t>(wide[i]) & 0xFFFF;
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const auto next = i + 1 < wide.size() ? static_cast<char32_t>(wide[i + 1]) & 0xFFFF : 0;
        if (high && next >= 0xDC00 && next <= 0xDFFF) {
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
            ++i;
        } else {
            appendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? kReplacement : unit);
        }
    }
    return out;
}

std::size_t WholeUtf8(std::string_view utf8) {
    // Only the last three bytes can belong to a character not yet complete.
    const std::size_t from = utf8.size() > 3 ? utf8.size() - 3 : 0;
    for (std::size_t i = utf8.size(); i > from; --i) {
        const auto byte = static_cast<unsigned char>(utf8[i - 1]);
        if (continuation(byte))
            continue;
        const std::size_t length = lengthOf(byte);
        // A lead byte whose character runs past the end is held back with
        // what follows it; anything else ends a whole character.
        return length > utf8.size() - (i - 1) ? i - 1 : utf8.size();
    }
    return utf8.size();
}

} // namespace qm
