// The mounted file systems that may be the board's volume, read from the text
// of a Linux mount table in the form of /proc/self/mountinfo.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qm {

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

} // namespace qm
