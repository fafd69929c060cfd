#include "Output_form.h"

#include "Utf16.h"

#include <cstdio>

namespace qm {

namespace {

constexpr unsigned kUtf8CodePage = 65001;

bool startsWith(const std::string& bytes, std::string_view mark) {
    return bytes.compare(0, mark.size(), mark) == 0;
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

std::string AsciiJson(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (const wchar_t unit : Wide(utf8)) {
        char escape[12] = {static_cast<char>(unit)};
        if (unit >= 0x80)
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(unit));
        out.append(escape, unit < 0x80 ? 1 : 6);
    }
    return out;
}

} // namespace qm
