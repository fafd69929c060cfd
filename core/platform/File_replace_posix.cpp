// POSIX implementation of ReplaceFileContent: a new file beside the target,
// flushed, then renamed over it, the folder flushed after.
#include "File_replace.h"

#include "File_replace_steps.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#include <vector>

namespace qm {

using replace::Made;
using replace::Outcome;

namespace {

// A chain of symbolic links longer than the kernel follows is refused.
constexpr int kMaxLinks = 40;
// A file larger than this is not read to be put back on a failed write in place.
constexpr off_t kMaxRestore = 1 << 20;

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    // Closes the descriptor; false when closing reported an error.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0 || errno == EINTR;
    }

private:
    int fd_;
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path a store writes: path with every symbolic link on its last
// component followed, so that the link stays and its file is replaced. A
// link that leads nowhere gives the path it names. Empty for a loop.
std::string followLinks(std::string path) {
    for (int i = 0; i < kMaxLinks; ++i) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t n = ::readlink(path.c_str(), target.data(), target.size() - 1);
        if (n <= 0)
            return std::string();
        const std::string to(target.data(), static_cast<std::size_t>(n));
        path = to[0] == '/' ? to : folderOf(path) + "/" + to;
    }
    return std::string();
}

bool writeAll(int fd, const void* data, std::size_t size) {
    const auto* in = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, in + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Files are made as the user's file-creation mask says, as an open with
// O_CREAT would make them. Read without changing it.
mode_t newFileMode() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.compare(0, 6, "Umask:") == 0)
            return 0644 & ~static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    return 0644 & ~022;
}

// Removes the new files that stores killed before their end left beside the
// file: only the user's own, and only those no running store holds (each
// holds its new file's lock until it is renamed).
void removeLeftovers(const std::string& folder, const std::string& fileName) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (!replace::IsNewFileOf(name, fileName))
            continue;
        const Fd fd(::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid() || ::flock(fd.get(), LOCK_EX | LOCK_NB) != 0)
            continue;
        ::unlinkat(dirFd, name.c_str(), 0);
    }
    ::closedir(dir);
}

bool noRoom(int error) {
    return error == ENOSPC || error == EDQUOT;
}

// The new file beside the target, renamed over it once flushed.
Outcome replaceThroughNewFile(const std::string& target, const struct stat* old, const void* data,
                              std::size_t size) {
    const std::string folder = folderOf(target);
    removeLeftovers(folder, nameOf(target));

    Fd fd;
    const std::string made = replace::MakeNewFile(nameOf(target), [&](const std::string& newName) {
        fd.reset(::open((folder + "/" + newName).c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd.get() >= 0)
            return Made::Yes;
        return errno == EEXIST ? Made::NameTaken : Made::Failed;
    });
    if (made.empty())
        return Outcome::NoNewFile;
    const std::string name = folder + "/" + made;
    // Held until the rename: the next store removes the file only once no
    // store holds it.
    ::flock(fd.get(), LOCK_EX | LOCK_NB);
    const auto fail = [&name](int error) {
        ::unlink(name.c_str());
        return noRoom(error) ? Outcome::NoNewFile : Outcome::Failed;
    };
    if (!writeAll(fd.get(), data, size))
        return fail(errno);

    // The file's mode is given once its bytes are in, so that it stays
    // private until then, and before the flush, so that it is kept too.
    if (old) {
        // Owner and group first: a change of owner clears the set-id bits.
        // Neither is needed for the image itself: a volume without owners
        // or modes (FAT, exFAT) refuses both.
        if (::fchown(fd.get(), old->st_uid, old->st_gid) != 0 &&
            ::fchown(fd.get(), static_cast<uid_t>(-1), old->st_gid) != 0) {
        }
        if (::fchmod(fd.get(), old->st_mode & 07777) != 0) {
        }
    } else {
        if (::fchmod(fd.get(), newFileMode()) != 0) {
        }
    }
    if (::fsync(fd.get()) != 0)
        return fail(errno);
    if (::rename(name.c_str(), target.c_str()) != 0)
        return fail(errno);
    fd.close();

    // The rename itself must reach the medium too.
    const Fd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() < 0)
        return Outcome::Failed;
    if (::fsync(dir.get()) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP)
        return Outcome::Failed;
    return Outcome::Done;
}

bool fitsInPlace(int fd, const struct stat& st, std::size_t size) {
    const auto held = static_cast<unsigned long long>(st.st_blocks) * 512;
    if (held >= size)
        return true;
    struct statvfs vfs {};
    if (::fstatvfs(fd, &vfs) != 0)
        return true; // unknown: the write finds out, and the old bytes go back
    const unsigned long long block = vfs.f_frsize ? vfs.f_frsize : vfs.f_bsize;
    const unsigned long long needed = (size + block - 1) / block * block - held;
    return static_cast<unsigned long long>(vfs.f_bavail) * block >= needed;
}

bool pwriteAt0(int fd, const void* data, std::size_t size, std::size_t& done) {
    done = 0;
    ssize_t n;
    do {
        n = ::pwrite(fd, data, size, 0);
    } while (n < 0 && errno == EINTR);
    if (n > 0)
        done = static_cast<std::size_t>(n);
    return done == size;
}

// The file written over in place: every name of it keeps the new content.
bool writeInPlace(const std::string& target, const void* data, std::size_t size) {
    bool readable = true;
    Fd fd(::open(target.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (fd.get() < 0 && errno == EACCES) {
        readable = false; // a file the user may write but not read
        fd.reset(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    }
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        !fitsInPlace(fd.get(), st, size))
        return false;

    std::vector<char> old;
    if (readable && st.st_size <= kMaxRestore) {
        old.resize(static_cast<std::size_t>(st.st_size));
        if (::pread(fd.get(), old.data(), old.size(), 0) != static_cast<ssize_t>(old.size()))
            return false;
    }
    std::size_t done = 0;
    if (!pwriteAt0(fd.get(), data, size, done)) {
        // Cut short (the volume full after all, a size limit): the bytes
        // that were written over are put back, so the file is as it was.
        if (done > 0 && !old.empty()) {
            std::size_t back = 0;
            pwriteAt0(fd.get(), old.data(), old.size(), back);
            // Only a write that lengthened the file needs it cut back.
            if (old.size() >= size || ::ftruncate(fd.get(), static_cast<off_t>(old.size())) == 0)
                ::fsync(fd.get());
        }
        return false;
    }
    if (static_cast<std::size_t>(st.st_size) > size &&
        ::ftruncate(fd.get(), static_cast<off_t>(size)) != 0)
        return false;
    return ::fsync(fd.get()) == 0 && fd.close();
}

} // namespace

bool ReplaceFileContent(const std::string& path, const void* data, std::size_t size) {
    const std::string target = followLinks(path);
    if (target.empty() || nameOf(target).empty())
        return false;
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return false;
        return replaceThroughNewFile(target, nullptr, data, size) == Outcome::Done;
    }
    if (!S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? false : replace::WriteAsItStands(target, data, size);
    // A file the user may not write stays as it is, though the folder would
    // let a new one take its place.
    if (::access(target.c_str(), W_OK) != 0)
        return false;
    if (st.st_nlink > 1)
        return writeInPlace(target, data, size);
    return replace::Settle(replaceThroughNewFile(target, &st, data, size),
                           [&] { return writeInPlace(target, data, size); });
}

} // namespace qm
