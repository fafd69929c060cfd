#include "Settings_image.h"

#include "Set_def.h"
#include "Settings.h"
#include "TestSupport.h"
#include "Write_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

using namespace qm;

namespace {

// An independent bitwise CRC-32 (not the production byte step).
std::uint32_t referenceCrc(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const unsigned char b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::array<std::uint8_t, kImageSize> bufferOf(const std::string& bytes) {
    std::array<std::uint8_t, kImageSize> buffer{};
    std::memcpy(buffer.data(), bytes.data(), std::min(bytes.size(), buffer.size()));
    return buffer;
}

std::string defaultsText() {
    ResetSettings();
    Set_def();
    return SettingsFileText(settings, false);
}

TEST(ComposeImageTest, DefaultsImageToTheByte) {
    const std::string text = defaultsText();
    const std::string image = ComposeImage(text);
    ASSERT_EQ(image.size(), kImageSize);
    const std::string covered = text.substr(0, text.size() - 3);
    ASSERT_EQ(covered.substr(covered.size() - 6), "\r\nCRC=");
    const std::string checksumLine = std::to_string(referenceCrc(covered)) + "\r\n";
    EXPECT_EQ(image.substr(0, covered.size()), covered);
    EXPECT_EQ(image.substr(covered.size(), checksumLine.size()), checksumLine);
    const std::size_t padStart = covered.size() + checksumLine.size();
    for (std::size_t i = padStart; i < kImageSize; ++i)
        ASSERT_EQ(image[i], (i - padStart) % 2 == 0 ? '\r' : '\n') << i;
}

TEST(ComposeImageTest, OddPaddingEndsInALoneCr) {
    std::string text = defaultsText();
    // Lengthen the text until the padding is odd.
    std::string image = ComposeImage(text);
    if ((kImageSize - (image.find("\r\n", text.size() - 4) + 2)) % 2 == 0) {
        text.insert(text.find("SET01=") + 6, "x");
        image = ComposeImage(text);
    }
    EXPECT_EQ(image.substr(kImageSize - 2), "\n\r");
    EXPECT_TRUE(CheckImage(bufferOf(image).data()));
}

TEST(CheckImageTest, AcceptsWhatComposeMakes) {
    EXPECT_TRUE(CheckImage(bufferOf(ComposeImage(defaultsText())).data()));
}

TEST(CheckImageTest, AnyFlippedByteBeforeTheKeyFails) {
    const std::string image = ComposeImage(defaultsText());
    const std::size_t keyEnd = image.find("CRC=") + 4;
    for (std::size_t i = 0; i < keyEnd; ++i) {
        std::string bad = image;
        bad[i] = static_cast<char>(bad[i] ^ 0x01);
        EXPECT_FALSE(CheckImage(bufferOf(bad).data())) << "byte " << i;
    }
}

TEST(CheckImageTest, PaddingAndTrailingTextAreNotExamined) {
    const std::string image = ComposeImage(defaultsText());
    const std::size_t lineEnd = image.find("\r\n", image.find("CRC=")) + 2;
    std::string padded = image;
    for (std::size_t i = lineEnd; i < kImageSize; ++i)
        padded[i] = 'Z';
    EXPECT_TRUE(CheckImage(bufferOf(padded).data()));

    std::string trailing = image;
    trailing.insert(lineEnd - 2, " and more");
    EXPECT_TRUE(CheckImage(bufferOf(trailing).data()));
}

TEST(CheckImageTest, LeadingZerosAndEdgeForms) {
    const std::string text = defaultsText();
    const std::string covered = text.substr(0, text.size() - 3);
    const std::uint32_t crc = referenceCrc(covered);
    EXPECT_TRUE(CheckImage(bufferOf(covered + "000" + std::to_string(crc) + "\r\n").data()));
    // Digits running to the end of the buffer have no terminator.
    std::string unterminated = covered + std::to_string(crc);
    unterminated.resize(kImageSize, '0');
    EXPECT_FALSE(CheckImage(bufferOf(unterminated).data()));
    // No key at all.
    EXPECT_FALSE(CheckImage(bufferOf(std::string(kImageSize, '\r')).data()));
    // A key without digits reads as 0, which only the text of CRC 0 matches.
    EXPECT_FALSE(CheckImage(bufferOf(covered + "\r\n").data()));
    // A "C" right before the key hides it: "CCRC=" does not match.
    EXPECT_FALSE(
        CheckImage(bufferOf("CCRC=" + std::to_string(referenceCrc("CCRC=")) + "\r\n").data()));
    const std::string plain = "xCRC=";
    EXPECT_TRUE(CheckImage(bufferOf(plain + std::to_string(referenceCrc(plain)) + "\r\n").data()));
}

TEST(CheckImageTest, KeyInsideAValueEndsTheScanEarly) {
    ResetSettings();
    Set_def();
    CopyText(settings.SET01, kLongTextSize, "CRC=1");
    EXPECT_FALSE(CheckImage(bufferOf(ComposeImage(SettingsFileText(settings, false))).data()));
}

} // namespace
