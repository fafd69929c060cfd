#include "Volume_serial.h"

namespace qm {

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The value of a run of hex digits, kept to its low 32 bits; none when any
// character is not a hex digit.
std::optional<std::uint32_t> hexValue(std::string_view digits) {
    std::uint32_t value = 0;
    for (const char c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(d);
    }
    return value;
}

} // namespace

std::optional<std::uint32_t> VolumeSerialFromUuid(std::string_view uuid) {
    if (uuid.size() == 9 && uuid[4] == '-') {
        const auto high = hexValue(uuid.substr(0, 4));
        const auto low = hexValue(uuid.substr(5, 4));
        if (!high || !low)
            return std::nullopt;
        return (*high << 16) | *low;
    }
    if (uuid.size() == 16)
        return hexValue(uuid); // the high half shifts out
    return std::nullopt;
}

} // namespace qm
