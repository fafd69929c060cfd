#include "Source_read.h"

#include <algorithm>
#include <cstring>

namespace qm {

namespace {

ReadBack readInto(const std::string& path, bool shared, std::uint8_t* buffer, std::size_t size,
                  std::size_t& n) {
    std::string bytes;
    const ReadBack result = ReadPastCache(path, shared, size, bytes);
    n = result == ReadBack::Read ? std::min(bytes.size(), size) : 0;
    std::memset(buffer, 0, size);
    std::memcpy(buffer, bytes.data(), n);
    return result;
}

} // namespace

std::size_t ReadSourceExclusive(const std::string& path, std::uint8_t* buffer, std::size_t size) {
    std::size_t n = 0;
    return readInto(path, false, buffer, size, n) == ReadBack::Read ? n : 0;
}

ReadBack ReadTargetBack(const std::string& path, std::uint8_t* buffer, std::size_t size,
                        std::size_t& n) {
    return readInto(path, true, buffer, size, n);
}

} // namespace qm
