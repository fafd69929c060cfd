// The board archive's folders and files on the platform's file system.
//
// The archive lives in the user's own data folder, in <data>/qmconf/archive,
// one folder per board below it. Every folder of the archive is the user's
// own and private (0700 on POSIX systems), every copy is a new file that only
// the user can read (0600); no folder or file is ever reached through a
// symbolic link, and no existing file is ever opened for writing. A copy is
// made whole or not at all: written under a hidden name of its own, flushed,
// and only then given its name, so that a process killed meanwhile leaves no
// empty or partial copy under a copy's name.
// One implementation per platform (linux/Archive_folder.cpp,
// win32/Archive_folder.cpp). Nothing here throws but std::bad_alloc.
#pragma once

#include "File.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qm {

// A path in the archive under a data folder, in the platform's form:
// <data>/qmconf/archive, then the board's folder and the file when given
// (<data>\qmconf\archive\<board>\<file> on Windows).
std::string ArchivePath(const std::string& dataHome, const std::string& board = {},
                        const std::string& file = {});

// The local time of t; false when the system cannot give it.
bool LocalTime(std::time_t t, std::tm& local);

// What a new file is made of, read piece by piece: up to size bytes into
// buffer at each call; how many it gave, 0 at the end, nothing on a read error.
using ByteSource = std::function<std::optional<std::size_t>(char* buffer, std::size_t size)>;

// One open folder of the archive. Names are single path components. What
// every platform does alike is done here (Archive_folder.cpp) over the steps
// each platform's unit gives (protected).
class ArchiveFolder {
public:
    virtual ~ArchiveFolder() = default;

    struct Entry {
        std::string name;
        bool folder = false;
        std::uint64_t size = 0;
    };
    // The regular files and folders in the folder; links are left out.
    virtual std::vector<Entry> entries() = 0;

    enum class Created { Yes, NameTaken, Failed };
    // Makes a new file of that name holding all that source gives, flushed
    // to the medium before it takes the name, which it takes only where
    // nothing has it yet. NameTaken when anything, a link included, has the
    // name already; Failed when it cannot be made, read from source, written
    // or flushed. Either way nothing is left of it. Hidden files that makes
    // killed before their end left are removed first, those that a running
    // make holds excepted.
    Created createFile(const std::string& name, const ByteSource& source);
    // Up to max bytes of a regular file of the folder from offset on; nothing
    // for a link or when it cannot be read.
    std::optional<std::string> readFile(const std::string& name, std::size_t max,
                                        std::uint64_t offset = 0);
    virtual bool removeFile(const std::string& name) = 0;

protected:
    // The number that tells this process's hidden files from another's.
    virtual unsigned long processId() const = 0;
    // Makes the hidden file part where nothing has that name (NameTaken where
    // anything has), readable by the user alone and held, so that no other
    // make removes it, until it is closed.
    virtual Created makeHidden(const std::string& part, File& file) = 0;
    // Gives the hidden file, written and flushed, the name where nothing has it.
    virtual Created publish(File& file, const std::string& part, const std::string& name) = 0;
    // Removes what is left of the hidden file once the make has ended so.
    virtual void discard(File& file, const std::string& part, Created created) = 0;
    // Removes a hidden file that no running make holds.
    virtual void removeLeftover(const std::string& part) = 0;
    // A regular file of the folder opened to be read from offset on; a link
    // is not opened.
    virtual File openToRead(const std::string& name, std::uint64_t offset) = 0;
};

// Opens the archive's folder dataHome/qmconf/archive, then the sub-folder
// board when it is not empty. With create, the data folder is made when
// missing (private, with its parents) and the archive's folders are made
// private or, when they exist, made private again. Nothing when the data
// folder is missing (without create), a folder of the archive is a link, not
// the user's own, or cannot be made or opened; then missing, when given,
// tells whether that is because a folder on the way does not exist (no copy
// has been kept there yet) rather than because it cannot be read.
std::unique_ptr<ArchiveFolder> OpenArchiveFolder(const std::string& dataHome,
                                                 const std::string& board, bool create,
                                                 bool* missing = nullptr);

} // namespace qm
