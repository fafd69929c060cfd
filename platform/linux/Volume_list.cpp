#include "Volume_list_linux.h"

#include "Volume_mounts.h"
#include "Volume_serial.h"

#include <blkid/blkid.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace fs = std::filesystem;

namespace qm {

namespace {

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Whether a by-uuid link target is the mounted device: the same file once
// links are resolved (/dev/mapper/x and ../../dm-0), or the block device with
// the mount's device number (a source such as /dev/root that has no node).
bool leadsTo(const fs::path& target, const VolumeMount& mount) {
    std::error_code ec;
    const fs::path resolvedTarget = fs::canonical(target, ec);
    if (ec)
        return false;
    const fs::path resolvedSource = fs::canonical(mount.source, ec);
    if (!ec && resolvedSource == resolvedTarget)
        return true;
    struct stat st {};
    return ::stat(resolvedTarget.c_str(), &st) == 0 && S_ISBLK(st.st_mode) &&
           st.st_rdev == makedev(mount.major, mount.minor);
}

// The UUID text udev gave the mount's device: the name of the link to it.
std::optional<std::string> linkedUuid(const std::string& byUuidDir, const VolumeMount& mount) {
    std::error_code ec;
    fs::directory_iterator it(byUuidDir, ec);
    if (ec)
        return std::nullopt;
    for (const fs::directory_entry& entry : it) {
        if (!entry.is_symlink(ec))
            continue;
        fs::path target = fs::read_symlink(entry.path(), ec);
        if (ec)
            continue;
        if (target.is_relative())
            target = entry.path().parent_path() / target;
        if (leadsTo(target, mount))
            return entry.path().filename().string();
    }
    return std::nullopt;
}

// The UUID text libblkid finds in the file system's superblock.
std::optional<std::string> probedUuid(const std::string& device) {
    blkid_probe probe = blkid_new_probe_from_filename(device.c_str());
    if (!probe)
        return std::nullopt;
    std::optional<std::string> uuid;
    blkid_probe_enable_superblocks(probe, 1);
    blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_UUID);
    const char* value = nullptr;
    if (blkid_do_safeprobe(probe) == 0 &&
        blkid_probe_lookup_value(probe, "UUID", &value, nullptr) == 0 && value)
        uuid = value;
    blkid_free_probe(probe);
    return uuid;
}

class LinuxVolumeList : public VolumeList {
public:
    LinuxVolumeList(std::string mountinfoPath, std::string byUuidDir)
        : mountinfoPath_(std::move(mountinfoPath)), byUuidDir_(std::move(byUuidDir)) {}

    std::vector<std::string> roots() override {
        mounts_.clear();
        std::vector<std::string> result;
        for (VolumeMount& mount : VolumeMounts(readText(mountinfoPath_))) {
            result.push_back(mount.mountPoint);
            mounts_.emplace(mount.mountPoint, std::move(mount));
        }
        return result;
    }

    std::optional<std::uint32_t> serialOf(const std::string& root) override {
        const auto found = mounts_.find(root);
        if (found == mounts_.end())
            return std::nullopt;
        // A volume that udev knows is taken by its link's name alone.
        std::optional<std::string> uuid = linkedUuid(byUuidDir_, found->second);
        if (!uuid)
            uuid = probedUuid(found->second.source);
        if (!uuid)
            return std::nullopt;
        return VolumeSerialFromUuid(*uuid);
    }

    std::string settingsPath(const std::string& root) const override {
        if (!root.empty() && root.back() == '/')
            return root + "set.ini";
        return root + "/set.ini";
    }

private:
    std::string mountinfoPath_;
    std::string byUuidDir_;
    std::map<std::string, VolumeMount> mounts_; // of the last roots() call
};

} // namespace

std::unique_ptr<VolumeList> LinuxVolumes(const std::string& mountinfoPath,
                                         const std::string& byUuidDir) {
    return std::make_unique<LinuxVolumeList>(mountinfoPath, byUuidDir);
}

std::unique_ptr<VolumeList> MountTableVolumes(const std::string& mountTable) {
    return LinuxVolumes(mountTable, "/dev/disk/by-uuid");
}

std::unique_ptr<VolumeList> SystemVolumes() {
    return MountTableVolumes("/proc/self/mountinfo");
}

} // namespace qm
