#include "Device_path.h"

#include "File_place.h"

namespace qm {

std::vector<Board> FindBoards(VolumeList& volumes, std::size_t most) {
    std::vector<Board> boards;
    for (const std::string& root : volumes.roots()) {
        if (boards.size() == most)
            break;
        const std::optional<std::uint32_t> serial = volumes.serialOf(root);
        if (serial && *serial == kBoardSerial)
            boards.push_back({root, volumes.settingsPath(root)});
    }
    return boards;
}

std::string FindDevicePath(VolumeList& volumes, MessageSink& messages) {
    const std::vector<Board> boards = FindBoards(volumes, 1);
    if (!boards.empty())
        return boards[0].settingsPath;
    messages.showMessage(kNoBoardMessage, "");
    return kNoDevice;
}

bool IsBoardSettingsPath(VolumeList& volumes, const std::string& path) {
    const std::optional<FilePlace> place = PlaceOfFile(path);
    static const char kName[] = "set.ini";
    if (!place || place->name.size() != sizeof kName - 1)
        return false;
    for (std::size_t i = 0; i < place->name.size(); ++i) {
        const char c = place->name[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != kName[i])
            return false;
    }
    for (const std::string& root : volumes.roots()) {
        if (!SameFolder(root, place->folder))
            continue;
        const std::optional<std::uint32_t> serial = volumes.serialOf(root);
        if (serial && *serial == kBoardSerial)
            return true;
    }
    return false;
}

} // namespace qm
