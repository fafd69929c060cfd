#include "Output_form.h"

#include <cstdio>

namespace qm {

namespace {

constexpr unsigned kUtf8CodePage = 65001;

bool startsWith(const std::string& bytes, std::string_view mark) {
    return bytes.compare(0, mark.size(), mark) == 0;
}

// The bytes a UTF-8 character with this first byte takes; 0 for a byte that
// cannot begin one.
std::size_t lengthOf(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

void appendEscape(std::string& out, unsigned unit) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", unit);
    out += escape;
}

} // namespace

TextForm FormFor(const StreamPlace& place, const OutputWish& wish) {
    TextForm form;
    if (place.kind == StreamPlace::Kind::Console) {
        form.kind = TextForm::Kind::ConsoleWide;
        return form;
    }
    if (wish.json) {
        form.asciiJson = !wish.utf8;
        return form;
    }
    if (wish.utf8)
        return form;
    if (place.kind == StreamPlace::Kind::File) {
        if (place.fileEmpty) {
            form.kind = TextForm::Kind::Utf16Le;
            form.mark = true;
            return form;
        }
        if (startsWith(place.fileHead, "\xFF\xFE")) {
            form.kind = TextForm::Kind::Utf16Le;
            return form;
        }
        if (startsWith(place.fileHead, "\xEF\xBB\xBF"))
            return form;
    }
    const unsigned codePage = place.consoleShared && place.consoleCodePage != 0
                                  ? place.consoleCodePage
                                  : place.ansiCodePage;
    if (codePage != kUtf8CodePage) {
        form.kind = TextForm::Kind::CodePage;
        form.codePage = codePage;
    }
    return form;
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

std::string AsciiJson(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        const std::size_t length = lengthOf(lead);
        unsigned code = length == 2 ? lead & 0x1Fu : length == 3 ? lead & 0x0Fu : lead & 0x07u;
        std::size_t n = 1;
        while (n < length && i + n < utf8.size() &&
               continuation(static_cast<unsigned char>(utf8[i + n]))) {
            code = (code << 6) | (static_cast<unsigned char>(utf8[i + n]) & 0x3Fu);
            ++n;
        }
        // Overlong forms, surrogates and code points beyond U+10FFFF are no
        // characters either.
        const bool whole = length != 0 && n == length && !(length == 3 && code < 0x800) &&
                           !(length == 4 && (code < 0x10000 || code > 0x10FFFF)) &&
                           !(code >= 0xD800 && code <= 0xDFFF);
        if (!whole) {
            appendEscape(out, 0xFFFD);
            i += length == 0 ? 1 : n;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            appendEscape(out, 0xD800 + (code >> 10));
            appendEscape(out, 0xDC00 + (code & 0x3FF));
        } else {
            appendEscape(out, code);
        }
        i += n;
    }
    return out;
}

} // namespace qm
