// Where a store writes, on POSIX systems: links followed as the store
// follows them; folders told apart by device and inode.
#include "File_place.h"

#include <climits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace qm {

namespace {

constexpr int kMaxLinks = 40;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

} // namespace

std::optional<FilePlace> PlaceOfFile(const std::string& path) {
    std::string at = path;
    for (int i = 0; i <= kMaxLinks; ++i) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            const std::string folder = folderOf(at);
            const std::string name = at.substr(at.rfind('/') + 1); // npos + 1 is 0
            if (name.empty())
                return std::nullopt;
            return FilePlace{folder, name};
        }
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t n = ::readlink(at.c_str(), target.data(), target.size() - 1);
        if (n <= 0)
            return std::nullopt;
        const std::string to(target.data(), static_cast<std::size_t>(n));
        at = to[0] == '/' ? to : folderOf(at) + to;
    }
    return std::nullopt;
}

bool SameFolder(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && S_ISDIR(sa.st_mode) &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace qm
