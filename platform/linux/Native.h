// The Linux side of the platform layer's own types, for its linux/ units.
#pragma once

#include "Handle.h"

#include <cerrno>
#include <fcntl.h>
#include <string>

namespace qm {

inline int fd(const Handle& h) {
    return static_cast<int>(h.get());
}

// open(2), tried again when a signal cut it short.
inline int OpenRetrying(const std::string& path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path.c_str(), flags, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace qm
