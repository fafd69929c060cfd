// Helpers of the POSIX-only image tests: scratch mounts, a lock held by
// another process, and a flush that fails.
#pragma once

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace qmtest {

// A file system mounted at an existing folder, in a mount namespace private to
// this test process, so nothing outlives it. Needs root; when mounting is not
// permitted, ok() is false and why() says what failed.
class ScratchMount {
public:
    ScratchMount(const std::string& dir, const char* type, const char* options);
    ~ScratchMount();
    ScratchMount(const ScratchMount&) = delete;
    ScratchMount& operator=(const ScratchMount&) = delete;
    bool ok() const { return ok_; }
    const std::string& why() const { return why_; }
    bool makeReadOnly();

private:
    std::string dir_;
    bool ok_ = false;
    std::string why_;
};

// A real board volume with the board's serial number 0xC2089526, on a loop
// device over an image file in folder, mounted at mountPoint as a desktop
// mounts a board: exFAT through FUSE (exfatprogs, exfat-fuse), or FAT by the
// kernel's vfat driver. An exFAT volume has clusters of clusterBytes where
// given. Needs root; when it cannot be had, ok() is false and why() says
// what failed.
class BoardVolume {
public:
    enum class Kind { ExFat, Vfat };
    BoardVolume(Kind kind, const std::string& folder, const std::string& mountPoint,
                unsigned clusterBytes = 0);
    ~BoardVolume();
    BoardVolume(const BoardVolume&) = delete;
    BoardVolume& operator=(const BoardVolume&) = delete;
    bool ok() const { return mounted_; }
    const std::string& why() const { return why_; }

private:
    std::string mountPoint_, device_, why_;
    bool mounted_ = false;
};

// From now on every fsync of this process fails with error, as the kernel
// reports it for a medium that failed: a seccomp filter, which lasts for the
// life of the process, so it is meant for a child process. False when the
// filter could not be installed.
bool FailEveryFsyncWith(int error);

// Runs each work in a child process of its own, all at the same time, and
// gives their exit codes; -1 for a child that did not end normally.
std::vector<int> InChildProcesses(const std::vector<std::function<int()>>& works);

// One work in a child process.
int InChildProcess(const std::function<int()>& work);

// Another process that holds an exclusive flock on a file until released;
// locked() is false when the lock was not free.
class LockHolder {
public:
    explicit LockHolder(const std::string& path);
    ~LockHolder();
    LockHolder(const LockHolder&) = delete;
    LockHolder& operator=(const LockHolder&) = delete;
    bool locked() const { return locked_; }
    void release();

private:
    pid_t child_ = -1;
    int releaseFd_ = -1;
    bool locked_ = false;
};

} // namespace qmtest
