// Finding the board: it shows itself to the PC as a removable volume whose
// 32-bit volume serial number is kBoardSerial, with its settings image in the
// file set.ini in the volume's root.
#pragma once

#include "MessageSink.h"
#include "Volume_list.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qm {

// The volume serial number of the board's volume (shown as C208-9526).
constexpr std::uint32_t kBoardSerial = 0xC2089526;

// The "0" that FindDevicePath yields when no board is found; no path equals it.
constexpr const char* kNoDevice = "0";

// A board attached to the PC: the root of its volume and the path of set.ini
// there (whether set.ini exists is left to the reading or writing that
// follows).
struct Board {
    std::string root;
    std::string settingsPath;
};

// Every volume whose serial is kBoardSerial, in the platform's order; the
// walk ends at the most-th, without asking the volumes after it.
std::vector<Board> FindBoards(VolumeList& volumes, std::size_t most = SIZE_MAX);

// What the window's device commands and the command line show when no board
// is attached, followed by an empty path.
constexpr const char kNoBoardMessage[] = "Не удалось соединиться с устройством ";

// The path of set.ini on the first volume whose serial is kBoardSerial;
// whether set.ini exists there is left to the reading or writing that
// follows. When no volume matches, shows "Не удалось соединиться с
// устройством " (with an empty path) once through messages and yields "0".
std::string FindDevicePath(VolumeList& volumes, MessageSink& messages);

// Whether a store to path writes the board's set.ini, whatever name the path
// gives it: the file named set.ini (in any letter case) in the root of a
// volume whose serial is kBoardSerial, reached by its drive letter
// ("E:\set.ini"), its mount point ("/media/tech/QMBOARD/set.ini") or a link.
// Only volumes whose root holds the file are asked for their serial.
bool IsBoardSettingsPath(VolumeList& volumes, const std::string& path);

} // namespace qm
