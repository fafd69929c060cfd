// The volume serial parsing on arbitrary text: a serial is only ever read
// from the two UUID forms, and both canonical forms of any serial read back.
#include "FuzzCheck.h"
#include "Volume_list_linux.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

bool allHex(const std::string& s) {
    for (const char c : s)
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using qm::VolumeSerialFromUuid;
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto serial = VolumeSerialFromUuid(text);
    if (serial) {
        const bool fat = text.size() == 9 && text[4] == '-' && allHex(text.substr(0, 4)) &&
                         allHex(text.substr(5));
        const bool ntfs = text.size() == 16 && allHex(text);
        FUZZ_CHECK(fat || ntfs);
        const std::string digits = fat ? text.substr(0, 4) + text.substr(5) : text.substr(8);
        FUZZ_CHECK(*serial == static_cast<std::uint32_t>(std::stoul(digits, nullptr, 16)));
    }
    if (size >= 8) {
        std::uint32_t lo, hi;
        std::memcpy(&lo, data, 4);
        std::memcpy(&hi, data + 4, 4);
        char fat[16], ntfs[24];
        std::snprintf(fat, sizeof fat, "%04X-%04x", lo >> 16, lo & 0xFFFFu);
        std::snprintf(ntfs, sizeof ntfs, "%08x%08X", hi, lo);
        FUZZ_CHECK(VolumeSerialFromUuid(fat) == lo);
        FUZZ_CHECK(VolumeSerialFromUuid(ntfs) == lo);
    }
    return 0;
}
