#include "Temp_lock.h"

#include "Wait.h"

namespace qm {

std::string TempLockPath(const std::string& tempPath) {
    return tempPath + ".lock";
}

TempFileLock::TempFileLock(const std::string& tempPath) {
    if (tempPath.empty() ||
        !file_.open(TempLockPath(tempPath), File::Mode::Hold, File::Target::OwnFileOnly))
        return;
    state_ =
        TryWithin(kTempLockWait, [this] { return file_.tryLock(); }) ? State::Held : State::Busy;
    if (state_ == State::Busy)
        file_.close();
}

} // namespace qm
