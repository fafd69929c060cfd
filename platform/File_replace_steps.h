// The steps of ReplaceFileContent that are the same on every platform: the
// naming of the new file beside the target and the write in place with its
// way back. The platform
// files keep only the platform's calls.
#pragma once

#include "File_replace.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace qm::replace {

// What an exclusive make of the new file under one name gave.
enum class Made { Yes, NameTaken, Failed };

// Makes the new file beside the file named name (UTF-8, no folder): make is
// given each fresh name to try, and a name already taken is tried again with
// another suffix. The name made, or empty when none could be made.
std::string MakeNewFile(const std::string& name,
                        const std::function<Made(const std::string& newName)>& make);

// Whether entry, in the target's folder, is a new file a store of the file
// named name made (and may have left behind when killed).
bool IsNewFileOf(const std::string& entry, const std::string& name);

// The largest file written in place: its old bytes are held to be put back.
constexpr std::uint64_t kMaxInPlace = 1 << 20;

// The target opened for a write in place, through the platform's calls.
class InPlaceFile {
public:
    virtual ~InPlaceFile() = default;
    // Its length; nothing when that cannot be had.
    virtual std::optional<std::uint64_t> length() = 0;
    // Whether the volume has room for the file to grow from length to size.
    virtual bool fits(std::uint64_t length, std::size_t size) = 0;
    // The whole content, length bytes; false when it cannot be read.
    virtual bool readAll(std::string& bytes, std::uint64_t length) = 0;
    // Writes from the start of the file; the count of bytes that went in.
    // A write that falls short (no room, a size limit) is not pressed on.
    virtual std::size_t writeAt0(const void* data, std::size_t size) = 0;
    virtual bool setLength(std::uint64_t length) = 0;
    virtual bool flush() = 0;
};

// Writes size bytes over the file in place. Nothing is written where the old
// bytes could not be put back (a file that cannot be read, or is longer than
// kMaxInPlace) or do not leave room for the new ones. A write that fails at
// any step after its first byte (the write itself, the new length, the
// flush) puts the old bytes and length back: Unchanged, or Damaged when that
// fails too. The length is set only where it changes: setting it, even to
// the length it has, makes some file systems ask for room they do not have.
Replaced WriteInPlace(InPlaceFile& file, const void* data, std::size_t size);

} // namespace qm::replace
