// The road between a record and a settings image, at a file or at set.ini on
// the board: ReadImage and WriteImage with the board archive beside them.
// What a board holds is kept before it can be lost: after a successful read
// from the board the image as read, and right before a store overwrites the
// board's set.ini (found as the board, or named by its path) what that holds.
//
// Which board, and how progress and outcome are shown (Transfer_texts.h), are
// each caller's own: the window takes the first board and shows the texts in
// its status line and boxes; the command line refuses two boards and writes
// the texts to its output and error output.
#pragma once

#include "Board_archive.h"
#include "Device_path.h"
#include "Image_transfer.h"

#include <functional>
#include <memory>
#include <string>

namespace qm {

// What a load reads or a store writes: a file, or set.ini on a board found
// as the board. A store takes a file for the board when it is the board's
// set.ini by another name (IsBoardSettingsPath).
enum class Medium { File, Board };

// Whether a board is written whose old image cannot be kept: the window
// writes it all the same; the command line does not, unless told to.
enum class OldImage { KeptIfPossible, MustBeKept };

// Thrown by a store that must keep the board's old image and cannot: it
// ends before it opens the board.
struct BoardNotKept {};

class BoardRoad {
public:
    using VolumeSource = std::function<std::unique_ptr<VolumeList>()>;

    explicit BoardRoad(VolumeSource volumes = SystemVolumes,
                       OldImage old = OldImage::KeptIfPossible)
        : volumes_(std::move(volumes)), old_(old) {}

    // The PC's volumes, listed afresh.
    std::unique_ptr<VolumeList> volumes() const { return volumes_(); }

    // ReadImage at path; what it read from the board goes to the archive.
    ImageRead load(const std::string& path, Medium from, MessageSink& messages);

    // WriteImage to path, the board's set.ini kept first.
    ImageResult store(const std::string& path, Medium to, const Settings& record, bool withSerial,
                      MessageSink& messages);

    const BoardArchive& archive() const { return archive_; }

private:
    VolumeSource volumes_;
    OldImage old_;
    BoardArchive archive_;
};

} // namespace qm
