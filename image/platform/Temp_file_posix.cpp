// The user's temporary directory on POSIX systems.
#include "Temp_file.h"

#include <cstdlib>

namespace qm {

namespace {

const char* nonEmptyEnv(const char* name) {
    const char* value = std::getenv(name);
    return (value != nullptr && value[0] != '\0') ? value : nullptr;
}

} // namespace

std::string TempFilePath() {
    // The per-user runtime directory is private to the user; a shared /tmp
    // is the last resort, and the file itself is then opened so that a link
    // or another user's file planted under this fixed name is refused.
    const char* dir = nonEmptyEnv("XDG_RUNTIME_DIR");
    if (dir == nullptr)
        dir = nonEmptyEnv("TMPDIR");
    if (dir == nullptr)
        dir = "/tmp";
    return std::string(dir) + "/" + kTempFileName;
}

} // namespace qm
