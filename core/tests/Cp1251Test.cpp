#include "Cp1251.h"

#include <gtest/gtest.h>

#include <string>

using namespace qm;

namespace {

TEST(Cp1251Test, EveryByteSurvivesTheTripThroughUnicode) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    std::string back;
    ASSERT_TRUE(Cp1251FromUtf8(Utf8FromCp1251(all), back));
    EXPECT_EQ(back, all);
}

TEST(Cp1251Test, KnownCharacters) {
    const std::pair<const char*, const char*> cases[] = {
        {"\xC0\xDF\xE0\xFF", "АЯая"},
        {"\xA8\xB8", "Ёё"},
        {"\xB9", "№"},
        {"\x88", "€"},
        {"\xAA\xBA\xAF\xBF\xB2\xB3\xA5\xB4", "ЄєЇїІіҐґ"},
        {"\xA1\xA2", "Ўў"},
        {"\x96\x97\x85", "–—…"},
        {"QM . . . . .", "QM . . . . ."},
    };
    for (const auto& [cp, utf8] : cases) {
        EXPECT_EQ(Utf8FromCp1251(cp), utf8);
        std::string out;
        ASSERT_TRUE(Cp1251FromUtf8(utf8, out)) << utf8;
        EXPECT_EQ(out, cp);
    }
}

TEST(Cp1251Test, RefusesWhatItCannotRepresent) {
    const char* refused[] = {
        "漢",           // no Chinese in code page 1251
        "Straße\xC3",   // malformed UTF-8: cut sequence
        "\xC0\x80",     // overlong encoding of U+0000
        "\xED\xA0\x80", // a surrogate
        "ä",            // Latin letters outside ASCII are not in 1251
        "😀",
    };
    for (const char* text : refused) {
        std::string out = "unchanged";
        EXPECT_FALSE(Cp1251FromUtf8(text, out)) << text;
        EXPECT_EQ(out, "unchanged");
    }
    unsigned char byte = 1;
    EXPECT_FALSE(Cp1251Byte(U'\0', byte));
    EXPECT_TRUE(Cp1251Byte(U'Ж', byte));
    EXPECT_EQ(byte, 0xC6);
}

} // namespace
