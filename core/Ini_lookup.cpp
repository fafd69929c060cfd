#include "Ini_lookup.h"

namespace qm {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
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
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

std::optional<std::string> IniValue(std::string_view text, std::string_view section,
                                    std::string_view key) {
    bool inSection = false;
    bool sectionSeen = false;
    while (!text.empty()) {
        const std::string_view line = trim(nextLine(text));
        if (!line.empty() && line.front() == '[') {
            if (inSection)
                return std::nullopt; // only the first occurrence is searched
            std::string_view name = line.substr(1);
            name = trim(name.substr(0, name.find(']')));
            inSection = !sectionSeen && sameName(name, section);
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection || line.empty() || line.front() == ';')
            continue;
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos || !sameName(trim(line.substr(0, eq)), key))
            continue;
        std::string_view value = unquote(trim(line.substr(eq + 1)));
        return std::string(value.substr(0, kMaxIniValue));
    }
    return std::nullopt;
}

} // namespace qm
