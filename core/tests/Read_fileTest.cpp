#include "Read_file.h"

#include "Ini_lookup.h"
#include "Set_def.h"
#include "Settings.h"
#include "TestSupport.h"
#include "Write_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string_view>

using namespace qm;
using namespace qmtest;
using namespace std::string_view_literals;
using namespace std::string_literals;

namespace {

class ReadFileTest : public ::testing::Test {
protected:
    // Reads an INI text from a real file into settings.
    void read(const std::string& text) {
        const std::string path = dir.file("in.ini");
        WriteAll(path, text);
        const std::optional<Settings> record = Read_file(path, messages);
        ASSERT_TRUE(record);
        settings = *record;
        EXPECT_TRUE(messages.shown.empty());
    }

    TempDir dir;
    RecordingMessages messages;
    Settings settings{};
};

TEST_F(ReadFileTest, WriterOutputReadsBackExceptTheSerialLabel) {
    settings = Set_def();
    CopyText(settings.SET01, kLongTextSize, "apn.with=equals");
    CopyText(settings.SET05, kShortTextSize, "");
    settings.SET28 = 0xFF;
    settings.SET43 = 65535;
    settings.SET51 = 200;
    CopyText(settings.serial, kSerialSize, "QM 1.2.3.4.5");
    const Settings written = settings;
    const std::string path = dir.file("set.ini");
    Write_file(path, written, false, messages);

    const std::optional<Settings> read = Read_file(path, messages);
    ASSERT_TRUE(read);
    Settings expected = written;
    CopyText(expected.serial, kSerialSize, "QM . . . . ."); // the file has no ID
    EXPECT_EQ(*read, expected);
}

TEST_F(ReadFileTest, EmptyFileGivesTextDefaultsAndZeroNumbers) {
    read("");
    for (int n = kFirstSetting; n <= kLastText; ++n)
        EXPECT_STREQ(TextField(settings, n), kDefaultTexts[n - 1]);
    for (int n = kFirstNumber; n <= kLastSetting; ++n)
        EXPECT_EQ(NumberValue(settings, n), 0u) << SettingKey(n);
    EXPECT_STREQ(settings.serial, "QM . . . . .");
}

TEST_F(ReadFileTest, KeysOutsideSectionSystemAreNotRead) {
    read("SET08=5\r\n[OTHER]\r\nSET09=7\r\nID=QM-X\r\n");
    EXPECT_EQ(settings.SET08, 0);
    EXPECT_EQ(settings.SET09, 0);
    EXPECT_STREQ(settings.serial, "QM . . . . .");
}

TEST_F(ReadFileTest, SerialLabelComesFromIdNeverFromSet99) {
    read("[SYSTEM]\r\nSET99=QM-99\r\nID=\xFFQM\r\n");
    EXPECT_EQ(static_cast<unsigned char>(settings.serial[0]), kBlankSerialMarker);
    EXPECT_STREQ(settings.serial + 1, "QM");
}

struct NumberCase {
    const char* value;
    int key;
    unsigned expected;
};

TEST_F(ReadFileTest, NumberConversionAndWidths) {
    const NumberCase cases[] = {
        {"300", 9, 44}, // 8-bit: low byte
        {"-1", 9, 255},
        {"-1", 8, 65535},
        {"65536", 8, 0},
        {"70000", 8, 70000 & 0xFFFF},
        {"7", 29, 7}, // no range check
        {"255", 28, 255},
        {"0x1F", 8, 31},
        {"0X1f", 8, 31},
        {"$FF", 8, 255},
        {"x10", 8, 16},
        {"X10", 8, 16},
        {"0xFFFFFFFF", 8, 65535},
        {"0x100000000", 8, 0}, // does not fit 32 bits
        {"-0x10", 8, 0},       // sign before a hexadecimal prefix
        {"-$10", 8, 0},
        {"0x", 8, 0},
        {"$", 8, 0},
        {"+42", 8, 42},
        {"-2147483648", 8, 0},
        {"2147483647", 8, 65535},
        {"2147483648", 8, 0}, // out of the signed range
        {"-2147483649", 8, 0},
        {"1 2", 8, 0}, // a blank inside
        {"12a", 8, 0}, // a trailing letter
        {"", 8, 0},
        {"abc", 8, 0},
        {"0012", 8, 12},
        {"  15  ", 8, 15}, // blanks around a value are ignored
        {"\"16\"", 8, 16}, // so is a pair of quotes
        {"1.5", 8, 0},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        read("[SYSTEM]\r\n" + SettingKey(c.key) + "=" + c.value + "\r\n");
        EXPECT_EQ(NumberValue(settings, c.key), c.expected) << SettingKey(c.key) << "=" << c.value;
    }
}

TEST(ParseIniNumberTest, LeadingSpacesBeforeTheNumber) {
    EXPECT_EQ(ParseIniNumber("  12"), 12);
    EXPECT_EQ(ParseIniNumber("  -12"), -12);
    EXPECT_EQ(ParseIniNumber("  $1A"), 26);
    EXPECT_EQ(ParseIniNumber(" 0x1A"), 26);
    EXPECT_EQ(ParseIniNumber("12 "), 0);
    EXPECT_EQ(ParseIniNumber("- 12"), 0);
}

// What a value stands for, before the reader brings it to 32 bits: the
// number the source holds where the record cannot hold it.
TEST(ParseIniNumberTest, TheNumberHeldBeforeItIsCut) {
    const struct {
        const char* text;
        std::optional<std::int64_t> held;
    } cases[] = {
        {"65636", 65636},   {"99999999999", 99999999999}, {"-1", -1},
        {" 0x64", 100},     {"$FFFFFFFFF", 0xFFFFFFFFF},  {"12 rub", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IniNumberHeld(c.text), c.held) << c.text;
}

// Every line of a key as it stands, against what a lookup reads of it.
TEST(IniKeyLinesTest, WhatEachLineHoldsAndWhatIsRead) {
    const std::string text = "[SYSTEM]\r\nSET01= \"ab\"\r\nset01=a\0b\r\nSET01\r\n"
                             "[OTHER]\r\nSET01=x\r\n"s;
    const std::vector<IniKeyLine> lines = IniKeyLines(text, "system", "SET01");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].held, "ab");
    EXPECT_EQ(lines[1].held, std::string("a\0b", 3));
    EXPECT_EQ(lines[1].read, "a");
    EXPECT_FALSE(lines[2].hasValue);
    EXPECT_TRUE(IniKeyLines(text, "SYSTEM", "SET02").empty());
}

