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

// Clears flags of an open file's status (O_NONBLOCK, O_DIRECT); false when
// they stay.
inline bool ClearFlags(int fd, int flags) {
    const int fl = ::fcntl(fd, F_GETFL);
    return fl >= 0 && ::fcntl(fd, F_SETFL, fl & ~flags) == 0;
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
