// The board archive: what the board's set.ini held is kept in the user's own
// data folder each time the editor reads the board and each time just before
// it overwrites it, so that a wrong file written to the wrong board can be
// put back. The copies are byte for byte what the board held, one folder per
// board (see Archive_names.h), at most kKeptPerBoard files each.
//
// Keeping a copy is silent: it shows nothing, throws nothing, and whether it
// succeeds changes nothing of the read or the write it accompanies.
#pragma once

#include "Archive_names.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace qm {

// The newest files each board's folder keeps; older ones are removed.
constexpr std::size_t kKeptPerBoard = 100;
// The most of a board's set.ini that is kept before a write (a set.ini is an
// image of 2048 bytes; anything far longer is no settings file of the board).
constexpr std::size_t kMaxKeptBytes = 64 * 1024;

// One copy in the archive, as a listing shows it.
struct ArchiveEntry {
    std::string board; // the board's folder, e.g. "QM 1.2.3.4.5", "blank"
    BoardLabel label;  // the board the copy belongs to
    std::string file;  // e.g. "2026-12-08_14-03-27_read.ini"
    std::string path;  // the file's full path
    std::string time;  // local date and time, "2026-12-08 14:03:27"
    Occasion occasion = Occasion::Read;
    std::uint64_t size = 0;
};

class BoardArchive {
public:
    // The user's own archive; its place is asked afresh on every call, so
    // that it follows the environment (UserDataHome).
    BoardArchive() = default;
    // The archive under another data folder.
    explicit BoardArchive(std::string dataHome) : dataHome_(std::move(dataHome)) {}

    // After a successful read from the board: the image as read.
    void keepRead(const std::string& image) noexcept;
    // Just before the board's set.ini at boardPath is overwritten: whatever
    // it holds (its first kMaxKeptBytes), readable as an image or not, when
    // it is an existing regular file. True when what it holds is in the
    // archive now (kept, or the board's newest copy already) or there is no
    // such file; false when it could not be read or kept.
    bool keepBeforeWrite(const std::string& boardPath) noexcept;

    enum class Kept {
        Yes,          // a new file holds the bytes
        SameAsNewest, // the board's newest copy holds these very bytes already
        Failed,       // nothing could be kept; nothing else changed
    };
    // Keeps bytes as a copy made at time now.
    Kept keep(const std::string& bytes, Occasion occasion, std::time_t now) noexcept;

    // The copies of every board, or of the board with that serial label (code
    // page 1251; "blank" and "unknown" also give the copies of boards without
    // a usable label), folder by folder, oldest first. Copies in folders of
    // the earlier naming scheme are told apart by the label they hold.
    // Nothing when the archive exists but cannot be read; empty when there
    // are no copies.
    std::optional<std::vector<ArchiveEntry>>
    listChecked(const std::string& label = {}) const noexcept;
    // The same, empty when the archive cannot be read.
    std::vector<ArchiveEntry> list(const std::string& label = {}) const noexcept;

    // Where the archive is: <data>/qmconf/archive; empty when there is no data folder.
    std::string path() const;

private:
    std::string dataHome() const;

    std::optional<std::string> dataHome_;
};

} // namespace qm
