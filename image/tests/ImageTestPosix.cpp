#include "ImageTestPosix.h"

#include "Volume_fixtures.h"

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace qmtest {

namespace {

// Once per process: a mount namespace of its own whose mounts do not
// propagate, so a crashed test leaves no mount behind.
bool privateMountNamespace(std::string& why) {
    static int state = 0; // 0 not tried, 1 done, -1 refused
    static std::string reason;
    if (state == 0) {
        if (::unshare(CLONE_NEWNS) != 0)
            reason = std::string("unshare(CLONE_NEWNS): ") + std::strerror(errno);
        else if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            reason = std::string("making / private: ") + std::strerror(errno);
        state = reason.empty() ? 1 : -1;
    }
    why = reason;
    return state == 1;
}

} // namespace

ScratchMount::ScratchMount(const std::string& dir, const char* type, const char* options)
    : dir_(dir) {
    if (!privateMountNamespace(why_))
        return;
    if (::mount(type, dir.c_str(), type, 0, options) != 0) {
        why_ = std::string("mounting ") + type + ": " + std::strerror(errno);
        return;
    }
    ok_ = true;
}

ScratchMount::~ScratchMount() {
    if (ok_)
        ::umount2(dir_.c_str(), MNT_DETACH);
}

bool ScratchMount::makeReadOnly() {
    return ok_ && ::mount(nullptr, dir_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}

BoardVolume::BoardVolume(Kind kind, const std::string& folder, const std::string& mountPoint,
                         unsigned clusterBytes)
    : mountPoint_(mountPoint) {
    if (::geteuid() != 0) {
        why_ = "a loop device and a mount need root";
        return;
    }
    const bool exfat = kind == Kind::ExFat;
    const std::string image = Quoted(folder + (exfat ? "/exfat.img" : "/vfat.img"));
    if (exfat && Shell("command -v mkfs.exfat tune.exfat mount.exfat-fuse >/dev/null") != 0) {
        why_ = "exfatprogs or exfat-fuse is not installed";
        return;
    }
    // Clusters as small as a sector need the alignment of the data as small.
    const std::string clusters = clusterBytes ? "-c " + std::to_string(clusterBytes) + " -b " +
                                                    std::to_string(clusterBytes) + " "
                                              : std::string();
    const std::string make = exfat ? "truncate -s 4M " + image + " && mkfs.exfat " + clusters +
                                         image + " >/dev/null && tune.exfat -I 0xC2089526 " +
                                         image + " >/dev/null"
                                   : "mkfs.vfat -C -i C2089526 " + image + " 2048 >/dev/null";
    if (Shell(make) != 0) {
        why_ = "the file system could not be made";
        return;
    }
    device_ = ShellOutput("losetup -f --show " + image + " 2>/dev/null");
    while (!device_.empty() && device_.back() == '\n')
        device_.pop_back();
    if (device_.empty()) {
        why_ = "no loop device";
        return;
    }
    const std::string mount = exfat ? "mount.exfat-fuse " : "mount -t vfat ";
    if (Shell(mount + Quoted(device_) + " " + Quoted(mountPoint) + " >/dev/null 2>&1") != 0) {
        why_ = exfat ? "mount.exfat-fuse failed (no /dev/fuse?)"
                     : "mounting vfat failed (no vfat driver in this kernel?)";
        return;
    }
    mounted_ = true;
}

BoardVolume::~BoardVolume() {
    if (mounted_)
        Shell("umount " + Quoted(mountPoint_));
    if (!device_.empty())
        Shell("losetup -d " + Quoted(device_));
}

bool FailEveryFsyncWith(int error) {
    // Only the process's own native calls matter here, so the filter looks
    // at the call number alone.
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_fsync, 0, 1),
        BPF_STMT(BPF_RET | BPF_K,
                 SECCOMP_RET_ERRNO | (static_cast<unsigned>(error) & SECCOMP_RET_DATA)),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program{static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

std::vector<int> InChildProcesses(const std::vector<std::function<int()>>& works) {
    std::vector<pid_t> children;
    for (const auto& work : works) {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(work());
        children.push_back(child);
    }
    std::vector<int> codes;
    for (const pid_t child : children) {
        int status = 0;
        while (child > 0 && ::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        codes.push_back(child > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    }
    return codes;
}

int InChildProcess(const std::function<int()>& work) {
    return InChildProcesses({work}).front();
}

LockHolder::LockHolder(const std::string& path) {
    int ready[2];
    int release[2];
    if (::pipe(ready) != 0)
        return;
    if (::pipe(release) != 0) {
        ::close(ready[0]);
        ::close(ready[1]);
        return;
    }
    child_ = ::fork();
    if (child_ == 0) {
        ::close(ready[0]);
        ::close(release[1]);
        const int fd = ::open(path.c_str(), O_RDONLY);
        const char status = (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0) ? 'L' : 'F';
        if (::write(ready[1], &status, 1) != 1)
            ::_exit(1);
        char c;
        while (::read(release[0], &c, 1) < 0 && errno == EINTR) {
        }
        ::_exit(0);
    }
    ::close(ready[1]);
    ::close(release[0]);
    releaseFd_ = release[1];
    char status = 0;
    while (child_ > 0 && ::read(ready[0], &status, 1) < 0 && errno == EINTR) {
    }
    ::close(ready[0]);
    locked_ = status == 'L';
}

void LockHolder::release() {
    if (releaseFd_ >= 0) {
        ::close(releaseFd_);
        releaseFd_ = -1;
    }
    if (child_ > 0) {
        int status = 0;
        ::waitpid(child_, &status, 0);
        child_ = -1;
    }
    locked_ = false;
}

LockHolder::~LockHolder() {
    release();
}

} // namespace qmtest
