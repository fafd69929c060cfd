// Raw binary file access for the settings files and the settings image.
//
// Paths are UTF-8. Every call reports failure by its result and never throws.
// One implementation per platform (platform/File_posix.cpp, File_win32.cpp).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qm {

class File {
public:
    enum class Mode {
        Read,  // an existing file, for reading
        Write, // create the file or cut it to zero length, for writing
    };
    enum class Target {
        Any, // whatever the path names, symbolic links followed
        // Only a file of the current user's own, reached without following
        // a symbolic link. Used for the fixed-name temporary file,
        // so that a link planted in a shared temporary folder is never
        // written through; such a path fails to open.
        OwnFileOnly,
    };

    File() = default;
    ~File();
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    bool open(const std::string& path, Mode mode, Target target = Target::Any);
    bool isOpen() const { return handle_ != kClosed; }

    // Reads until size bytes are in or the file ends; returns the count.
    // A read error ends the reading early.
    std::size_t read(void* buffer, std::size_t size);

    // Writes all size bytes; false when any of them could not be written.
    bool write(const void* data, std::size_t size);
    bool write(const std::string& bytes) { return write(bytes.data(), bytes.size()); }

    // Flushes what was written to the medium. Kinds of file that cannot be
    // flushed (pipes, character devices) count as flushed.
    bool sync();

    // Closes the file; false when closing reported an error. Closing a file
    // that is not open succeeds.
    bool close();

    // Whether the path names an existing regular file (a directory does not count).
    static bool isRegular(const std::string& path);

private:
    static constexpr std::intptr_t kClosed = -1;
    std::intptr_t handle_ = kClosed;
};

} // namespace qm
