#include "Board_volumes.h"

namespace qm {

std::unique_ptr<VolumeList> BoardVolumes() {
    return SystemVolumes();
}

} // namespace qm
