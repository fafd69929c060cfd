// The Linux volume list: the mounted file systems of a mount table, each
// with the 32-bit serial number behind its UUID. Its two sources are
// parameters, so that a test can point it at a mount table and a link
// folder of its own; the mount table's text and the UUID's number are read
// apart, so that the parsing can be tested and fuzzed alone.
#pragma once

#include "Volume_list.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// The mounted block-device file systems of the mount table at mountinfoPath
// (in the form of /proc/self/mountinfo), in mount-point order. A volume's
// serial comes from the name of the link in byUuidDir (like
// /dev/disk/by-uuid) that leads to its device; where no link does, from
// probing the device itself with libblkid, which needs read access to it.
// An unreadable mount table gives no roots.
std::unique_ptr<VolumeList> LinuxVolumes(const std::string& mountinfoPath,
                                         const std::string& byUuidDir);

struct VolumeMount {
    std::string mountPoint; // where the volume's root is seen
    std::string source;     // the device (or image file) it was mounted from
    unsigned major = 0;     // the file system's device number
    unsigned minor = 0;
};

// The mounts whose source is a path (a device node, or an image file) and
// which show the root of their file system, in mount-point order (bytewise).
// A bind mount of a folder inside a volume does not count: set.ini would not
// be in its root. Where several mounts share a mount point only the last one,
// the one that is seen there, counts. Escapes such as "\040" (a blank) in the
// mount point and the source are decoded. Malformed lines are skipped.
std::vector<VolumeMount> VolumeMounts(std::string_view mountinfoText);

// The 32-bit serial number behind the UUID text that udev's by-uuid names and
// libblkid show: "C208-9526" (FAT12/16/32, exFAT: the volume ID as two groups
// of four hex digits) gives 0xC2089526; sixteen hex digits (NTFS, its 64-bit serial)
// give their low 32 bits, the number Windows shows for the volume. Hex digits
// of either case. Any other text has no 32-bit serial: none.
std::optional<std::uint32_t> VolumeSerialFromUuid(std::string_view uuid);

} // namespace qm
