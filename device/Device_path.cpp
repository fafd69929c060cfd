#include "Device_path.h"

#include "File_place.h"

#include <algorithm>
#include <string_view>

namespace qm {

namespace {

bool isBoard(VolumeList& volumes, const std::string& root) {
    const std::optional<std::uint32_t> serial = volumes.serialOf(root);
    return serial && *serial == kBoardSerial;
}

} // namespace

std::vector<Board> FindBoards(VolumeList& volumes, std::size_t most) {
    std::vector<Board> boards;
    for (const std::string& root : volumes.roots()) {
        if (boards.size() == most)
            break;
        if (isBoard(volumes, root))
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
    const std::string_view kName = "set.ini"; // in any letter case
    if (!place ||
        !std::equal(place->name.begin(), place->name.end(), kName.begin(), kName.end(),
                    [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; }))
        return false;
    for (const std::string& root : volumes.roots())
        if (SameFolder(root, place->folder) && isBoard(volumes, root))
            return true;
    return false;
}

} // namespace qm
