#include "Volume_list_linux.h"

#include <blkid/blkid.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace fs = std::filesystem;

namespace qm {

namespace {

// The non-empty pieces of text between separators.
std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    for (std::size_t start = 0, end; start < text.size(); start = end + 1) {
        end = std::min(text.find(separator, start), text.size());
        if (end > start)
            pieces.push_back(text.substr(start, end - start));
    }
    return pieces;
}

// The kernel writes a blank, tab, line end and backslash in a path as a
// backslash and three octal digits.
std::string unescape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        unsigned value = 0;
        if (field[i] == '\\' && i + 3 < field.size() &&
            std::from_chars(field.data() + i + 1, field.data() + i + 4, value, 8).ptr ==
                field.data() + i + 4) {
            out += static_cast<char>(value & 0xFF);
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool parseNumber(std::string_view text, unsigned& value) {
    const char* end = text.data() + text.size();
    return !text.empty() && text.size() <= 9 && std::from_chars(text.data(), end, value).ptr == end;
}

bool parseDeviceNumber(std::string_view text, unsigned& major, unsigned& minor) {
    const std::size_t colon = text.find(':');
    return colon != std::string_view::npos && parseNumber(text.substr(0, colon), major) &&
           parseNumber(text.substr(colon + 1), minor);
}

enum class Line { Malformed, Other, Volume };

// One line: id parent major:minor root mount-point options [optional...] -
// fstype source super-options. The mount point is filled for every line that
// is not malformed.
Line parseLine(std::string_view line, VolumeMount& mount) {
    const std::vector<std::string_view> f = split(line, ' ');
    if (f.size() < 7)
        return Line::Malformed;
    const auto separator = std::find(f.begin() + 6, f.end(), std::string_view("-"));
    if (separator == f.end() || f.end() - separator < 3)
        return Line::Malformed;
    if (!parseDeviceNumber(f[2], mount.major, mount.minor))
        return Line::Malformed;
    mount.mountPoint = unescape(f[4]);
    mount.source = unescape(*(separator + 2));
    if (mount.mountPoint.empty() || mount.mountPoint[0] != '/')
        return Line::Malformed;
    const bool volumeRoot = unescape(f[3]) == "/" && mount.source[0] == '/';
    return volumeRoot ? Line::Volume : Line::Other;
}

// The value of a run of hex digits; none when any character is not a hex digit.
std::optional<std::uint64_t> hexValue(std::string_view digits) {
    std::uint64_t value = 0;
    const char* end = digits.data() + digits.size();
    const std::from_chars_result got = std::from_chars(digits.data(), end, value, 16);
    if (digits.empty() || got.ec != std::errc() || got.ptr != end)
        return std::nullopt;
    return value;
}

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
        return root + (!root.empty() && root.back() == '/' ? "set.ini" : "/set.ini");
    }

private:
    std::string mountinfoPath_;
    std::string byUuidDir_;
    std::map<std::string, VolumeMount> mounts_; // of the last roots() call
};

} // namespace

std::vector<VolumeMount> VolumeMounts(std::string_view mountinfoText) {
    // Keyed and so ordered by mount point. A later line mounts over an earlier
    // one at the same mount point and hides it, whatever it mounts.
    std::map<std::string, VolumeMount> visible;
    for (const std::string_view line : split(mountinfoText, '\n')) {
        VolumeMount mount;
        switch (parseLine(line, mount)) {
        case Line::Volume:
            visible[mount.mountPoint] = mount;
            break;
        case Line::Other:
            visible.erase(mount.mountPoint);
            break;
        case Line::Malformed:
            break;
        }
    }
    std::vector<VolumeMount> mounts;
    mounts.reserve(visible.size());
    for (auto& entry : visible)
        mounts.push_back(std::move(entry.second));
    return mounts;
}

std::optional<std::uint32_t> VolumeSerialFromUuid(std::string_view uuid) {
    std::string digits(uuid);
    if (digits.size() == 9 && digits[4] == '-')
        digits.erase(4, 1);
    else if (digits.size() != 16)
        return std::nullopt;
    const std::optional<std::uint64_t> value = hexValue(digits);
    if (!value)
        return std::nullopt;
    return static_cast<std::uint32_t>(*value); // of sixteen digits, the low half
}

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
