// Where the command line looks for the board.
#pragma once

#include "Device_path.h"

#include <memory>

namespace qm {

// The system's own volumes, as the window's device commands see them. On
// Linux, QMCONF_MOUNTINFO, when set, names a mount table in the form of
// /proc/self/mountinfo to be read instead of the system's: the volumes of a
// board stand-in can then be named without mounting them.
std::unique_ptr<VolumeList> BoardVolumes();

} // namespace qm
