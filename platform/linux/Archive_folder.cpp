// The archive's folders on Linux: every step below the data folder goes
// through a descriptor of the folder above it, so that no component can be
// swapped for a link between a check and its use.
#include "Archive_folder.h"

#include "Native.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace qm {

namespace {

constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;

// Makes path and its missing parents, private, as the user's data folder is
// made; what exists is left as it is.
void makeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (!part.empty())
            ::mkdir(part.c_str(), kFolderMode);
        if (slash == std::string::npos)
            return;
    }
}

// Opens the folder name in the folder at, without following a link; with
// create, makes it first and makes it private. None when it is no folder of
// the user's own.
Handle openOwnFolder(int at, const std::string& name, bool create) {
    if (create && ::mkdirat(at, name.c_str(), kFolderMode) != 0 && errno != EEXIST)
        return Handle();
    Handle folder(::openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (!folder.valid() || ::fstat(fd(folder), &st) != 0 || !S_ISDIR(st.st_mode) ||
        st.st_uid != ::geteuid())
        return Handle();
    if (create && (st.st_mode & 07777) != kFolderMode && ::fchmod(fd(folder), kFolderMode) != 0)
        return Handle();
    return folder;
}

class LinuxFolder : public ArchiveFolder {
public:
    explicit LinuxFolder(Handle folder) : folder_(std::move(folder)) {}

    bool removeFile(const std::string& name) override {
        return ::unlinkat(dir(), name.c_str(), 0) == 0;
    }

    std::vector<Entry> entries() override {
        std::vector<Entry> result;
        const int listed = ::openat(dir(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (listed < 0)
            return result;
        DIR* list = ::fdopendir(listed);
        if (list == nullptr) {
            ::close(listed);
            return result;
        }
        while (const dirent* entry = ::readdir(list)) {
            const std::string name = entry->d_name;
            struct stat st {};
            if (name != "." && name != ".." &&
                ::fstatat(dir(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                (S_ISREG(st.st_mode) || S_ISDIR(st.st_mode)))
                result.push_back(
                    {name, S_ISDIR(st.st_mode), static_cast<std::uint64_t>(st.st_size)});
        }
        ::closedir(list);
        return result;
    }

private:
    int dir() const { return fd(folder_); }

    unsigned long processId() const override { return static_cast<unsigned long>(::getpid()); }

    Created makeHidden(const std::string& part, File& file) override {
        Handle made(::openat(dir(), part.c_str(),
                             O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kFileMode));
        if (!made.valid())
            return errno == EEXIST ? Created::NameTaken : Created::Failed;
        ::flock(fd(made), LOCK_EX | LOCK_NB);
        // The mask of the process must not leave the copy readable to others
        // or unreadable to the user.
        if (::fchmod(fd(made), kFileMode) != 0) {
            ::unlinkat(dir(), part.c_str(), 0);
            return Created::Failed;
        }
        file = File(std::move(made));
        return Created::Yes;
    }

    // A second link, where the file system has links; else a rename that
    // refuses to replace.
    Created publish(File&, const std::string& part, const std::string& name) override {
        if (::linkat(dir(), part.c_str(), dir(), name.c_str(), 0) == 0)
            return Created::Yes;
        if (errno == EEXIST)
            return Created::NameTaken;
        if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != EMLINK &&
            errno != ENOSYS)
            return Created::Failed;
        if (::syscall(SYS_renameat2, dir(), part.c_str(), dir(), name.c_str(), RENAME_NOREPLACE) ==
            0)
            return Created::Yes;
        if (errno == EEXIST)
            return Created::NameTaken;
        if (errno != EINVAL && errno != ENOSYS)
            return Created::Failed;
        struct stat st {};
        if (::fstatat(dir(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            return Created::NameTaken;
        return ::renameat(dir(), part.c_str(), dir(), name.c_str()) == 0 ? Created::Yes
                                                                         : Created::Failed;
    }

    void discard(File&, const std::string& part, Created) override {
        // Linked, the copy has two names; renamed, this finds none.
        ::unlinkat(dir(), part.c_str(), 0);
        ::fsync(dir()); // the name, or its absence, on the medium too
    }

    void removeLeftover(const std::string& part) override {
        const Handle file(
            ::openat(dir(), part.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (file.valid() && ::flock(fd(file), LOCK_EX | LOCK_NB) == 0)
            ::unlinkat(dir(), part.c_str(), 0);
    }

    File openToRead(const std::string& name, std::uint64_t offset) override {
        Handle file(::openat(dir(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (!file.valid() || ::fstat(fd(file), &st) != 0 || !S_ISREG(st.st_mode) ||
            ::lseek(fd(file), static_cast<off_t>(offset), SEEK_SET) < 0)
            return File();
        return File(std::move(file));
    }

    Handle folder_;
};

} // namespace

bool LocalTime(std::time_t t, std::tm& local) {
    return ::localtime_r(&t, &local) != nullptr;
}

std::unique_ptr<ArchiveFolder> OpenArchiveFolder(const std::string& dataHome,
                                                 const std::string& board, bool create,
                                                 bool* missing) {
    if (missing)
        *missing = false;
    if (dataHome.empty() || dataHome[0] != '/')
        return nullptr;
    if (create)
        makeFolders(dataHome);
    // The data folder itself may be a link the user set up.
    Handle folder(::open(dataHome.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const char* name : {"qmconf", "archive", board.empty() ? nullptr : board.c_str()}) {
        if (!folder.valid() || name == nullptr)
            break;
        folder = openOwnFolder(fd(folder), name, create);
    }
    if (!folder.valid()) {
        if (missing)
            *missing = errno == ENOENT;
        return nullptr;
    }
    return std::make_unique<LinuxFolder>(std::move(folder));
}

} // namespace qm
