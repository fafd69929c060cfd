#include "File_patterns.h"

namespace qm {

std::pair<std::string, std::string> SplitName(const std::string& path) {
    std::size_t cut = path.find_last_of("/\\");
    if (cut != std::string::npos)
        ++cut;
    else if (path.size() >= 2 && path[1] == ':')
        cut = 2; // "C:*.ini": the current folder of drive C
    else
        cut = 0;
    return {path.substr(0, cut), path.substr(cut)};
}

bool WildcardMatch(std::wstring_view name, std::wstring_view pattern) {
    // Greedy with one step back to the last "*": linear in practice, and
    // never exponential.
    std::size_t n = 0, p = 0, starP = std::wstring_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == L'*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() && (pattern[p] == L'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (starP != std::wstring_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == L'*')
        ++p;
    return p == pattern.size();
}

} // namespace qm
