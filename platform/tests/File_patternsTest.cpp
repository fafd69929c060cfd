// File patterns: the match, letter for letter, and the folder and name a
// path is split into. (The folder's listing and Explorer's order: the
// Windows suite, Cli_patterns_win32Test.)
#include "File_patterns.h"

#include <gtest/gtest.h>

namespace qmtest {
namespace {

TEST(WildcardMatchTest, StarIsAnyRunAndQuestionMarkExactlyOne) {
    const struct {
        const wchar_t* name;
        const wchar_t* pattern;
        bool matches;
    } cases[] = {
        {L"a.ini", L"*.ini", true},
        {L"a.ini.bak", L"*.ini", false},
        {L".ini", L"*.ini", true},
        {L"кресло2.ini", L"кресло?.ini", true},
        {L"кресло10.ini", L"кресло?.ini", false},
        {L"кресло.ini", L"кресло?.ini", false},
        {L"board[1].ini", L"board[?].ini", true}, // "[" is a letter like any other
        {L"board1.ini", L"board[?].ini", false},
        {L"aXbYc", L"a*b*c", true},
        {L"abcbd", L"a*bd", true}, // the star takes back what it took too early
        {L"ac", L"a*?c", false},
        {L"anything", L"*", true},
        {L"a.INI", L"*.ini", false}, // letter case is folded by the caller
    };
    for (const auto& c : cases)
        EXPECT_EQ(qm::WildcardMatch(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
}

TEST(SplitNameTest, KeepsTheFolderAsGiven) {
    const struct {
        const char* path;
        const char* folder;
        const char* name;
    } cases[] = {
        {"C:\\work\\*.ini", "C:\\work\\", "*.ini"},
        {"кресла/*.ini", "кресла/", "*.ini"},
        {"a/b\\c?.ini", "a/b\\", "c?.ini"},
        {"C:*.ini", "C:", "*.ini"}, // the current folder of drive C
        {"*.ini", "", "*.ini"},
    };
    for (const auto& c : cases) {
        const auto [folder, name] = qm::SplitName(c.path);
        EXPECT_EQ(folder, c.folder) << c.path;
        EXPECT_EQ(name, c.name) << c.path;
    }
}

} // namespace
} // namespace qmtest