struct LookupCase {
    std::string_view text;
    const char* expectedApn;
};

TEST_F(ReadFileTest, LookupRulesOfThePrivateProfileFunctions) {
    const LookupCase cases[] = {
        {"[system]\r\nset01=lower\r\n", "lower"},
        {"[ SYSTEM ]\r\nSET01=blanks around the section name\r\n",
         "blanks around the section name"},
        {"[SYSTEM\r\nSET01=unclosed header\r\n", "internet.mts.ru"},
        {"[SYSTEM]\r\n[OTHER\r\nSET01=no header without its bracket\r\n",
         "no header without its bracket"},
        {"[SYSTEM]]\r\nSET01=the name runs to the last bracket\r\n", "internet.mts.ru"},
        {"[SYSTEM\f]\r\nSET01=form feed in the header\r\n", "form feed in the header"},
        {"[SYSTEM] trailing\r\nSET01=after the bracket\r\n", "after the bracket"},
        {"\t[SYSTEM]\r\n  SET01 \t=\v padded \t\r\n", "padded"},
        {"[SYSTEM]\r\nSET01=\"quoted value\"\r\n", "quoted value"},
        {"[SYSTEM]\r\nSET01=' single '\r\n", " single "},
        {"[SYSTEM]\r\nSET01=\"unmatched\r\n", "\"unmatched"},
        {"[SYSTEM]\r\nSET01=\"mixed'\r\n", "\"mixed'"},
        {"[SYSTEM]\r\nSET01=first\r\nSET01=second\r\n", "first"},
        {"[SYSTEM]\r\nSET02=x\r\n[OTHER]\r\nSET03=y\r\n[SYSTEM]\r\nSET01=second section\r\n",
         "internet.mts.ru"},
        {"[SYSTEM]\r\n;SET01=comment\r\nSET01=real\r\n", "real"},
        {"[SYSTEM]\r\n  ;SET01=comment\r\n", "internet.mts.ru"},
        {"[SYSTEM]\r\nSET01=;not a comment\r\n", ";not a comment"},
        {"[SYSTEM]\nSET01=lone LF\nSET02=x\n", "lone LF"},
        {"[SYSTEM]\r\nSET01=a=b=c\r\n", "a=b=c"},
        {"[SYSTEM]\r\nSET01\r\n", "internet.mts.ru"},
        {"[SYSTEM]\r\nSET01\r\nSET01=shadowed by the line without a value\r\n", "internet.mts.ru"},
        {"[SYSTEM]\rSET01=CR-only line ends\rSET02=x\r", "CR-only line ends"},
        {"[SYSTEM]\r\nSET02=x\rSET01=after a bare CR\r\n", "after a bare CR"},
        {"[SYSTEM]\n\rSET01=LF CR\n\r", "LF CR"},
        {"[SYSTEM]\r\nSET01=\f\x1A value \r\f\x1A\r\n", "value"},
        {"[SYSTEM]\r\nSET01=\fform\ffeed\f\r\n", "form\ffeed"},
        {"[SYSTEM]\r\nSET01=cut\0here\r\n"sv, "cut"},
        {"[SYSTEM]\r\nSET01=\"quoted\0\"\r\n"sv, "\"quoted"},
        {"[SYSTEM]\r\nSET01\0tail=zero in the key\r\n"sv, "zero in the key"},
        {"[SYSTEM\0tail]\r\nSET01=zero in the section name\r\n"sv, "zero in the section name"},
        {"\0[SYSTEM]\r\nSET01=no header after a zero\r\n"sv, "internet.mts.ru"},
        {"[SYSTEM]\r\nSET01=\r\n", ""},
        {"[SYSTEM]\r\nSET01=no line end", "no line end"},
        {"[SYSTEM]\r\nSET011=longer key\r\n", "internet.mts.ru"},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        read(std::string(c.text));
        EXPECT_STREQ(settings.SET01, c.expectedApn) << c.text;
    }
}

