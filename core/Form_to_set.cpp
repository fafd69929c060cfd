#include "Form_to_set.h"

#include <algorithm>

namespace qm {

std::int32_t ParseNumber(std::string_view text, std::int32_t min, std::int32_t max) {
    std::int32_t value = 0;
    std::int32_t sign = 1;
    for (std::size_t i = 0; i < text.size() && i < 6; ++i) {
        const char c = text[i];
        if (i == 0 && c == '-') {
            sign = -1;
        } else if (c >= '0' && c <= '9') {
            value = value * 10 + (c - '0'); // six digits at most: no overflow
        } else {
            break;
        }
    }
    return std::max(min, std::min(max, value * sign));
}

std::uint32_t Crc32Update(std::uint32_t crc, std::uint8_t byte) {
    std::uint32_t t = (crc ^ byte) & 0xFFu;
    for (int k = 0; k < 8; ++k)
        t = (t & 1u) ? (t >> 1) ^ 0xEDB88320u : t >> 1;
    return (crc >> 8) ^ t;
}

} // namespace qm
