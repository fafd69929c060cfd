#include "Write_file.h"
#include "Set_def.h"
#include "Settings.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

using namespace qm;
using namespace qmtest;

namespace {

class WriteFileTest : public ::testing::Test {
protected:
    TempDir dir;
    RecordingMessages messages;
    Settings settings = Set_def();
    bool withSerial = false; // the window's serial entry offered
};

TEST_F(WriteFileTest, DefaultsGiveTheGoldenFile) {
    const std::string path = dir.file("set.ini");
    Write_file(path, settings, withSerial, messages);
    const std::string bytes = ReadAll(path);
    EXPECT_EQ(bytes, ReadAll(FixturePath("defaults.ini")));
    EXPECT_EQ(bytes.size(), 543u);
    EXPECT_EQ(SplitCrLfLines(bytes).size(), 54u);
    EXPECT_EQ(bytes.substr(bytes.size() - 3), "0\r\n");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WriteFileTest, NumbersOfTheDefaultsTake492BytesBesideTheTexts) {
    for (int n = kFirstSetting; n <= kLastText; ++n)
        TextField(settings, n)[0] = '\0';
    EXPECT_EQ(SettingsFileText(settings, false).size(), 492u);
}

TEST_F(WriteFileTest, OfferedSerialEntryAddsSet99AsSecondLine) {
    withSerial = true;
    CopyText(settings.serial, kSerialSize, "QM . . . . ."); // typed into the entry
    const std::string path = dir.file("set.ini");
    Write_file(path, settings, withSerial, messages);

    const std::string bytes = ReadAll(path);
    const auto lines = SplitCrLfLines(bytes);
    ASSERT_EQ(lines.size(), 55u);
    EXPECT_EQ(lines[0], "[SYSTEM]");
    EXPECT_EQ(lines[1], "SET99=QM . . . . .");
    EXPECT_EQ(lines[2], "SET01=internet.mts.ru");
    EXPECT_EQ(bytes.size(), 543u + 20u);
}

TEST_F(WriteFileTest, UntypedSerialEntryWritesTheLabelAsRead) {
    settings.serial[0] = static_cast<char>(kBlankSerialMarker);
    settings.serial[1] = '\0';
    withSerial = true;
    const std::string path = dir.file("set.ini");
    Write_file(path, settings, withSerial, messages);

    const auto lines = SplitCrLfLines(ReadAll(path));
    ASSERT_EQ(lines.size(), 55u);
    EXPECT_EQ(lines[1], "SET99=\xFF");
}

TEST_F(WriteFileTest, ValuesAreWrittenAsHeld) {
    settings.SET05[0] = '\0';
    settings.SET28 = 255;
    settings.SET08 = 65535;
    CopyText(settings.SET01, kLongTextSize, " a=b \xC0\xFF ");
    const std::string text = SettingsFileText(settings, false);
    EXPECT_NE(text.find("\r\nSET05=\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nSET28=255\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nSET08=65535\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nSET01= a=b \xC0\xFF \r\n"), std::string::npos);
}

TEST_F(WriteFileTest, NoControlByteEverStandsInsideALine) {
    struct Case {
        const char* held;
        const char* written;
    };
    const Case cases[] = {
        {"internet\nmts.ru", "internet"},       // a pasted second line is no key
        {"internet\r\nmts.ru\r\n", "internet"}, // CR LF alike
        {"\r\n \t\nmts.ru\rx", "mts.ru"},       // the first line with content
        {"a\tb", "a b"},                        // a tab is a blank
        {"x\x01y\x1Fz\x7F\x0B\xC0", "xyz\xC0"}, // other control bytes go
        {" \n\t", " "},                         // no line with content: the first
    };
    const std::string golden = ReadAll(FixturePath("defaults.ini"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.held);
        Settings record = settings;
        CopyText(record.SET02, kLongTextSize, c.held);
        CopyText(record.serial, kSerialSize, c.held);
        std::string expected = golden;
        expected.replace(expected.find("SET02=mts"), 9, std::string("SET02=") + c.written);
        expected.insert(10, std::string("SET99=") + c.written + "\r\n");
        EXPECT_EQ(SettingsFileText(record, true), expected);
    }
}

TEST_F(WriteFileTest, LongerOldFileIsReplacedWhole) {
    const std::string path = dir.file("set.ini");
    WriteAll(path, std::string(5000, 'x') + "\r\nSET99=old\r\n");
    Write_file(path, settings, withSerial, messages);
    EXPECT_EQ(ReadAll(path), ReadAll(FixturePath("defaults.ini")));
}

TEST_F(WriteFileTest, TwoWritesWithoutEditsAreIdentical) {
    const std::string a = dir.file("a.ini"), b = dir.file("b.ini");
    Write_file(a, settings, withSerial, messages);
    Write_file(b, settings, withSerial, messages);
    EXPECT_EQ(ReadAll(a), ReadAll(b));
}

TEST_F(WriteFileTest, UncreatableFileIsReportedAndNothingElseHappens) {
    const std::string path = dir.file("missing-folder/set.ini");
    EXPECT_FALSE(Write_file(path, settings, withSerial, messages));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (Message{"Не удаётся создать файл ", path}));
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