// Keys the file lacks get the reader's own defaults beside those it holds.
TEST_F(ReadFileTest, KeysTheFileLacksGetTheReadersDefaults) {
    read("[SYSTEM]\r\nSET02=new\r\nSET09=5\r\n");
    for (int n = kFirstSetting; n <= kLastText; ++n)
        EXPECT_STREQ(TextField(settings, n), n == 2 ? "new" : kDefaultTexts[n - 1]) << n;
    for (int n = kFirstNumber; n <= kLastSetting; ++n)
        EXPECT_EQ(NumberValue(settings, n), n == 9 ? 5u : 0u) << SettingKey(n);
    EXPECT_STREQ(settings.serial, "QM . . . . .");
}

TEST_F(ReadFileTest, LongTextsAreCutToTheirFieldsWithTheirZero) {
    const std::string longValue(5000, 'a');
    read("[SYSTEM]\r\nID=" + longValue + "\r\nSET01=" + longValue + "\r\nSET05=" + longValue +
         "\r\n");
    EXPECT_EQ(std::string(settings.SET01), std::string(31, 'a'));
    EXPECT_EQ(std::string(settings.SET05), std::string(15, 'a'));
    EXPECT_EQ(std::string(settings.serial), std::string(12, 'a'));
}

TEST_F(ReadFileTest, LongNumberValueIsCutTo2047Characters) {
    // 2046 zeros and "12": cut to 2047 characters the value reads as 1.
    read("[SYSTEM]\r\nSET08=" + std::string(2046, '0') + "12\r\n");
    EXPECT_EQ(settings.SET08, 1);
    // Quoted, the 2047 characters inside the quotes are the value whole.
    read("[SYSTEM]\r\nSET08=\"" + std::string(2046, '0') + "3\"\r\n");
    EXPECT_EQ(settings.SET08, 3);
}

TEST_F(ReadFileTest, MissingFileOrFolderIsReported) {
    for (const std::string& path : {dir.file("absent.ini"), dir.path()}) {
        messages.shown.clear();
        EXPECT_FALSE(Read_file(path, messages));
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0], (Message{"Не могу открыть файл ", path}));
    }
}

} // namespace
