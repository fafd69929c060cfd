#include "Temp_lock.h"

#include <thread>

namespace qm {

std::string TempLockPath(const std::string& tempPath) {
    return tempPath + ".lock";
}

TempFileLock::TempFileLock(const std::string& tempPath) {
    if (tempPath.empty() ||
        !file_.open(TempLockPath(tempPath), File::Mode::Hold, File::Target::OwnFileOnly))
        return;
    const auto deadline = std::chrono::steady_clock::now() + kTempLockWait;
    while (!file_.tryLock()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            file_.close();
            state_ = State::Busy;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    state_ = State::Held;
}

} // namespace qm
