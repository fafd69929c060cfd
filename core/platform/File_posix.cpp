// POSIX implementation of File.
#include "File.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {

namespace {

int fdOf(std::intptr_t handle) {
    return static_cast<int>(handle);
}

} // namespace

File::~File() {
    close();
}

bool File::open(const std::string& path, Mode mode, Target target) {
    close();
    // Non-blocking open, so that a FIFO at the path cannot hang the window;
    // blocking mode is restored once the file is open.
    int flags = O_CLOEXEC | O_NONBLOCK | (mode == Mode::Read ? O_RDONLY : O_WRONLY | O_CREAT);
    const bool ownOnly = target == Target::OwnFileOnly;
    if (ownOnly)
        flags |= O_NOFOLLOW;
    else if (mode == Mode::Write)
        flags |= O_TRUNC;

    int fd;
    do {
        fd = ::open(path.c_str(), flags, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;

    if (ownOnly) {
        // Checked before anything is cut, so another user's file is left alone.
        struct stat st {};
        if (::fstat(fd, &st) != 0 || st.st_uid != ::geteuid() ||
            (mode == Mode::Write && S_ISREG(st.st_mode) && ::ftruncate(fd, 0) != 0)) {
            ::close(fd);
            return false;
        }
    }
    const int fl = ::fcntl(fd, F_GETFL);
    if (fl < 0 || ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return false;
    }
    handle_ = fd;
    return true;
}

std::size_t File::read(void* buffer, std::size_t size) {
    if (!isOpen())
        return 0;
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fdOf(handle_), out + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

bool File::write(const void* data, std::size_t size) {
    if (!isOpen())
        return false;
    const auto* in = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fdOf(handle_), in + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool File::sync() {
    if (!isOpen())
        return false;
    if (::fsync(fdOf(handle_)) == 0)
        return true;
    return errno == EINVAL || errno == EROFS; // a kind of file that has no medium to flush
}

bool File::close() {
    if (!isOpen())
        return true;
    const int fd = fdOf(handle_);
    handle_ = kClosed;
    // POSIX leaves the descriptor state unspecified after EINTR; on Linux it
    // is closed, so it is never retried.
    return ::close(fd) == 0 || errno == EINTR;
}

bool File::isRegular(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace qm
