// Where the settings image passes through on its way between the board (or a
// chosen file) and the settings record: set_tmp.ini in the user's temporary
// directory. Both the store and the load overwrite it and leave it in place.
#pragma once

#include "Folders.h"

#include <string>

namespace qm {

// The name of the temporary file.
constexpr const char kTempFileName[] = "set_tmp.ini";

// The temporary file's path: the user's temporary folder (UserTempFolder), a
// separator, then set_tmp.ini; asked afresh on every call. On Windows the
// folder already ends in a separator, so the separator stands twice, which
// the file system accepts. Empty when there is no temporary folder, so that
// the store and the load fail to open T instead of putting it somewhere else.
inline std::string TempFilePath() {
    const std::string folder = UserTempFolder();
    return folder.empty() ? folder : folder + kPathSeparator + kTempFileName;
}

} // namespace qm
