// The settings image: the settings file text closed by a CRC-32 of that text
// and padded to exactly 2048 bytes. It is the form of set.ini on the board and
// of every file the editor writes.
//
//   offset 0       the settings file text up to and including "CRC=" (K bytes)
//   offset K       the CRC-32 of bytes 0..K-1 in decimal digits
//   then           CR LF
//   then           CR LF pairs to 2048 bytes; odd padding ends in a lone CR
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qm {

constexpr std::size_t kImageSize = 2048;
// Shortest settings file text a store accepts, and shortest image a load accepts.
constexpr std::size_t kMinImageText = 512;

// The text part of the image made from a settings file text of size bytes
// that ends with the value "0" of its CRC line and CR LF, as the writer leaves
// it: all bytes but those last three, then the CRC-32 of exactly those bytes
// in decimal, then CR LF. size must be at least 3.
std::string ImageText(const std::uint8_t* settingsText, std::size_t size);

// Fills size bytes with the padding pattern: CR at even offsets, LF at odd ones.
void FillPadding(std::uint8_t* buffer, std::size_t size);

// The whole 2048-byte image of a settings file text as the writer leaves it:
// ImageText, then the padding. The text must be 512 to 2048 bytes long and
// leave room for the checksum digits; otherwise std::invalid_argument.
std::string ComposeImage(const std::string& settingsText);

// Whether the checksum of a 2048-byte image matches: a single pass feeds the
// CRC with every byte up to and including the first "CRC=" and reads the
// decimal digits after it; a non-digit ends them. False when no "CRC=" with
// a terminated number lies within the buffer.
bool CheckImage(const std::uint8_t* buffer);

} // namespace qm
