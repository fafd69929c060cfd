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

using ReadImageTest = ImageTest;

TEST_F(ReadImageTest, StoredDefaultsLoadBackIntoTheRecord) {
    const std::string target = dir.file("set.ini");
    ASSERT_EQ(store(target), ImageResult::Success);
    const Settings stored = settings;

    ASSERT_EQ(load(target), ImageResult::Success);
    for (int n = kFirstSetting; n <= kLastText; ++n)
        EXPECT_STREQ(TextField(settings, n), TextField(stored, n)) << SettingKey(n);
    for (int n = kFirstNumber; n <= kLastSetting; ++n)
        EXPECT_EQ(NumberValue(settings, n), NumberValue(stored, n)) << SettingKey(n);
    // The image has no key ID.
    EXPECT_STREQ(settings.serial, "QM . . . . .");
    // T holds the whole image as read.
    EXPECT_EQ(ReadAll(tempPath()), ReadAll(target));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadImageTest, ImagesThatLoad) {
    const std::string image = DefaultsImage();
    const std::size_t keyEnd = image.find("CRC=") + 4;
    const std::size_t lineEnd = image.find("\r\n", keyEnd);
    const std::string digits = image.substr(keyEnd, lineEnd - keyEnd);
    const std::string small = ReferenceImage(TinySettingsText("small.apn"), 512);

    std::string paddingFlipped = image;
    paddingFlipped[2000] = 'Z';
    std::string trailing = image;
    trailing.insert(lineEnd, " and more");
    trailing.resize(2048);
    std::string zeros = image;
    zeros.insert(keyEnd, "000");
    zeros.resize(2048);

    const struct {
        const char* what;
        std::string bytes;
        std::string apn;
    } cases[] = {
        {"a flipped padding byte", paddingFlipped, "internet.mts.ru"},
        {"text after the digits", trailing, "internet.mts.ru"},
        {"leading zeros", zeros, "internet.mts.ru"},
        {"no padding", image.substr(0, lineEnd + 2), "internet.mts.ru"},
        {"exactly 512 bytes", small, "small.apn"},
        {"a longer file", image + std::string(700, 'x'), "internet.mts.ru"},
    };
    ASSERT_EQ(small.size(), 512u);
    ASSERT_EQ(image.substr(keyEnd, digits.size()), digits);
    for (const auto& c : cases) {
        const std::string source = dir.file("source.ini");
        WriteAll(source, c.bytes);
        EXPECT_EQ(load(source), ImageResult::Success) << c.what;
        EXPECT_STREQ(settings.SET01, c.apn.c_str()) << c.what;
        // T holds what was read: at most the first 2048 bytes.
        EXPECT_EQ(ReadAll(tempPath()), c.bytes.substr(0, 2048)) << c.what;
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadImageTest, ImagesThatAreRefused) {
    const std::string image = DefaultsImage();
    const std::size_t keyEnd = image.find("CRC=") + 4;
    const std::string small = ReferenceImage(TinySettingsText("small.apn"), 512);

    auto flipped = [](std::string s, std::size_t i) {
        s[i] = static_cast<char>(s[i] ^ 0x20);
        return s;
    };
    std::string keyInValue = ReferenceImage(TinySettingsText("CRC=1"));
    // The checksum line sits past the first 2048 bytes.
    std::string lateKey = std::string(1600, '#') + "\r\n" + image;
    std::string otherDigit = image;
    otherDigit[keyEnd] = static_cast<char>('0' + (otherDigit[keyEnd] - '0' + 1) % 10);

    const struct {
        const char* what;
        std::string bytes;
        ImageResult result;
    } cases[] = {
        {"an empty file", "", ImageResult::L1},
        {"511 bytes", small.substr(0, 511), ImageResult::L1},
        {"the first byte flipped", flipped(image, 0), ImageResult::L2},
        {"a byte of SET01 flipped", flipped(image, 20), ImageResult::L2},
        {"the byte before the key flipped", flipped(image, keyEnd - 5), ImageResult::L2},
        {"a checksum digit changed", otherDigit, ImageResult::L2},
        {"\"CRC=\" inside a value", keyInValue, ImageResult::L2},
        {"the key beyond 2048 bytes", lateKey, ImageResult::L2},
        {"no key at all", std::string(2048, '\r'), ImageResult::L2},
    };
    for (const auto& c : cases) {
        const std::string source = dir.file("source.ini");
        WriteAll(source, c.bytes);
        fs::remove(tempPath());
        EXPECT_EQ(load(source), c.result) << c.what;
        EXPECT_FALSE(fs::exists(tempPath())) << c.what;
    }
    EXPECT_TRUE(messages.shown.empty());
}

// The store refuses to make such an image; one made elsewhere fails the load.
TEST_F(ReadImageTest, KeyInsideAValueFailsOnLoad) {
    CopyText(settings.SET01, kLongTextSize, "CRC=apn");
    const std::string target = dir.file("set.ini");
    WriteAll(target, ReferenceImage(SettingsFileText(settings, false)));
    EXPECT_EQ(load(target), ImageResult::L2);
}

TEST_F(ReadImageTest, SourcesThatCannotBeReadEndInL1) {
    const std::string folder = dir.file("folder");
    fs::create_directory(folder);
    const struct {
        const char* what;
        std::string path;
    } cases[] = {
        {"a missing file", dir.file("missing.ini")},
        {"a missing folder", dir.file("missing/set.ini")},
        {"a folder", folder},
        {"an empty path", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(load(c.path), ImageResult::L1) << c.what;
    }
    EXPECT_FALSE(fs::exists(tempPath()));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadImageTest, FolderAtTheTempFileEndsInL3) {
    const std::string source = dir.file("set.ini");
    WriteAll(source, DefaultsImage());
    fs::create_directory(tempDir() + "/set_tmp.ini");
    EXPECT_EQ(load(source), ImageResult::L3);
    EXPECT_TRUE(fs::is_directory(tempPath()));
}

} // namespace
