#include "Ini_lookup.h"

namespace qm {

namespace {

bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view trimFront(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view trimBack(std::string_view s) {
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// A name or a value ends at a zero byte, as a C string does.
std::string_view upToZero(std::string_view s) {
    return s.substr(0, s.find('\0'));
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

std::string_view unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// Splits off the next line, without its line end.
std::string_view nextLine(std::string_view& text) {
    std::size_t end = 0;
    while (end < text.size() && !isLineEnd(text[end]))
        ++end;
    const std::string_view line = text.substr(0, end);
    while (end < text.size() && isLineEnd(text[end]))
        ++end;
    text.remove_prefix(end);
    return line;
}

// Calls visit with every line of the section's first occurrence that names
// key: the part after its "=" (blanks at the line's end dropped), or nothing
// for a line without one. visit returns whether to go on.
template <class Visit>
void forEachKeyLine(std::string_view text, std::string_view section, std::string_view key,
                    Visit visit) {
    bool inSection = false;
    while (!text.empty()) {
        const std::string_view line = trimBack(trimFront(nextLine(text)));
        if (line.empty())
            continue;
        const std::size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos) {
            if (inSection)
                return; // only the first occurrence is searched
            inSection = sameName(upToZero(trimBack(trimFront(line.substr(1, close - 1)))), section);
            continue;
        }
        if (!inSection)
            continue;
        const std::size_t eq = line.find('=');
        if (!sameName(upToZero(trimBack(line.substr(0, eq))), key))
            continue;
        const std::optional<std::string_view> value =
            eq == std::string_view::npos ? std::nullopt
                                         : std::optional<std::string_view>(line.substr(eq + 1));
        if (!visit(value))
            return;
    }
}

} // namespace

std::optional<std::string> IniValue(std::string_view text, std::string_view section,
                                    std::string_view key) {
    std::optional<std::string> found;
    forEachKeyLine(text, section, key, [&found](std::optional<std::string_view> value) {
        // The key standing without a value gives nothing, first as it is.
        if (value)
            found = std::string(unquote(upToZero(trimFront(*value))).substr(0, kMaxIniValue));
        return false;
    });
    return found;
}

std::vector<IniKeyLine> IniKeyLines(std::string_view text, std::string_view section,
                                    std::string_view key) {
    std::vector<IniKeyLine> lines;
    forEachKeyLine(text, section, key, [&lines](std::optional<std::string_view> value) {
        IniKeyLine line;
        if (value) {
            line.hasValue = true;
            line.held = std::string(unquote(trimFront(*value)));
            line.read = std::string(unquote(upToZero(trimFront(*value))).substr(0, kMaxIniValue));
        }
        lines.push_back(std::move(line));
        return true;
    });
    return lines;
}

} // namespace qm
