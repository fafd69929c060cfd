// The user's temporary directory on POSIX systems.
#include "Temp_file.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {

namespace {

// A folder where nobody else can remove, rename or replace the temporary
// file: one of the user's own that only the user may change, or a shared one
// with the sticky bit, such as /tmp, that belongs to the system.
bool usable(const char* dir) {
    struct stat st {};
    if (dir == nullptr || dir[0] == '\0' || ::stat(dir, &st) != 0 || !S_ISDIR(st.st_mode) ||
        ::access(dir, W_OK | X_OK) != 0)
        return false;
    const bool ours = st.st_uid == ::geteuid() || st.st_uid == 0;
    const bool othersMayChange = (st.st_mode & (S_IWGRP | S_IWOTH)) != 0;
    return ours && (!othersMayChange || (st.st_mode & S_ISVTX) != 0);
}

} // namespace

std::string TempFilePath() {
    // The per-user runtime directory is private to the user; a shared /tmp
    // is the last resort, and the file itself is then opened so that a link
    // or another user's file planted under this fixed name is refused.
    const char* const candidates[] = {std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR"),
                                      "/tmp"};
    for (const char* dir : candidates)
        if (usable(dir))
            return std::string(dir) + "/" + kTempFileName;
    return std::string();
}

} // namespace qm
