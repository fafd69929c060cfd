#include "Volume_mounts.h"

#include <algorithm>
#include <map>

namespace qm {

namespace {

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t end = line.find(' ', start);
        if (end == std::string_view::npos)
            end = line.size();
        if (end > start)
            fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

bool isOctal(char c) {
    return c >= '0' && c <= '7';
}

// The kernel writes a blank, tab, line end and backslash in a path as a
// backslash and three octal digits.
std::string unescape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctal(field[i + 1]) &&
            isOctal(field[i + 2]) && isOctal(field[i + 3])) {
            const int value =
                (field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0');
            out += static_cast<char>(value & 0xFF);
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

bool parseNumber(std::string_view text, unsigned& value) {
    if (text.empty() || text.size() > 9)
        return false;
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return true;
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
    const std::vector<std::string_view> f = splitFields(line);
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

} // namespace

std::vector<VolumeMount> VolumeMounts(std::string_view mountinfoText) {
    // Keyed and so ordered by mount point. A later line mounts over an earlier
    // one at the same mount point and hides it, whatever it mounts.
    std::map<std::string, VolumeMount> visible;
    std::size_t start = 0;
    while (start < mountinfoText.size()) {
        std::size_t end = mountinfoText.find('\n', start);
        if (end == std::string_view::npos)
            end = mountinfoText.size();
        VolumeMount mount;
        switch (parseLine(mountinfoText.substr(start, end - start), mount)) {
        case Line::Volume:
            visible[mount.mountPoint] = mount;
            break;
        case Line::Other:
            visible.erase(mount.mountPoint);
            break;
        case Line::Malformed:
            break;
        }
        start = end + 1;
    }
    std::vector<VolumeMount> mounts;
    mounts.reserve(visible.size());
    for (auto& entry : visible)
        mounts.push_back(std::move(entry.second));
    return mounts;
}

} // namespace qm
