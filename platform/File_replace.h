// Putting a file's whole new content at a path so that whoever reads the path
// meanwhile or afterwards (another editor, the board's firmware once the
// volume is unplugged) finds the old content or the new one, never a part of
// either: a store that fails or is cut short (a full volume, a pulled board,
// a killed process) leaves the old file as it was.
//
// Paths are UTF-8. One implementation per platform
// (linux/File_replace.cpp, win32/File_replace.cpp) over the steps
// every platform shares (File_replace.cpp).
#pragma once

#include <cstddef>
#include <string>

namespace qm {

// How a replacement ended, for what the path holds afterwards.
enum class Replaced {
    Done,      // the new bytes, whole and flushed to the medium
    Unchanged, // the old content (or no file, where there was none)
    Damaged,   // neither: a write in place failed and the old bytes could not be put back
};

// Writes size bytes as the whole content of the file at path and flushes them
// to its medium.
//
// - No file yet, or a regular file with one name: the bytes go to a new file
//   of our own beside it (same folder, hence same volume; made exclusively and
//   readable by its owner alone until done), which is flushed and then put in
//   the file's place in one step, the folder flushed after. The file keeps
//   its mode, and its owner and group where the user may keep them.
// - A symbolic link is followed: the file it leads to is replaced, the link
//   stays a link.
// - A regular file with several names keeps them all: it is written in place.
//   So is a file whose folder admits no new file (a full volume, a read-only
//   folder with a writable file) or that another program keeps from being
//   renamed over. In place, the bytes are first checked to fit the volume,
//   and a write that fails at any step after its first byte puts the old
//   bytes back (Damaged when even that fails).
// - Anything that is not a regular file on a disk (a device such as a serial
//   port or the null device, a pipe, a console, a folder) is refused before
//   a byte is written: Unchanged. On Windows a name kept for a device (AUX,
//   COM1, NUL, CON ... with any extension) is refused even where no such
//   device is present, so that no file of that name is made.
//
// A new file left beside the target by an earlier store that was killed is
// removed first. On failure no new file stays behind.
Replaced ReplaceFileContent(const std::string& path, const void* data, std::size_t size);

// The start of the name of the new file made beside a file named name.
inline std::string ReplacementPrefix(const std::string& name) {
    return "." + name + ".qmconf-";
}

// How many characters follow the prefix in the new file's name.
constexpr std::size_t kReplacementSuffixSize = 8;

} // namespace qm
