#include "Image_transfer.h"

#include "ImageTestSupport.h"
#include "Settings.h"
#include "Write_file.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

using WriteImageTest = ImageTest;

TEST_F(WriteImageTest, DefaultsGiveTheImageToTheByte) {
    const std::string target = dir.file("set.ini");
    ASSERT_EQ(store(target), ImageResult::Success);
    const std::string image = ReadAll(target);
    ASSERT_EQ(image.size(), 2048u);

    const std::string text = SettingsFileText(settings, false);
    ASSERT_EQ(text.size(), 543u);
    const std::string covered = text.substr(0, 540);
    const std::string checksumLine = std::to_string(ReferenceCrc(covered)) + "\r\n";
    EXPECT_EQ(image.substr(0, 540), covered);
    EXPECT_EQ(image.substr(534, 6), "\r\nCRC=");
    EXPECT_EQ(image.substr(540, checksumLine.size()), checksumLine);
    const std::size_t padStart = 540 + checksumLine.size();
    for (std::size_t i = padStart; i < image.size(); ++i)
        ASSERT_EQ(image[i], (i - padStart) % 2 == 0 ? '\r' : '\n') << "byte " << i;
    // T keeps the text part, without the padding.
    EXPECT_EQ(ReadAll(tempPath()), image.substr(0, padStart));
    EXPECT_TRUE(messages.shown.empty());
}

struct ValueCase {
    int setting;
    const char* value;
    bool readsBack;
};

// A text value holding "CRC=" would stop the load's checksum scan inside it:
// such an image never reaches the target, which keeps what it held. The scan
// does not see the key in "CRCRC=", which therefore reads back.
TEST_F(WriteImageTest, ImageTheLoadWouldRefuseIsNotWritten) {
    const ValueCase cases[] = {
        {3, "abCRC=12", false}, {1, "CRC=", false},    {2, "CRC=0", false},  {7, "+7CRC=", false},
        {3, "abCRC-12", true},  {3, "abcrc=12", true}, {3, "CRCRC=1", true}, {4, "CR=C=", true},
    };
    const std::string target = dir.file("set.ini");
    for (const auto& c : cases) {
        WriteAll(target, "as the board holds it");
        CopyText(TextField(settings, c.setting), TextCapacity(c.setting), c.value);
        const Settings record = settings;
        const ImageResult result = store(target);
        EXPECT_EQ(result, c.readsBack ? ImageResult::Success : ImageResult::S2) << c.value;
        EXPECT_EQ(ReadAll(target) == "as the board holds it", !c.readsBack) << c.value;
        EXPECT_EQ(settings, record);
        CopyText(TextField(settings, c.setting), TextCapacity(c.setting), "ok");
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WriteImageTest, PaddingOfEitherParityMatchesTheReference) {
    // Two text lengths one apart give one even and one odd padding length;
    // odd padding ends in a lone CR.
    int oddSeen = 0;
    for (const char* apn : {"internet", "internet1"}) {
        CopyText(settings.SET01, kLongTextSize, apn);
        const std::string target = dir.file(std::string(apn) + ".ini");
        ASSERT_EQ(store(target), ImageResult::Success);
        const std::string image = ReadAll(target);
        EXPECT_EQ(image, ReferenceImage(SettingsFileText(settings, false))) << apn;
        const std::size_t padStart = image.find("\r\n", image.find("CRC=")) + 2;
        if ((2048 - padStart) % 2 == 1) {
            EXPECT_EQ(image.substr(2046), "\n\r") << apn;
            ++oddSeen;
        }
    }
    EXPECT_EQ(oddSeen, 1);
}

TEST_F(WriteImageTest, OfferedSerialEntryPutsTheLabelIntoTheImage) {
    withSerial = true;
    CopyText(settings.serial, kSerialSize, "QM . . . . .");
    const std::string expected = ReferenceImage(SettingsFileText(settings, true));
    const std::string target = dir.file("set.ini");
    ASSERT_EQ(store(target), ImageResult::Success);
    EXPECT_EQ(ReadAll(target), expected);
    EXPECT_EQ(ReadAll(target).substr(10, 20), "SET99=QM . . . . .\r\n");
}

TEST_F(WriteImageTest, ExistingLongerTargetIsCutTo2048) {
    const std::string target = dir.file("set.ini");
    WriteAll(target, std::string(5000, 'x'));
    ASSERT_EQ(store(target), ImageResult::Success);
    EXPECT_EQ(ReadAll(target), ReferenceImage(SettingsFileText(settings, false)));
}

// The numbers of the defaults take 492 bytes; the texts make up the rest.
TEST_F(WriteImageTest, TextUnder512BytesEndsInS2AndLeavesTheTargetAlone) {
    const struct {
        const char* apn;
        std::size_t textSize;
        ImageResult result;
    } cases[] = {
        {"", 492, ImageResult::S2},
        {"1234567890123456789", 511, ImageResult::S2},
        {"12345678901234567890", 512, ImageResult::Success},
    };
    for (const auto& c : cases) {
        for (int n = kFirstSetting; n <= kLastText; ++n)
            TextField(settings, n)[0] = '\0';
        CopyText(settings.SET01, kLongTextSize, c.apn);
        const std::string target = dir.file("set.ini");
        WriteAll(target, "earlier content");
        EXPECT_EQ(store(target), c.result) << c.textSize;
        const std::string text = SettingsFileText(settings, false);
        ASSERT_EQ(text.size(), c.textSize);
        if (c.result == ImageResult::S2) {
            EXPECT_EQ(ReadAll(tempPath()), text);
            EXPECT_EQ(ReadAll(target), "earlier content") << c.textSize;
        } else {
            const std::string image = ReferenceImage(text);
            EXPECT_EQ(ReadAll(target), image);
            EXPECT_EQ(ReadAll(tempPath()), image.substr(0, image.find("\r\n", 509) + 2));
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WriteImageTest, UnwritableTargetEndsInS5) {
    const std::string plain = dir.file("plain");
    WriteAll(plain, "a regular file");
    const std::string folder = dir.file("folder");
    fs::create_directory(folder);
    const struct {
        const char* what;
        std::string path;
    } cases[] = {
        {"a folder under a regular file", plain + "/set.ini"},
        {"a missing folder", dir.file("missing/set.ini")},
        {"a folder as the target", folder},
        {"an empty path", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(store(c.path), ImageResult::S5) << c.what;
    EXPECT_EQ(ReadAll(plain), "a regular file");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WriteImageTest, FolderAtTheTempFileEndsInS1) {
    fs::create_directory(tempDir() + "/set_tmp.ini");
    const std::string target = dir.file("set.ini");
    EXPECT_EQ(store(target), ImageResult::S1);
    EXPECT_EQ(messages.shown, (std::vector<Message>{{"Не удаётся создать файл ", tempPath()}}));
    EXPECT_FALSE(fs::exists(target));
}

} // namespace
