// The image checksum test written apart from the production scan, for the
// fuzz targets to hold the production code against: a bitwise CRC-32 over
// everything up to the first "CRC=" found by a greedy scan, and the digits
// after it.
#pragma once

#include "Settings_image.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzzref {

inline std::uint32_t BitwiseCrc(const std::uint8_t* p, std::size_t n) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Offset just past the first "CRC=" as the check sees it: a partial match
// consumes the byte that breaks it. 0 when there is none.
inline std::size_t KeyEnd(const std::uint8_t* p, std::size_t n) {
    static const char key[] = "CRC=";
    std::size_t i = 0;
    while (i < n) {
        std::size_t m = 0;
        while (m < 4 && i + m < n && p[i + m] == static_cast<std::uint8_t>(key[m]))
            ++m;
        if (m == 4)
            return i + 4;
        i += m + 1;
    }
    return 0;
}

// Whether a 2048-byte image passes the checksum test.
inline bool ChecksumPasses(const std::uint8_t* p) {
    const std::size_t end = KeyEnd(p, qm::kImageSize);
    if (end == 0)
        return false;
    std::size_t i = end;
    std::uint64_t value = 0;
    while (i < qm::kImageSize && p[i] >= '0' && p[i] <= '9')
        value = (value * 10 + (p[i++] - '0')) & 0xFFFFFFFFu;
    return i < qm::kImageSize && BitwiseCrc(p, end) == value;
}

// Gives an input of n bytes (room for max) the checksum that passes: the
// digits after its first "CRC=" are rewritten with the CRC of what precedes
// them, followed by CR LF. Returns the new size; an input without the key, or
// without room for the digits inside the image, is left as it is.
inline std::size_t Reseal(std::uint8_t* p, std::size_t n, std::size_t max) {
    const std::size_t end = KeyEnd(p, n < qm::kImageSize ? n : qm::kImageSize);
    if (end == 0)
        return n;
    const std::string digits = std::to_string(BitwiseCrc(p, end)) + "\r\n";
    if (end + digits.size() > max || end + digits.size() > qm::kImageSize)
        return n;
    for (std::size_t i = 0; i < digits.size(); ++i)
        p[end + i] = static_cast<std::uint8_t>(digits[i]);
    return end + digits.size() > n ? end + digits.size() : n;
}

} // namespace fuzzref
