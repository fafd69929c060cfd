// The steps of ReplaceFileContent that are the same on every platform: the
// naming of the new file beside the target, and what a store does once the
// new file was tried. The platform files keep only the platform's calls.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace qm::replace {

// How a store through a new file beside the target ended.
enum class Outcome { Done, Failed, NoNewFile };

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

// The end of a store once the new file was tried: a volume or folder that
// admits no new file has the target written in place instead.
bool Settle(Outcome throughNewFile, const std::function<bool()>& writeInPlace);

// A device or a FIFO: opened and written as it stands.
bool WriteAsItStands(const std::string& path, const void* data, std::size_t size);

} // namespace qm::replace
