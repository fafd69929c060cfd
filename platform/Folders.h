// The user's own folders as the system names them, and the separator that
// joins the parts of a path there. One implementation per platform
// (linux/Folders.cpp, win32/Folders.cpp).
#pragma once

#include <string>

namespace qm {

// "/" on Linux, "\" on Windows.
extern const char kPathSeparator[];

// The user's data folder, asked afresh on every call; empty when there is none.
// Linux: $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
// Windows: %LOCALAPPDATA% when set, else the system's Local AppData folder.
std::string UserDataHome();

// The user's temporary folder, asked afresh on every call; empty when there
// is none, so that nothing is put somewhere else instead.
// Windows: the directory GetTempPathW reports, with the trailing separator it
// comes back with.
// Linux: the first usable of $XDG_RUNTIME_DIR, $TMPDIR and /tmp. Usable is an
// existing folder the user may write in, where nobody else can replace a
// file: the user's own (or the system's) and not writable by others, or
// writable by others but sticky, as /tmp is. In such a shared folder, the
// user's own folder qmconf-<uid> inside it (made when needed, mode 0700), so
// that users never lock each other out.
std::string UserTempFolder();

} // namespace qm
