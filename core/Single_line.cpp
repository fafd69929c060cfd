#include "Single_line.h"

namespace qm {

std::string SingleLine(std::string_view text) {
    std::string first, line;
    bool sawLine = false, hasContent = false;
    // Ends the line being gathered; true when it is the answer.
    const auto endLine = [&] {
        if (hasContent)
            return true;
        if (!sawLine)
            first = line;
        sawLine = true;
        line.clear();
        return false;
    };
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '\r' || byte == '\n') {
            if (endLine())
                return line;
        } else if (byte == '\t') {
            line += ' ';
        } else if (byte >= 0x20 && byte != 0x7F) {
            line += c;
            hasContent = hasContent || byte != ' ';
        }
    }
    return endLine() ? line : first;
}

} // namespace qm
