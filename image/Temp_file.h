// Where the settings image passes through on its way between the board (or a
// chosen file) and the settings record: set_tmp.ini in the user's temporary
// directory. Both the store and the load overwrite it and leave it in place.
#pragma once

#include <string>

namespace qm {

// The name of the temporary file.
constexpr const char kTempFileName[] = "set_tmp.ini";

// The temporary file's path: the user's temporary directory as the system
// reports it, a separator, then set_tmp.ini. Asked afresh on every call.
// Windows: the directory GetTempPathW reports (it already ends in a
// separator, so the separator stands twice, which the file system accepts);
// empty when GetTempPathW gives none, so that the store and the load fail to
// open T instead of putting it somewhere else.
// Elsewhere: the first usable of $XDG_RUNTIME_DIR, $TMPDIR and /tmp. Usable is
// an existing folder the user may write in, where nobody else can replace the
// file: the user's own (or the system's) and not writable by others, or
// writable by others but sticky, as /tmp is. In such a shared folder T lives
// in the user's own folder qmconf-<uid> inside it (made when needed, mode
// 0700), so that users never lock each other out. Empty when none is usable.
std::string TempFilePath();

} // namespace qm
