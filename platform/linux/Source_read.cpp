// Exclusive, unbuffered read of the image source on Linux: O_DIRECT where
// the file system allows it, else an ordinary read after the file's cached
// pages were dropped; flock keeps other cooperating programs out meanwhile.
#include "Source_read.h"

#include "Native.h"
#include "Wait.h"

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {

namespace {

// Transfer size and buffer alignment of the direct read: a multiple of every
// logical sector size in use (512 and 4096 bytes); the transfer is as many of
// them as the read wants. A refused alignment falls back to the ordinary read
// below.
constexpr std::size_t kDirectBlock = 4096;

int openSource(const std::string& path, int extra) {
    // Non-blocking, so that a FIFO at the path cannot hang the window.
    return OpenRetrying(path, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | extra);
}

ssize_t readOnce(int fd, void* block, std::size_t transfer) {
    ssize_t got;
    do {
        got = ::pread(fd, block, transfer, 0);
    } while (got < 0 && errno == EINTR);
    return got;
}

} // namespace

// The same for both: the lock is exclusive.
ReadBack ReadPastCache(const std::string& path, bool, std::size_t size, std::string& bytes) {
    bool direct = true;
    int fd = openSource(path, O_DIRECT);
    if (fd < 0 && errno == EINVAL) {
        // The file system does not do direct I/O (ramfs, some FUSE ones).
        direct = false;
        fd = openSource(path, 0);
    }
    const Handle source(fd); // closing also releases the lock
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || !ClearFlags(fd, O_NONBLOCK))
        return ReadBack::Failed;

    // Held by another program: waited for, then not read, as when Windows
    // keeps refusing the open without sharing. A file system without flock
    // support is read unlocked.
    if (!TryWithin(kSourceLockWait, [fd] {
            return ::flock(fd, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR);
        }))
        return ReadBack::Held;

    const std::size_t transfer = (size / kDirectBlock + 1) * kDirectBlock;
    std::string space(transfer + kDirectBlock, '\0');
    void* block = &space[0];
    std::size_t room = space.size();
    std::align(kDirectBlock, transfer, block, room);

    ssize_t got = -1;
    if (direct) {
        got = readOnce(fd, block, transfer);
        // Some file systems accept the open and refuse the read instead.
        if (got < 0 && errno == EINVAL && ClearFlags(fd, O_DIRECT))
            direct = false;
    }
    if (!direct) {
        // Drop what the cache holds of the file, so the read goes to the medium.
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        got = readOnce(fd, block, transfer);
    }
    if (got < 0)
        return ReadBack::Failed;
    bytes.assign(static_cast<const char*>(block), static_cast<std::size_t>(got));
    return ReadBack::Read;
}

} // namespace qm
