// The temporary file is one for all the editors a user runs. Each store and
// each load holds this lock for its whole run, so that another editor storing
// or loading at the same moment cannot replace the file between its steps.
//
// The lock is taken on a file of its own beside the temporary file, not on
// the temporary file itself: the user may load the temporary file as a
// source, and the source is read under a lock of its own, which must not
// meet this one.
#pragma once

#include "File.h"

#include <chrono>
#include <string>

namespace qm {

// How long a store or a load waits for another editor's to end: a store or a
// load takes milliseconds, so a lock held longer belongs to an editor that
// hangs, or to another program.
constexpr std::chrono::milliseconds kTempLockWait{2000};

// The lock file of the temporary file at tempPath: its path and ".lock".
std::string TempLockPath(const std::string& tempPath);

class TempFileLock {
public:
    enum class State {
        Held,
        Busy,        // another held it for the whole wait
        Unavailable, // the lock file cannot be opened, nor made beside T
    };

    // Takes the lock of the temporary file at tempPath, waiting up to
    // kTempLockWait while another holds it. The lock file follows the
    // temporary file's rules (File::Target::OwnFileOnly).
    explicit TempFileLock(const std::string& tempPath);
    TempFileLock(const TempFileLock&) = delete;
    TempFileLock& operator=(const TempFileLock&) = delete;

    State state() const { return state_; }
    bool held() const { return state_ == State::Held; }

private:
    File file_; // closing it releases the lock
    State state_ = State::Unavailable;
};

} // namespace qm
