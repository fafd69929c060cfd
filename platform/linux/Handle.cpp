#include "Handle.h"

#include <cerrno>
#include <unistd.h>

namespace qm {

bool Handle::close() {
    if (!valid())
        return true;
    // POSIX leaves the descriptor state unspecified after EINTR; on Linux it
    // is closed, so it is never retried.
    return ::close(static_cast<int>(release())) == 0 || errno == EINTR;
}

} // namespace qm
