// Raw binary file access for the settings files and the settings image.
//
// Paths are UTF-8. Every call reports failure by its result and never throws.
// One implementation per platform (linux/File.cpp, win32/File.cpp) under
// what every platform shares (File.cpp).
#pragma once

#include "Handle.h"

#include <cstddef>
#include <string>
#include <utility>

namespace qm {

class File {
public:
    enum class Mode {
        Read,  // an existing file, for reading
        Write, // create the file or cut it to zero length, for writing
        Hold,  // create the file or keep it as it is; opened to be locked
    };
    enum class Target {
        Any, // whatever the path names, symbolic links followed
        // A private file of the current user's own: the fixed-name temporary
        // file, which holds the APN password and the alert numbers, and its
        // lock. Only a regular file of the user's with no other name is
        // opened, reached without following a symbolic link, so that nothing
        // planted in a shared temporary folder is read or written through.
        // A symbolic link, a folder, a device, a socket or another user's
        // entry fails to open. To write or hold, an entry of the user's own
        // that is a second name of a file (the file keeps its bytes under its
        // other name) or a FIFO is removed and a fresh file made in its place;
        // to read, it fails to open. A file made here, or written or held
        // here, is readable and writable by its owner alone.
        OwnFileOnly,
    };

    File() = default;
    // Takes over a file the platform's own call opened where open() has no
    // way to (exclusively, relative to an open folder).
    explicit File(Handle handle) : handle_(std::move(handle)) {}

    bool open(const std::string& path, Mode mode, Target target = Target::Any);
    bool isOpen() const { return handle_.valid(); }
    const Handle& handle() const { return handle_; }

    // Reads until size bytes are in or the file ends; returns the count.
    // A read error ends the reading early, and readFailed() tells it apart
    // from the end of the file.
    std::size_t read(void* buffer, std::size_t size);
    bool readFailed() const { return readFailed_; }

    // Writes all size bytes; false when any of them could not be written.
    bool write(const void* data, std::size_t size);
    bool write(const std::string& bytes) { return write(bytes.data(), bytes.size()); }

    // Flushes what was written to the medium; false when that fails. A file
    // that is not a regular one (a pipe, a character device) counts as
    // flushed when its kind cannot be flushed at all.
    bool sync();

    // Takes an exclusive lock on the whole file without waiting for it; false
    // while another open of the file, in this process or another, holds one.
    // Advisory: it keeps out only those who ask for it. Closing releases it.
    bool tryLock();

    // Closes the file; false when closing reported an error. Closing a file
    // that is not open succeeds.
    bool close() { return handle_.close(); }

    // Whether the path names an existing regular file (a directory does not count).
    static bool isRegular(const std::string& path);
    // Whether anything at all is at the path (a link that leads nowhere counts).
    static bool exists(const std::string& path);
    // Removes the file at the path (a link itself, not what it leads to);
    // false when it cannot be removed.
    static bool remove(const std::string& path);
    // Whether the path's last part is a name the platform keeps for a device
    // in every folder: on Windows AUX, CON, NUL, PRN, COM0-9, LPT0-9 (with
    // any extension: "com1.ini"), CONIN$, CONOUT$; none elsewhere. Such a path
    // is not to be opened at all: a serial port can keep an open waiting.
    static bool namesDevice(const std::string& path);

private:
    // One read of the platform's: the count read, 0 at the end, -1 on an error.
    std::ptrdiff_t readSome(char* buffer, std::size_t size);

    Handle handle_;
    bool readFailed_ = false;
};

} // namespace qm
