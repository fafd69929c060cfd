// The image check on arbitrary 2048-byte buffers, against an independent
// recomputation: a bitwise CRC-32 over everything up to the key found by a
// greedy scan, and the digits after it.
#include "FuzzCheck.h"
#include "Settings_image.h"

#include <cstring>
#include <vector>

namespace {

std::uint32_t bitwiseCrc(const std::uint8_t* p, std::size_t n) {
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
std::size_t keyEnd(const std::uint8_t* p, std::size_t n) {
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

bool reference(const std::uint8_t* p) {
    const std::size_t end = keyEnd(p, qm::kImageSize);
    if (end == 0)
        return false;
    std::size_t i = end;
    std::uint64_t value = 0;
    while (i < qm::kImageSize && p[i] >= '0' && p[i] <= '9')
        value = (value * 10 + (p[i++] - '0')) & 0xFFFFFFFFu;
    if (i == qm::kImageSize)
        return false;
    return bitwiseCrc(p, end) == value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> buffer(qm::kImageSize, 0);
    std::memcpy(buffer.data(), data, size < buffer.size() ? size : buffer.size());
    FUZZ_CHECK(qm::CheckImage(buffer.data()) == reference(buffer.data()));
    return 0;
}
