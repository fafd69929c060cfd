#include "Board_volumes.h"

#include <cstdlib>

namespace qm {

std::unique_ptr<VolumeList> BoardVolumes() {
    const char* mountTable = std::getenv("QMCONF_MOUNTINFO");
    if (mountTable && mountTable[0] != '\0')
        return MountTableVolumes(mountTable);
    return SystemVolumes();
}

} // namespace qm
