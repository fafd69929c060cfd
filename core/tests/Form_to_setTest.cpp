#include "Form_to_set.h"

#include <gtest/gtest.h>

#include <string>

using namespace qm;

namespace {

struct ParseCase {
    const char* text;
    std::int32_t min, max, expected;
};

TEST(ParseNumberTest, Table) {
    const ParseCase cases[] = {
        {"", 15, 65535, 15}, // empty reads as 0, then the lower bound
        {"5", 15, 65535, 15},
        {"-3", 15, 65535, 15},
        {"70000", 15, 65535, 65535},
        {"65535", 15, 65535, 65535},
        {"60", 15, 65535, 60},
        {"5001", 0, 5000, 5000},
        {"12abc", 0, 5000, 12},
        {"+12", 0, 5000, 0},
        {" 7", 0, 5000, 0},
        {"100", 0, 99, 99},
        {"24", 0, 23, 23},
        {"60", 0, 59, 59},
        {"1234567", 0, 65535, 65535}, // six digits count: 123456
        {"1000000", 0, 1000000, 100000},
        {"099999", 0, 65535, 65535},
        {"100000", 0, 65535, 65535},
        {"-12345", 7, 600, 7}, // minus and five digits: the lower bound
        {"-1234", 7, 600, 7},
        {"--5", 7, 600, 7},
        {"-", 7, 600, 7},
        {"1-2", 0, 600, 1},
        {"00042", 0, 600, 42},
        {"\xD0\x9F", 0, 600, 0}, // a Cyrillic letter
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseNumber(c.text, c.min, c.max), c.expected) << '"' << c.text << '"';
}

TEST(ParseNumberTest, NegativeWithinBoundsStays) {
    EXPECT_EQ(ParseNumber("-12", -100, 100), -12);
    EXPECT_EQ(ParseNumber("-99999", -2000000, 0), -99999);
}

std::uint32_t crcOf(const std::string& s) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const char c : s)
        crc = Crc32Update(crc, static_cast<std::uint8_t>(c));
    return crc ^ 0xFFFFFFFFu;
}

TEST(Crc32Test, KnownValues) {
    EXPECT_EQ(crcOf("123456789"), 0xCBF43926u);
    EXPECT_EQ(crcOf(""), 0x00000000u);
    EXPECT_EQ(crcOf("a"), 0xE8B7BE43u);
    EXPECT_EQ(crcOf("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
    EXPECT_EQ(crcOf(std::string("\xFF\x00\x80", 3)), 0xAC616EDFu);
}

} // namespace
