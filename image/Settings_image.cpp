#include "Settings_image.h"

#include "Form_to_set.h"

#include <stdexcept>

namespace qm {

std::string ImageText(const std::uint8_t* settingsText, std::size_t size) {
    // Everything but the value "0" and its CR LF is covered by the checksum.
    const std::size_t covered = size - 3;
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < covered; ++i)
        crc = Crc32Update(crc, settingsText[i]);
    crc ^= 0xFFFFFFFFu;

    std::string text(reinterpret_cast<const char*>(settingsText), covered);
    text += std::to_string(crc);
    text += "\r\n";
    return text;
}

void FillPadding(std::uint8_t* buffer, std::size_t size) {
    for (std::size_t k = 0; k < size; ++k)
        buffer[k] = (k % 2 == 0) ? '\r' : '\n';
}

std::string ComposeImage(const std::string& settingsText) {
    if (settingsText.size() < kMinImageText || settingsText.size() > kImageSize)
        throw std::invalid_argument("settings text of unfit length");
    std::string image =
        ImageText(reinterpret_cast<const std::uint8_t*>(settingsText.data()), settingsText.size());
    if (image.size() > kImageSize)
        throw std::invalid_argument("settings text leaves no room for the checksum");
    const std::size_t textSize = image.size();
    image.resize(kImageSize);
    FillPadding(reinterpret_cast<std::uint8_t*>(&image[textSize]), kImageSize - textSize);
    return image;
}

bool CheckImage(const std::uint8_t* buffer) {
    static const char kKey[] = "CRC=";
    std::uint32_t crc = 0xFFFFFFFFu;
    std::uint32_t value = 0;
    int matched = 0; // characters of "CRC=" matched so far; 4 reads digits
    for (std::size_t i = 0; i < kImageSize; ++i) {
        const std::uint8_t b = buffer[i];
        if (matched < 4) {
            crc = Crc32Update(crc, b);
            // A mismatch starts over without looking at the byte again, as
            // the key always begins a line in the settings text.
            matched = (b == static_cast<std::uint8_t>(kKey[matched])) ? matched + 1 : 0;
            if (matched == 4)
                value = 0;
        } else if (b >= '0' && b <= '9') {
            value = value * 10u + static_cast<std::uint32_t>(b - '0'); // modulo 2^32
        } else {
            return (crc ^ 0xFFFFFFFFu) == value;
        }
    }
    return false;
}

} // namespace qm
