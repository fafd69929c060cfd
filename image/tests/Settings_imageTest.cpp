#include "Settings_image.h"

#include "ImageTestSupport.h"
#include "Set_def.h"
#include "Settings.h"
#include "Write_file.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

using namespace qm;
using namespace qmtest;

namespace {

std::array<std::uint8_t, kImageSize> bufferOf(const std::string& bytes) {
    std::array<std::uint8_t, kImageSize> buffer{};
    std::memcpy(buffer.data(), bytes.data(), std::min(bytes.size(), buffer.size()));
    return buffer;
}

const std::uint8_t* bytesOf(const std::string& s) {
    return reinterpret_cast<const std::uint8_t*>(s.data());
}

std::string defaultsText() {
    return SettingsFileText(Set_def(), false);
}

TEST(ImageTextTest, CoversAllButTheLastThreeBytes) {
    const std::string text = defaultsText();
    const std::string covered = text.substr(0, text.size() - 3);
    ASSERT_EQ(covered.substr(covered.size() - 6), "\r\nCRC=");
    EXPECT_EQ(ImageText(bytesOf(text), text.size()),
              covered + std::to_string(ReferenceCrc(covered)) + "\r\n");
    // The check value of the standard CRC-32.
    const std::string nine = "123456789xyz";
    EXPECT_EQ(ImageText(bytesOf(nine), nine.size()), "1234567893421780262\r\n");
}

TEST(FillPaddingTest, CrAtEvenOffsetsLfAtOdd) {
    std::array<std::uint8_t, 5> pad{};
    FillPadding(pad.data(), pad.size());
    EXPECT_EQ(std::string(pad.begin(), pad.end()), "\r\n\r\n\r");
}

TEST(CheckImageTest, AcceptsTheReferenceImage) {
    EXPECT_TRUE(CheckImage(bufferOf(ReferenceImage(defaultsText())).data()));
}

TEST(CheckImageTest, AnyFlippedByteBeforeTheKeyFails) {
    const std::string image = ReferenceImage(defaultsText());
    const std::size_t keyEnd = image.find("CRC=") + 4;
    for (std::size_t i = 0; i < keyEnd; ++i) {
        std::string bad = image;
        bad[i] = static_cast<char>(bad[i] ^ 0x01);
        EXPECT_FALSE(CheckImage(bufferOf(bad).data())) << "byte " << i;
    }
}

TEST(CheckImageTest, PaddingAndTrailingTextAreNotExamined) {
    const std::string image = ReferenceImage(defaultsText());
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
    const std::uint32_t crc = ReferenceCrc(covered);
    EXPECT_TRUE(CheckImage(bufferOf(covered + "000" + std::to_string(crc) + "\r\n").data()));
    // Digits running to the end of the buffer have no terminator.
    std::string unterminated = covered + std::to_string(crc);
    unterminated.resize(kImageSize, '0');
    EXPECT_FALSE(CheckImage(bufferOf(unterminated).data()));
    // No key at all.
    EXPECT_FALSE(CheckImage(bufferOf(std::string(kImageSize, '\r')).data()));
    // A key without digits reads as 0, which only the text of CRC 0 matches.
    EXPECT_FALSE(CheckImage(bufferOf(covered + "\r\n").data()));
    // Digits beyond 32 bits wrap: 2^32 + crc reads as crc.
    const std::string wrapped = std::to_string(0x100000000ull + crc);
    EXPECT_TRUE(CheckImage(bufferOf(covered + wrapped + "\r\n").data()));
    // A "C" right before the key hides it: "CCRC=" does not match.
    EXPECT_FALSE(
        CheckImage(bufferOf("CCRC=" + std::to_string(ReferenceCrc("CCRC=")) + "\r\n").data()));
    const std::string plain = "xCRC=";
    EXPECT_TRUE(CheckImage(bufferOf(plain + std::to_string(ReferenceCrc(plain)) + "\r\n").data()));
}

TEST(CheckImageTest, KeyInsideAValueEndsTheScanEarly) {
    Settings settings = Set_def();
    CopyText(settings.SET01, kLongTextSize, "CRC=1");
    EXPECT_FALSE(CheckImage(bufferOf(ReferenceImage(SettingsFileText(settings, false))).data()));
}

} // namespace
