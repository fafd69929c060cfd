// Helpers of the window's field rules and of the settings image.
#pragma once

#include <cstdint>
#include <string_view>

namespace qm {

// The number in a number edit's text, brought into [min, max] (min <= max).
// Only the first six characters count: an optional leading "-", then decimal
// digits up to the first other character. A text that is empty or does not
// begin with a digit or "-" reads as 0; every negative number gives min.
std::int32_t ParseNumber(std::string_view text, std::int32_t min, std::int32_t max);

// One byte step of the standard CRC-32 (reflected polynomial 0xEDB88320).
// A running CRC starts at 0xFFFFFFFF and is complemented at the end.
std::uint32_t Crc32Update(std::uint32_t crc, std::uint8_t byte);

} // namespace qm
