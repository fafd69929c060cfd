// Where a store to a path writes, so that the board's set.ini is told by any
// of its names: a drive letter or a mount point, a link, "..", letter case.
// One implementation per platform (linux/File_place.cpp,
// win32/File_place.cpp).
#pragma once

#include <optional>
#include <string>

namespace qm {

struct FilePlace {
    std::string folder; // ends with the platform's separator
    std::string name;   // as the folder holds it, where the file exists
};

// The folder and name of the file a store to path writes: a symbolic link
// on its last part followed, a relative path taken from the working folder.
// Nothing when there is no name or the path cannot be made whole.
std::optional<FilePlace> PlaceOfFile(const std::string& path);

// Whether a and b name one folder, however they name it (its identity on its
// volume, not its spelling); false when either cannot be reached.
bool SameFolder(const std::string& a, const std::string& b);

} // namespace qm
