// The Linux volume list with its two sources as parameters, so that a test
// can point it at a mount table and a link folder of its own.
#pragma once

#include "Volume_list.h"

#include <memory>
#include <string>

namespace qm {

// The mounted block-device file systems of the mount table at mountinfoPath
// (in the form of /proc/self/mountinfo), in mount-point order. A volume's
// serial comes from the name of the link in byUuidDir (like
// /dev/disk/by-uuid) that leads to its device; where no link does, from
// probing the device itself with libblkid, which needs read access to it.
// An unreadable mount table gives no roots.
std::unique_ptr<VolumeList> LinuxVolumes(const std::string& mountinfoPath,
                                         const std::string& byUuidDir);

} // namespace qm
