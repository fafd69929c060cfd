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

bool sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
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

// The lines of the section's first occurrence that name key, in order; only
// the first when first is set.
std::vector<IniKeyLine> keyLines(std::string_view text, std::string_view section,
                                 std::string_view key, bool first) {
    std::vector<IniKeyLine> lines;
    bool inSection = false;
    while (!text.empty() && !(first && !lines.empty())) {
        const std::string_view line = trimBack(trimFront(nextLine(text)));
        if (line.empty())
            continue;
        const std::size_t close = line.rfind(']');
        if (line.front() == '[' && close != std::string_view::npos) {
            if (inSection)
                break; // only the first occurrence is searched
            inSection = sameName(upToZero(trimBack(trimFront(line.substr(1, close - 1)))), section);
            continue;
        }
        if (!inSection)
            continue;
        const std::size_t eq = line.find('=');
        if (!sameName(upToZero(trimBack(line.substr(0, eq))), key))
            continue;
        IniKeyLine found;
        if (eq != std::string_view::npos) {
            const std::string_view value = trimFront(line.substr(eq + 1));
            found.hasValue = true;
            found.held = std::string(unquote(value));
            found.read = std::string(unquote(upToZero(value)).substr(0, kMaxIniValue));
        }
        lines.push_back(std::move(found));
    }
    return lines;
}

} // namespace

std::optional<std::string> IniValue(std::string_view text, std::string_view section,
                                    std::string_view key) {
    // The key standing without a value gives nothing, first as it is.
    const std::vector<IniKeyLine> lines = keyLines(text, section, key, true);
    if (lines.empty() || !lines[0].hasValue)
        return std::nullopt;
    return lines[0].read;
}

std::vector<IniKeyLine> IniKeyLines(std::string_view text, std::string_view section,
                                    std::string_view key) {
    return keyLines(text, section, key, false);
}

} // namespace qm
