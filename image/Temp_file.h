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
// Elsewhere: $XDG_RUNTIME_DIR, else $TMPDIR, else /tmp; empty values do not
// count.
std::string TempFilePath();

} // namespace qm
