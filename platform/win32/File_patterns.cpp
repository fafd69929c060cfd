#include "File_patterns.h"

#include "Utf16.h"

#include <windows.h>

#include <shlwapi.h>

#include <algorithm>

namespace qm {

namespace {

// A name as Windows compares file names: letter case aside.
std::wstring folded(std::wstring name) {
    if (!name.empty())
        CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
    return name;
}

} // namespace

std::vector<std::string> ExpandPattern(const std::string& word) {
    const auto [folder, name] = SplitName(word);
    if (name.find_first_of("*?") == std::string::npos ||
        GetFileAttributesW(Wide(word).c_str()) != INVALID_FILE_ATTRIBUTES)
        return {word};
    const std::wstring pattern = folded(Wide(name));
    // Every name in the folder, matched here rather than by FindFirstFile,
    // which would also match the short 8.3 names ("*.ini" finding "a.init").
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(Wide(folder + "*").c_str(), FindExInfoBasic, &found,
                                           FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return {word};
    std::vector<std::wstring> names;
    constexpr DWORD kSkipped =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    do {
        if ((found.dwFileAttributes & kSkipped) == 0 &&
            WildcardMatch(folded(found.cFileName), pattern))
            names.emplace_back(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    if (names.empty())
        return {word};
    // Explorer's order: letter case aside, the digits in a name by their value.
    std::sort(names.begin(), names.end(), [](const std::wstring& a, const std::wstring& b) {
        return StrCmpLogicalW(a.c_str(), b.c_str()) < 0;
    });
    std::vector<std::string> files;
    for (const std::wstring& n : names)
        files.push_back(folder + Utf8(n));
    return files;
}

} // namespace qm
