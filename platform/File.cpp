#include "File.h"

namespace qm {

std::size_t File::read(void* buffer, std::size_t size) {
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (isOpen() && done < size) {
        const std::ptrdiff_t n = readSome(out + done, size - done);
        readFailed_ = n < 0;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

} // namespace qm
