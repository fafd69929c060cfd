// The board archive: what the board's set.ini held is kept in the user's own
// data folder each time the editor reads the board and each time just before
// it overwrites it, so that a wrong file written to the wrong board can be
// put back. The copies are byte for byte what the board held, one folder per
// board (see Archive_names.h), at most kKeptPerBoard files each.
//
// Keeping a copy is silent: it shows nothing, throws nothing, and whether it
// succeeds changes nothing of the read or the write it accompanies.
#pragma once

#include "Archive_folder.h"
#include "Archive_names.h"

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qm {

// The newest files each board's folder keeps; older ones are removed.
constexpr std::size_t kKeptPerBoard = 100;

// One copy in the archive, as a listing shows it.
struct ArchiveEntry {
    std::string board; // the board's folder, e.g. "QM 1.2.3.4.5", "blank"
    SerialLabel label; // the board the copy belongs to (None: unknown)
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
    // Just before the board's set.ini at boardPath is overwritten: all it
    // holds, however long, readable as an image or not, when it is an
    // existing regular file that is not empty. True when what it holds is
    // in the archive now (kept, or the board's newest copy already) or there
    // is nothing to lose (no such file, or an empty one); false when it could
    // not be read or kept.
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
    // Keeps what source gives (afresh at each call), whose first bytes are
    // head, as a copy made at time now.
    Kept keepFrom(const std::string& head, const std::function<ByteSource()>& source,
                  Occasion occasion, std::time_t now);

    std::optional<std::string> dataHome_;
};

} // namespace qm
