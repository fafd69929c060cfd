// The one read of a settings image from its source (set.ini on the board or a
// file the user chose). It goes past the system's file cache, so that what is
// read is what the medium holds, and holds the file exclusively meanwhile.
// One implementation per platform (linux/Source_read.cpp,
// win32/Source_read.cpp) under what every platform shares (Source_read.cpp).
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

namespace qm {

// How long the read waits for another program that holds the source (another
// editor's load, a check of the same file): one read takes milliseconds.
constexpr std::chrono::milliseconds kSourceLockWait{2000};

// Reads the first size bytes of the file at path into buffer (size bytes) in
// one request that bypasses the file cache, while no other program may have
// the file (Windows: opened without sharing; elsewhere: an exclusive flock).
// Another program holding the file is waited for up to kSourceLockWait.
// Returns the number of bytes read, at most size; a longer file gives its
// first size bytes. Buffer bytes past the count are zero. Returns 0 when the
// path is not an existing regular file, or cannot be opened, locked within
// the wait, or read.
std::size_t ReadSourceExclusive(const std::string& path, std::uint8_t* buffer, std::size_t size);

// How a read past the cache ended.
enum class ReadBack {
    Read,   // bytes read
    Held,   // another program kept the file from being read for all of the wait
    Failed, // it could not be opened or read otherwise (gone, a pulled board)
};

// The file's first bytes, at least size of them where it has them, read past
// the cache into bytes, as the next load and the board read them; the
// platform's part (linux/, win32/Source_read.cpp). Another program that holds
// the file is waited for up to kSourceLockWait. Not shared, the read of a
// source (ReadSourceExclusive). Shared, a store's read-back of the target it
// has just written: on Windows only a program that lets no one read the file
// is waited for (one that holds it while letting others read and write, such
// as an editor, lets the read-back through), elsewhere one that holds its
// exclusive flock.
ReadBack ReadPastCache(const std::string& path, bool shared, std::size_t size, std::string& bytes);

} // namespace qm
