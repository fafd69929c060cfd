// The volumes the PC sees, each with its 32-bit serial number: the platform
// interface of finding the board. One implementation per platform
// (linux/Volume_list.cpp, win32/Volume_list.cpp).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qm {

// The volumes the PC sees, in the platform's order, each with its 32-bit
// serial number. Serials are asked one root at a time, so that a walk can stop
// at its first match without touching the volumes after it.
class VolumeList {
public:
    virtual ~VolumeList() = default;
    // Volume roots in platform order: drive letter order ("C:\", "E:\") on
    // Windows, mount-point order on Linux.
    virtual std::vector<std::string> roots() = 0;
    // The volume serial number of a root; none when it cannot be had (no
    // medium, no permission, a file system without one).
    virtual std::optional<std::uint32_t> serialOf(const std::string& root) = 0;
    // The path of set.ini in a root: "E:\set.ini" or "/media/tech/QMBOARD/set.ini".
    virtual std::string settingsPath(const std::string& root) const = 0;
};

// The platform's own volume list: the logical drives on Windows, the mounted
// block-device file systems of /proc/self/mountinfo on Linux.
std::unique_ptr<VolumeList> SystemVolumes();

// The volumes of mountTable, a file in the form of /proc/self/mountinfo read
// instead of the system's own, where the platform has a mount table (Linux):
// the volumes of a board stand-in named without mounting them. Windows has
// none: the system's own volume list.
std::unique_ptr<VolumeList> MountTableVolumes(const std::string& mountTable);

} // namespace qm
