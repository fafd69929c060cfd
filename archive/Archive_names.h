// How the board archive names what it keeps: one folder per board, named
// after the serial label in the board's image, and one file per copy, named
// after the local time it was made and the occasion.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace qm {

// Why a copy of the board's set.ini was made.
enum class Occasion {
    Read,        // after a successful read from the board
    BeforeWrite, // just before the board's set.ini is overwritten
};

// The folders of boards whose image names no usable label.
constexpr const char kBlankBoardFolder[] = "blank";     // the label's first byte is 0xFF
constexpr const char kUnknownBoardFolder[] = "unknown"; // no ID, or the image fails its check

// The folder of the board whose set.ini holds bytes: the serial label under
// ID, taken as the editor reads it (the first 2048 bytes, when they pass the
// checksum; the label cut to the width of the record's field), made a folder
// name by LabelFolderName. kBlankBoardFolder for a label starting with the
// byte 0xFF; kUnknownBoardFolder when there is no ID, it is empty, or the
// bytes are no image that passes its check.
std::string BoardFolderName(const std::string& bytes);

// A serial label as a folder name that is the same on every system and
// cannot lead out of the archive: each byte outside A-Z a-z 0-9 . _ - becomes
// "_"; so do a leading and a trailing dot (no hidden folder, no "." or "..",
// nothing Windows would cut off); a name that Windows keeps for a device
// (CON, NUL, COM1 ...) gets a leading "_". Applying it twice changes nothing.
std::string LabelFolderName(const std::string& label);

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

// "read" or "before-write", as in the file names.
const char* OccasionName(Occasion occasion);

} // namespace qm
