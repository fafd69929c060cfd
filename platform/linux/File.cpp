// POSIX implementation of File.
#include "File.h"

#include "Native.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {

namespace {

// The only kind of entry opened as a private file as it stands.
bool isPrivateFile(const struct stat& st) {
    return S_ISREG(st.st_mode) && st.st_nlink == 1 && st.st_uid == ::geteuid();
}

int createPrivate(const std::string& path, int flags) {
    return OpenRetrying(path, flags | O_CREAT | O_EXCL | O_NOFOLLOW, S_IRUSR | S_IWUSR);
}

// Opens the private file at path with flags (no O_CREAT, no O_TRUNC); -1 when
// the entry there may not be opened, with errno EEXIST or ENOENT when it
// changed meanwhile. Looked at before it is opened, so that a device or a
// FIFO found there is not opened, and again after, so that nothing swapped in
// meanwhile is used.
int openPrivateOnce(const std::string& path, File::Mode mode, int flags) {
    struct stat entry {};
    if (::lstat(path.c_str(), &entry) != 0)
        return errno == ENOENT && mode != File::Mode::Read ? createPrivate(path, flags) : -1;
    if (!isPrivateFile(entry)) {
        // A second name of a file or a FIFO of the user's own can go without
        // loss: the file keeps its bytes under its other name. A device, a
        // socket, a folder or a symbolic link is left as it is.
        const bool replaceable =
            S_ISFIFO(entry.st_mode) || (S_ISREG(entry.st_mode) && entry.st_nlink > 1);
        if (mode == File::Mode::Read || entry.st_uid != ::geteuid() || !replaceable ||
            ::unlink(path.c_str()) != 0)
            return -1;
        return createPrivate(path, flags);
    }
    Handle file(OpenRetrying(path, flags | O_NOFOLLOW));
    struct stat st {};
    if (!file.valid() || ::fstat(fd(file), &st) != 0 || !isPrivateFile(st) ||
        st.st_dev != entry.st_dev || st.st_ino != entry.st_ino)
        return -1;
    // A file left readable by others (by an earlier version) is made private
    // before anything is written to it.
    if (mode != File::Mode::Read && (st.st_mode & (S_IRWXG | S_IRWXO)) != 0 &&
        ::fchmod(fd(file), S_IRUSR | S_IWUSR) != 0)
        return -1;
    if (mode == File::Mode::Write && ::ftruncate(fd(file), 0) != 0)
        return -1;
    return static_cast<int>(file.release());
}

int openPrivate(const std::string& path, File::Mode mode, int flags) {
    // Two editors making the lock file at the same moment: the one whose
    // exclusive creation loses opens the file the other made.
    for (int attempt = 0;; ++attempt) {
        errno = 0;
        const int fd = openPrivateOnce(path, mode, flags);
        if (fd >= 0 || attempt == 2 || (errno != EEXIST && errno != ENOENT))
            return fd;
    }
}

} // namespace

bool File::open(const std::string& path, Mode mode, Target target) {
    close();
    readFailed_ = false;
    // Non-blocking open, so that a FIFO at the path cannot hang the window;
    // blocking mode is restored once the file is open.
    const int flags =
        O_CLOEXEC | O_NOCTTY | O_NONBLOCK | (mode == Mode::Read ? O_RDONLY : O_WRONLY);
    int fd;
    if (target == Target::OwnFileOnly)
        fd = openPrivate(path, mode, flags);
    else if (mode == Mode::Read)
        fd = OpenRetrying(path, flags);
    else
        fd = OpenRetrying(path, flags | O_CREAT | (mode == Mode::Write ? O_TRUNC : 0), 0644);
    if (fd < 0)
        return false;

    handle_.reset(fd);
    if (ClearFlags(fd, O_NONBLOCK))
        return true;
    close();
    return false;
}

std::ptrdiff_t File::readSome(char* buffer, std::size_t size) {
    ssize_t n;
    do {
        n = ::read(fd(handle_), buffer, size);
    } while (n < 0 && errno == EINTR);
    return n;
}

bool File::write(const void* data, std::size_t size) {
    if (!isOpen())
        return false;
    const auto* in = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd(handle_), in + done, size - done);
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
    if (::fsync(fd(handle_)) == 0)
        return true;
    const int error = errno;
    // A pipe or a character device has no medium to flush; a regular file
    // that cannot be flushed may not have reached its medium at all.
    struct stat st {};
    return ::fstat(fd(handle_), &st) == 0 && !S_ISREG(st.st_mode) &&
           (error == EINVAL || error == EROFS);
}

bool File::tryLock() {
    if (!isOpen())
        return false;
    int result;
    do {
        result = ::flock(fd(handle_), LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

bool File::isRegular(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool File::exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool File::remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool File::namesDevice(const std::string&) {
    return false; // devices have their own folder here, /dev
}

} // namespace qm
