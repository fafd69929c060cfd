#include "Source_read.h"

#include <algorithm>
#include <cstring>

namespace qm {

std::size_t ReadSourceExclusive(const std::string& path, std::uint8_t* buffer, std::size_t size) {
    std::string bytes;
    const std::size_t n = ReadPastCache(path, false, size, bytes) == ReadBack::Read
                              ? std::min(bytes.size(), size)
                              : 0;
    std::memset(buffer, 0, size);
    std::memcpy(buffer, bytes.data(), n);
    return n;
}

} // namespace qm
