#include "Board_volumes.h"

#include "Volume_list_linux.h"

#include <cstdlib>

namespace qm {

std::unique_ptr<VolumeList> BoardVolumes() {
    const char* mountinfo = std::getenv("QMCONF_MOUNTINFO");
    if (mountinfo && mountinfo[0] != '\0')
        return LinuxVolumes(mountinfo, "/dev/disk/by-uuid");
    return SystemVolumes();
}

} // namespace qm
