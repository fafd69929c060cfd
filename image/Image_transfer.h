// Moving the settings record to and from a settings image at a path (set.ini
// on the board, or a file the user chose), through the temporary file T.
// Each procedure ends in success or in exactly one failure case, which the
// window turns into its texts; the path each case names is noted.
#pragma once

#include "MessageSink.h"
#include "Settings.h"
#include "Temp_file.h"

#include <functional>
#include <string>

namespace qm {

enum class ImageResult {
    Success,
    S1, // T cannot be had: its lock cannot be made, or T cannot be opened
        // for reading after the writer ran (names T)
    S2, // the settings text in T is shorter than 512 bytes or too long, or
        // its image would fail the checksum test on load (T)
    S3, // T cannot be rewritten with the text part of the image (T)
    S4, // T cannot be read back for the second time (T)
    S5, // the target cannot be opened, written, flushed or closed, is no
        // regular file on a disk, or does not hold the image when read back;
        // it holds its old content (P)
    L1, // the source cannot be opened or read, or gives under 512 bytes (P)
    L2, // checksum mismatch, or no terminated "CRC=" number in 2048 bytes (P)
    L3, // T cannot be had: its lock cannot be made, or T cannot be
        // written with the image (T)
    L4, // the settings file reader could not open T (P)
    // Another editor held T's lock for the whole wait: S1 and L3 as the
    // window numbers them, and the user is told that another program is
    // storing or loading, so that they wait rather than hunt for a fault.
    S1Busy,
    L3Busy,
    // The image replaced the target and was flushed to it, but it could not
    // be read back to be checked: another program held the target for the
    // whole wait, or it was gone right after (a pulled board). The settings
    // were written.
    WrittenUnchecked,
    // The target could not be written and its old content could not be put
    // back either: it may hold neither (P).
    S5Damaged,
};

// Both procedures hold the lock of T (Temp_lock.h) for their whole run,
// waiting a short while for another editor's store or load to end (S1Busy,
// L3Busy when it does not).
//
// Writes a record as a 2048-byte settings image at path, its serial label as
// SET99 when withSerial (the window offers its serial entry). The settings
// file writer first writes the record to T (it shows its own message when it
// cannot create T; the store then ends in S1). WriteError from the writer is
// passed on. The label has reached the target only when the image has
// (Success, WrittenUnchecked): after any other outcome a label typed into the
// serial entry must be written again. T is left
// holding the text part of the image. The target is never cut: the image
// replaces it whole once it is on the medium (ReplaceFileContent), and is
// then read back past the cache. A store that ends in S1 to S5 leaves the
// target as it was: one the medium does not hold the image in after all has
// its old content put back (S5Damaged when that fails). Only a regular file
// on a disk is written.
//
// beforeTarget, when given, runs once every step before the target has
// passed, right before the target is opened and still under the lock: what
// the target holds then is what the store overwrites (the device commands
// keep the board's set.ini in the board archive there). A store that ends
// before it reaches the target does not run it.
ImageResult WriteImage(const std::string& path, const Settings& record, bool withSerial,
                       MessageSink& messages, const std::function<void()>& beforeTarget = {});

// What a load yields: its outcome and, on success, the record read and the
// bytes read from the source; the bytes also of an image whose checksum
// fails (L2).
struct ImageRead {
    ImageResult result = ImageResult::L1;
    Settings record{};
    std::string bytes;
};

// Reads the settings image at path (its first 2048 bytes, past the file
// cache, exclusively, waiting a short while for another reader), checks its
// checksum, copies the bytes read to T and reads the record from T with the
// settings file reader, which shows its own message when it ends in L4.
ImageRead ReadImage(const std::string& path, MessageSink& messages);

} // namespace qm
