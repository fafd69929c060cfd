#include "ImageTestSupport.h"

#include "Image_transfer.h"
#include "Set_def.h"
#include "Write_file.h"

#include <filesystem>

namespace qmtest {

std::uint32_t ReferenceCrc(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (const unsigned char b : bytes) {
        crc ^= b;
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

std::string ReferenceImage(const std::string& settingsText, std::size_t size) {
    const std::string covered = settingsText.substr(0, settingsText.size() - 3);
    std::string image = covered + std::to_string(ReferenceCrc(covered)) + "\r\n";
    for (std::size_t k = 0; image.size() < size; ++k)
        image += (k % 2 == 0) ? '\r' : '\n';
    return image;
}

std::string TinySettingsText(const std::string& set01) {
    return "[SYSTEM]\r\nSET01=" + set01 + "\r\nCRC=0\r\n";
}

std::string BoardImage(const std::string& id, const std::string& set01) {
    return ReferenceImage("[SYSTEM]\r\nID=" + id + "\r\nSET01=" + set01 + "\r\nCRC=0\r\n");
}

std::string Damaged(std::string image) {
    image[20] ^= 0x01;
    return image;
}

std::string Pattern(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>('A' + (i * 7) % 26);
    return s;
}

std::string DefaultsTextWith(const std::vector<std::pair<std::string, std::string>>& lines) {
    std::string text = ReadAll(FixturePath("defaults.ini"));
    for (const auto& [key, value] : lines) {
        const std::size_t at = text.find("\r\n" + key + "=");
        if (at == std::string::npos) {
            text.insert(text.find("\r\n") + 2, key + "=" + value + "\r\n");
        } else {
            const std::size_t start = at + 3 + key.size();
            text.replace(start, text.find("\r\n", start) - start, value);
        }
    }
    return text;
}

std::string DefaultsImage() {
    return ReferenceImage(qm::SettingsFileText(qm::Set_def(), false));
}

void ImageTest::SetUp() {
    std::filesystem::create_directory(tempDir());
    env_ = std::make_unique<TempDirEnv>(tempDir());
    settings = qm::Set_def();
}

void ImageTest::TearDown() {
    env_.reset();
}

} // namespace qmtest

namespace qm {

void PrintTo(ImageResult result, std::ostream* os) {
    static const char* const kNames[] = {"Success",
                                         "S1",
                                         "S2",
                                         "S3",
                                         "S4",
                                         "S5",
                                         "L1",
                                         "L2",
                                         "L3",
                                         "L4",
                                         "S1Busy",
                                         "L3Busy",
                                         "WrittenUnchecked",
                                         "S5Damaged"};
    const auto n = static_cast<std::size_t>(result);
    *os << (n < sizeof kNames / sizeof kNames[0] ? kNames[n] : "?");
}

} // namespace qm
