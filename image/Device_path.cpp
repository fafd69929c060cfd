#include "Device_path.h"

namespace qm {

std::string FindDevicePath(VolumeList& volumes, MessageSink& messages) {
    for (const std::string& root : volumes.roots()) {
        const std::optional<std::uint32_t> serial = volumes.serialOf(root);
        if (serial && *serial == kBoardSerial)
            return volumes.settingsPath(root);
    }
    messages.showMessage("Не удалось соединиться с устройством ", "");
    return kNoDevice;
}

} // namespace qm
