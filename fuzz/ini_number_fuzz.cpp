// The reader's number conversion on arbitrary text, against the canonical
// forms of a 32-bit value taken from the input.
#include "FuzzCheck.h"
#include "Read_file.h"

#include <cstdio>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using qm::ParseIniNumber;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::int32_t parsed = ParseIniNumber(text);

    // A text with anything but blanks, signs, hex prefixes and hex digits is no number.
    if (text.find_first_not_of(" +-$xX0123456789abcdefABCDEF") != std::string::npos)
        FUZZ_CHECK(parsed == 0);

    if (size >= 4) {
        std::uint32_t u;
        std::memcpy(&u, data, 4);
        const auto v = static_cast<std::int32_t>(u);
        char buf[32];
        std::snprintf(buf, sizeof buf, "%d", v);
        FUZZ_CHECK(ParseIniNumber(buf) == v);
        std::snprintf(buf, sizeof buf, "  +%u", u & 0x7FFFFFFFu);
        FUZZ_CHECK(ParseIniNumber(buf) == static_cast<std::int32_t>(u & 0x7FFFFFFFu));
        std::snprintf(buf, sizeof buf, "$%X", u);
        FUZZ_CHECK(ParseIniNumber(buf) == v);
        std::snprintf(buf, sizeof buf, "0x%08x", u);
        FUZZ_CHECK(ParseIniNumber(buf) == v);
        std::snprintf(buf, sizeof buf, "%u0", u | 0x80000000u); // beyond 32 bits
        FUZZ_CHECK(ParseIniNumber(buf) == 0);
    }
    return 0;
}
