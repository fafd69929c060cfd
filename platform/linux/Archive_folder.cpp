// The archive's folders on POSIX systems: every step below the data folder
// goes through a descriptor of the folder above it, so that no component can
// be swapped for a link between a check and its use.
#include "Archive_folder.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace qm {

namespace {

constexpr mode_t kFolderMode = 0700;
constexpr mode_t kFileMode = 0600;
constexpr unsigned kMaxPartTries = 100;

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void reset(int fd = -1) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }

private:
    int fd_;
};

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
// create, makes it first and makes it private. -1 when it is no folder of
// the user's own.
int openOwnFolder(int at, const std::string& name, bool create) {
    if (create && ::mkdirat(at, name.c_str(), kFolderMode) != 0 && errno != EEXIST)
        return -1;
    Descriptor fd(::openat(at, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISDIR(st.st_mode) ||
        st.st_uid != ::geteuid())
        return -1;
    if (create && (st.st_mode & 07777) != kFolderMode && ::fchmod(fd.get(), kFolderMode) != 0)
        return -1;
    return fd.release();
}

class PosixFolder : public ArchiveFolder {
public:
    explicit PosixFolder(int fd) : fd_(fd) {}

    std::vector<FolderFile> files() override {
        std::vector<FolderFile> result;
        walk([&](const std::string& name, const struct stat& st) {
            if (S_ISREG(st.st_mode))
                result.push_back({name, static_cast<std::uint64_t>(st.st_size)});
        });
        return result;
    }

    std::vector<std::string> folders() override {
        std::vector<std::string> result;
        walk([&](const std::string& name, const struct stat& st) {
            if (S_ISDIR(st.st_mode))
                result.push_back(name);
        });
        return result;
    }

    Created createFile(const std::string& name, const ByteSource& source) override {
        removeLeftovers();
        // Under its hidden name the copy is held (flock) until it has its
        // name or is gone, so that no other make removes it meanwhile.
        static unsigned made = 0;
        std::string part;
        Descriptor fd;
        for (unsigned attempt = 0; fd.get() < 0; ++attempt) {
            if (attempt == kMaxPartTries)
                return Created::Failed;
            part = PartName(name, std::to_string(::getpid()) + "-" + std::to_string(++made));
            fd.reset(::openat(fd_.get(), part.c_str(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kFileMode));
            if (fd.get() < 0 && errno != EEXIST)
                return Created::Failed;
        }
        ::flock(fd.get(), LOCK_EX | LOCK_NB);
        // The mask of the process must not leave the copy readable to others
        // or unreadable to the user.
        Created created = Created::Failed;
        if (::fchmod(fd.get(), kFileMode) == 0 && copy(source, fd.get()) && ::fsync(fd.get()) == 0)
            created = publish(part, name);
        // Linked, the copy has two names; renamed, this finds none.
        ::unlinkat(fd_.get(), part.c_str(), 0);
        ::fsync(fd_.get()); // the name, or its absence, on the medium too
        return created;
    }

    std::optional<std::string> readFile(const std::string& name, std::size_t max,
                                        std::uint64_t offset) override {
        Descriptor fd(
            ::openat(fd_.get(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) ||
            ::lseek(fd.get(), static_cast<off_t>(offset), SEEK_SET) < 0)
            return std::nullopt;
        std::string bytes;
        char chunk[4096];
        while (bytes.size() < max) {
            const ssize_t n = ::read(fd.get(), chunk, std::min(sizeof chunk, max - bytes.size()));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                return std::nullopt;
            if (n == 0)
                break;
            bytes.append(chunk, static_cast<std::size_t>(n));
        }
        return bytes;
    }

    bool removeFile(const std::string& name) override {
        return ::unlinkat(fd_.get(), name.c_str(), 0) == 0;
    }

private:
    // Hidden copies that makes killed before their end left: those no
    // running make holds.
    void removeLeftovers() {
        std::vector<std::string> parts;
        walk([&](const std::string& entry, const struct stat& st) {
            if (S_ISREG(st.st_mode) && IsPartName(entry))
                parts.push_back(entry);
        });
        for (const std::string& part : parts) {
            const Descriptor fd(
                ::openat(fd_.get(), part.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
            if (fd.get() >= 0 && ::flock(fd.get(), LOCK_EX | LOCK_NB) == 0)
                ::unlinkat(fd_.get(), part.c_str(), 0);
        }
    }

    static bool copy(const ByteSource& source, int fd) {
        char chunk[64 * 1024];
        for (;;) {
            const std::optional<std::size_t> got = source(chunk, sizeof chunk);
            if (!got)
                return false;
            if (*got == 0)
                return true;
            for (std::size_t done = 0; done < *got;) {
                const ssize_t n = ::write(fd, chunk + done, *got - done);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n <= 0)
                    return false;
                done += static_cast<std::size_t>(n);
            }
        }
    }

    // The hidden copy under its name, never over anything that has it: a
    // second link, where the file system has links; else a rename that
    // refuses to replace.
    Created publish(const std::string& part, const std::string& name) {
        if (::linkat(fd_.get(), part.c_str(), fd_.get(), name.c_str(), 0) == 0)
            return Created::Yes;
        if (errno == EEXIST)
            return Created::NameTaken;
        if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != EMLINK &&
            errno != ENOSYS)
            return Created::Failed;
        if (::syscall(SYS_renameat2, fd_.get(), part.c_str(), fd_.get(), name.c_str(),
                      RENAME_NOREPLACE) == 0)
            return Created::Yes;
        if (errno == EEXIST)
            return Created::NameTaken;
        if (errno != EINVAL && errno != ENOSYS)
            return Created::Failed;
        struct stat st {};
        if (::fstatat(fd_.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            return Created::NameTaken;
        return ::renameat(fd_.get(), part.c_str(), fd_.get(), name.c_str()) == 0 ? Created::Yes
                                                                                 : Created::Failed;
    }

    template <class Visit> void walk(Visit visit) {
        const int fd = ::openat(fd_.get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        DIR* dir = ::fdopendir(fd);
        if (dir == nullptr) {
            ::close(fd);
            return;
        }
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            struct stat st {};
            if (name != "." && name != ".." &&
                ::fstatat(fd_.get(), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
                visit(name, st);
        }
        ::closedir(dir);
    }

    Descriptor fd_;
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
    Descriptor fd(::open(dataHome.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const char* name : {"qmconf", "archive", board.empty() ? nullptr : board.c_str()}) {
        if (fd.get() < 0 || name == nullptr)
            break;
        fd.reset(openOwnFolder(fd.get(), name, create));
    }
    if (fd.get() < 0) {
        if (missing)
            *missing = errno == ENOENT;
        return nullptr;
    }
    return std::make_unique<PosixFolder>(fd.release());
}

} // namespace qm
