// How the board archive names what it keeps: one folder per board, named
// after the serial label in the board's image, and one file per copy, named
// after the local time it was made and the occasion.
#pragma once

#include "Serial_label.h"

#include <ctime>
#include <optional>
#include <string>

namespace qm {

// Why a copy of the board's set.ini was made.
enum class Occasion {
    Read,        // after a successful read from the board
    BeforeWrite, // just before the board's set.ini is overwritten
};

// The folders of boards whose image names no usable label. Copies of many
// boards share them, so they are no board's folder: nothing is pruned there.
constexpr const char kBlankBoardFolder[] = "blank";     // the label's first byte is 0xFF
constexpr const char kUnknownBoardFolder[] = "unknown"; // no ID, or the image fails its check

// The board of a set.ini that holds bytes: the serial label it holds
// (SerialLabelIn), taken as the editor reads it: the first 2048 bytes, when
// they pass the checksum. An empty label, an image that fails its check and
// bytes that are no image name no board (kind None).
SerialLabel BoardLabelOf(const std::string& bytes);

// The folder of that board: LabelFolderName of its label, kBlankBoardFolder
// or kUnknownBoardFolder.
std::string BoardFolderName(const std::string& bytes);

// A serial label (code page 1251) as a folder name (UTF-8, which the platform
// layer turns into its own encoding of file names) that a person can read and
// that no other label shares, on a file system that tells letter case apart
// or not: Latin and Cyrillic letters, digits, "-", "№", and "." and blanks
// inside the name stand as they are; every other byte, "%", "_" and "~"
// included, and a dot or blank at either end, becomes "%" and its two
// upper-case hex digits. A label with lower-case letters gets "~" and, in
// lower-case hex, the mask of which of its letters (bit 0 the first) are
// lower-case, so that "Кресло" and "КРЕСЛО" differ where case does not. A
// name that Windows keeps for a device (CON, NUL, COM1 ...) or that is one
// of the shared folders has its first character escaped.
std::string LabelFolderName(const std::string& label);

// The label a folder name of LabelFolderName stands for; nothing for any
// other name (the shared folders, folders of the earlier scheme, the user's own).
std::optional<std::string> LabelOfFolderName(const std::string& name);

// The folder name of the earlier scheme, which archives made before still
// hold: each byte outside A-Z a-z 0-9 . _ - became "_", and so did a leading
// and a trailing dot; a Windows device name got a leading "_". It is not one
// to one ("QM 1" and "QM_1" share "QM_1"), so which board a copy in such a
// folder belongs to is read from the copy itself.
std::string LegacyLabelFolderName(const std::string& label);

// A copy's file name, e.g. 2026-12-08_14-03-27_read.ini, or with "-2", "-3"
// ... before ".ini" for the second, third ... copy of the same second.
struct ArchiveName {
    std::string stamp; // local date and time: "2026-12-08_14-03-27"
    Occasion occasion = Occasion::Read;
    unsigned sequence = 1; // 1 for the first copy of its second

    std::string fileName() const;
    // Older copies first: by stamp, then by sequence.
    bool operator<(const ArchiveName& o) const;
};

// The stamp of a local time: "YYYY-MM-DD_hh-mm-ss".
std::string StampOf(const std::tm& local);

// The parts of a file name the archive made; nothing for any other name, so
// that files the user put in a board's folder are never counted or removed.
std::optional<ArchiveName> ParseArchiveName(const std::string& fileName);

} // namespace qm
