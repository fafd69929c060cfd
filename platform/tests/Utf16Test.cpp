// The one conversion between UTF-8 and UTF-16, and where UTF-8 may be cut.
// (Malformed UTF-8 as the JSON escapes show it: AsciiJsonTest.)
#include "Utf16.h"

#include <gtest/gtest.h>

namespace qmtest {
namespace {

TEST(Utf16Test, TextGoesToUtf16AndBackUnchanged) {
    const std::pair<const char*, std::wstring> cases[] = {
        {"", L""},
        {"set.ini", L"set.ini"},
        {"Кресло №17", {0x41A, 0x440, 0x435, 0x441, 0x43B, 0x43E, L' ', 0x2116, L'1', L'7'}},
        {"\xF0\x9F\x98\x80", {0xD83D, 0xDE00}}, // beyond U+FFFF: a surrogate pair
    };
    for (const auto& [utf8, utf16] : cases) {
        EXPECT_EQ(qm::Wide(utf8), utf16) << utf8;
        EXPECT_EQ(qm::Utf8(utf16), utf8) << utf8;
    }
}

TEST(Utf16Test, MalformedInputBecomesTheReplacementCharacter) {
    const std::pair<const char*, std::wstring> toUtf16[] = {
        {"a\xE2\x82z", {L'a', 0xFFFD, L'z'}}, // a character cut short
        {"\xF4\x90\x80\x80", {0xFFFD}},       // beyond U+10FFFF
    };
    for (const auto& [utf8, utf16] : toUtf16)
        EXPECT_EQ(qm::Wide(utf8), utf16) << utf8;
    const std::pair<std::wstring, const char*> toUtf8[] = {
        {{0xD83D}, "\xEF\xBF\xBD"},                     // a high surrogate alone
        {{L'a', 0xDE00}, "a\xEF\xBF\xBD"},              // a low one alone
        {{0xDE00, 0xD83D}, "\xEF\xBF\xBD\xEF\xBF\xBD"}, // a pair the wrong way round
    };
    for (const auto& [utf16, utf8] : toUtf8)
        EXPECT_EQ(qm::Utf8(utf16), utf8) << utf8;
}

TEST(WholeUtf8Test, HoldsBackOnlyACharacterNotYetComplete) {
    const std::pair<const char*, std::size_t> cases[] = {
        {"", 0},
        {"abc", 3},
        {"аб", 4},
        {"а\xD0", 2},            // "б" split after its first byte
        {"\xE2\x82", 0},         // "€" split after two of three
        {"x\xF0\x9F\x98", 1},    // a character beyond U+FFFF split
        {"\xF0\x9F\x98\x80", 4}, // ... and whole
        {"a\x80", 2},            // a stray continuation byte is not waited on
    };
    for (const auto& [text, whole] : cases)
        EXPECT_EQ(qm::WholeUtf8(text), whole) << text;
}

} // namespace
} // namespace qmtest
