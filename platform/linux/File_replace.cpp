// Linux implementation of ReplaceFileContent: a new file beside the target,
// flushed, then renamed over it, the folder flushed after.
#include "File_replace.h"

#include "File.h"
#include "File_place.h"
#include "File_replace_steps.h"
#include "Native.h"

#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace qm {

using replace::Made;

namespace {

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
        const Handle file(
            ::openat(dirFd, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (!file.valid() || ::fstat(fd(file), &st) != 0 || !S_ISREG(st.st_mode) ||
            st.st_uid != ::geteuid() || ::flock(fd(file), LOCK_EX | LOCK_NB) != 0)
            continue;
        ::unlinkat(dirFd, name.c_str(), 0);
    }
    ::closedir(dir);
}

bool noRoom(int error) {
    return error == ENOSPC || error == EDQUOT;
}

// The new file beside the target, renamed over it once flushed. A volume or
// folder that admits no new file has the target written inPlace instead; a
// new file that failed otherwise never reached the target.
Replaced replaceThroughNewFile(const FilePlace& target, const struct stat* old, const void* data,
                               std::size_t size, const std::function<Replaced()>& inPlace) {
    removeLeftovers(target.folder, target.name);

    File file;
    const std::string made = replace::MakeNewFile(target.name, [&](const std::string& newName) {
        file = File(Handle(::open((target.folder + newName).c_str(),
                                  O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600)));
        if (file.isOpen())
            return Made::Yes;
        return errno == EEXIST ? Made::NameTaken : Made::Failed;
    });
    if (made.empty())
        return inPlace();
    const std::string name = target.folder + made;
    const int fd = qm::fd(file.handle());
    // Held until the rename: the next store removes the file only once no
    // store holds it.
    ::flock(fd, LOCK_EX | LOCK_NB);
    // Closed before it is removed: a full exFAT volume (exfat-fuse) refuses
    // to remove a file still open after a write that found no room.
    const auto fail = [&](int error) {
        file.close();
        ::unlink(name.c_str());
        return noRoom(error) ? inPlace() : Replaced::Unchanged;
    };
    if (!file.write(data, size))
        return fail(errno);

    // The file's mode is given once its bytes are in, so that it stays
    // private until then, and before the flush, so that it is kept too.
    // Owner and group first: a change of owner clears the set-id bits.
    // Neither is needed for the image itself: a volume without owners or
    // modes (FAT, exFAT) refuses both.
    if (old && ::fchown(fd, old->st_uid, old->st_gid) != 0 &&
        ::fchown(fd, static_cast<uid_t>(-1), old->st_gid) != 0) {
    }
    if (::fchmod(fd, old ? old->st_mode & 07777 : newFileMode()) != 0) {
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::rename(name.c_str(), (target.folder + target.name).c_str()) != 0)
        return fail(errno);
    file.close();

    // The rename itself must reach the medium too. Past the rename the old
    // file is gone: a folder that cannot be flushed leaves the target in
    // neither state for sure.
    const Handle dir(::open(target.folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid() ||
        (::fsync(qm::fd(dir)) != 0 && errno != EINVAL && errno != EROFS && errno != ENOTSUP))
        return Replaced::Damaged;
    return Replaced::Done;
}

class PosixInPlace : public replace::InPlaceFile {
public:
    explicit PosixInPlace(File& file) : file_(file), fd_(fd(file.handle())) {}

    std::optional<std::uint64_t> length() override {
        struct stat st {};
        if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))
            return std::nullopt;
        blocks_ = static_cast<unsigned long long>(st.st_blocks) * 512;
        return static_cast<std::uint64_t>(st.st_size);
    }

    bool fits(std::uint64_t, std::size_t size) override {
        if (blocks_ >= size)
            return true;
        struct statvfs vfs {};
        if (::fstatvfs(fd_, &vfs) != 0)
            return true; // unknown: the write finds out, and the old bytes go back
        const unsigned long long block = vfs.f_frsize ? vfs.f_frsize : vfs.f_bsize;
        const unsigned long long needed = (size + block - 1) / block * block - blocks_;
        return static_cast<unsigned long long>(vfs.f_bavail) * block >= needed;
    }

    // Read once, from the start where the open left the file: the writes
    // below go to their own places.
    bool readAll(std::string& bytes, std::uint64_t length) override {
        bytes.resize(static_cast<std::size_t>(length));
        return file_.read(&bytes[0], bytes.size()) == bytes.size();
    }

    std::size_t writeAt0(const void* data, std::size_t size) override {
        // One write: a short one means no room or a size limit, where a
        // second would fail, or end the process at the limit.
        ssize_t n;
        do {
            n = ::pwrite(fd_, data, size, 0);
        } while (n < 0 && errno == EINTR);
        return n > 0 ? static_cast<std::size_t>(n) : 0;
    }

    bool setLength(std::uint64_t length) override {
        return ::ftruncate(fd_, static_cast<off_t>(length)) == 0;
    }

    bool flush() override { return ::fsync(fd_) == 0; }

private:
    File& file_;
    int fd_;
    unsigned long long blocks_ = 0; // what the file holds on the volume
};

// The file written over in place: every name of it keeps the new content.
Replaced writeInPlace(const std::string& target, const void* data, std::size_t size) {
    // Read as well as written: what goes back after a failed write must be known.
    File file(Handle(::open(target.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)));
    if (!file.isOpen())
        return Replaced::Unchanged;
    PosixInPlace inPlace(file);
    const Replaced result = replace::WriteInPlace(inPlace, data, size);
    if (!file.close() && result == Replaced::Done)
        return Replaced::Damaged; // the flush went through; the close says otherwise
    return result;
}

} // namespace

Replaced ReplaceFileContent(const std::string& path, const void* data, std::size_t size) {
    // Links on the last part followed: the link stays, its file is replaced.
    const std::optional<FilePlace> place = PlaceOfFile(path);
    if (!place)
        return Replaced::Unchanged;
    const std::string target = place->folder + place->name;
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return Replaced::Unchanged;
        return replaceThroughNewFile(*place, nullptr, data, size,
                                     [] { return Replaced::Unchanged; });
    }
    // A device (a serial port, a terminal, /dev/null), a FIFO, a socket or a
    // folder: the image is for a file on a disk, and nothing else gets it.
    if (!S_ISREG(st.st_mode))
        return Replaced::Unchanged;
    // A file the user may not write stays as it is, though the folder would
    // let a new one take its place.
    if (::access(target.c_str(), W_OK) != 0)
        return Replaced::Unchanged;
    if (st.st_nlink > 1)
        return writeInPlace(target, data, size);
    return replaceThroughNewFile(*place, &st, data, size,
                                 [&] { return writeInPlace(target, data, size); });
}

} // namespace qm
