// The user's own folders on Linux.
#include "Folders.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {

const char kPathSeparator[] = "/";

namespace {

const char* absoluteEnv(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/' ? value : nullptr;
}

std::string homeFolder() {
    if (const char* home = absoluteEnv("HOME"))
        return home;
    struct passwd entry {};
    struct passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found &&
        found->pw_dir && found->pw_dir[0] == '/')
        return found->pw_dir;
    return {};
}

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

// Where others may write in the folder (a shared /tmp under cron, su, sudo
// or on a jump host), T and its lock live in a folder of the user's own
// inside it, so that one user's T never locks another user out: made when
// needed, readable by its owner alone, and used only when it is a folder of
// the user's (no link, nobody else's). Empty when it cannot be had.
std::string privateFolderIn(const std::string& dir) {
    const std::string folder = dir + "/qmconf-" + std::to_string(::geteuid());
    if (::mkdir(folder.c_str(), S_IRWXU) != 0 && errno != EEXIST)
        return std::string();
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return std::string();
    // The sticky bit keeps others from replacing the folder once it is ours.
    if ((st.st_mode & (S_IRWXG | S_IRWXO)) != 0 && ::chmod(folder.c_str(), S_IRWXU) != 0)
        return std::string();
    return folder;
}

} // namespace

std::string UserDataHome() {
    // A relative $XDG_DATA_HOME is to be ignored.
    if (const char* data = absoluteEnv("XDG_DATA_HOME"))
        return data;
    const std::string home = homeFolder();
    return home.empty() ? std::string() : home + "/.local/share";
}

std::string UserTempFolder() {
    // The per-user runtime directory is private to the user; a shared /tmp
    // is the last resort, with a folder of the user's own in it, and the
    // file itself is opened so that a link or another user's file planted
    // under this fixed name is refused.
    const char* const candidates[] = {std::getenv("XDG_RUNTIME_DIR"), std::getenv("TMPDIR"),
                                      "/tmp"};
    for (const char* dir : candidates) {
        struct stat st {};
        if (!usable(dir) || ::stat(dir, &st) != 0)
            continue;
        if ((st.st_mode & (S_IWGRP | S_IWOTH)) == 0)
            return dir;
        const std::string own = privateFolderIn(dir);
        if (!own.empty())
            return own;
    }
    return std::string();
}

} // namespace qm
