#include "Archive_names.h"

#include "Ini_lookup.h"
#include "Settings.h"
#include "Settings_image.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace qm {

namespace {

bool allowed(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '_' || c == '-';
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// CON, PRN, AUX, NUL, COM1..COM9, LPT1..LPT9, alone or before a dot.
bool windowsDeviceName(const std::string& name) {
    std::string stem = name.substr(0, name.find('.'));
    std::transform(stem.begin(), stem.end(), stem.begin(), upper);
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL")
        return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
           stem[3] >= '1' && stem[3] <= '9';
}

bool digits(const std::string& s, std::size_t at, std::size_t n) {
    if (at + n > s.size())
        return false;
    for (std::size_t i = at; i < at + n; ++i)
        if (s[i] < '0' || s[i] > '9')
            return false;
    return true;
}

// "YYYY-MM-DD_hh-mm-ss": digits where the stamp has them, its separators between.
bool isStamp(const std::string& s) {
    static const char kShape[] = "dddd-dd-dd_dd-dd-dd";
    if (s.size() != sizeof kShape - 1)
        return false;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (kShape[i] == 'd' ? !digits(s, i, 1) : s[i] != kShape[i])
            return false;
    return true;
}

} // namespace

std::string BoardFolderName(const std::string& bytes) {
    if (bytes.size() < kMinImageText)
        return kUnknownBoardFolder;
    // As the load sees it: the first 2048 bytes, zeros past a shorter file.
    std::uint8_t image[kImageSize] = {};
    const std::size_t n = std::min(bytes.size(), kImageSize);
    std::memcpy(image, bytes.data(), n);
    if (!CheckImage(image))
        return kUnknownBoardFolder;
    const std::optional<std::string> id =
        IniValue(std::string_view(bytes.data(), n), "SYSTEM", "ID");
    if (!id || id->empty())
        return kUnknownBoardFolder;
    if (static_cast<unsigned char>((*id)[0]) == kBlankSerialMarker)
        return kBlankBoardFolder;
    return LabelFolderName(id->substr(0, kSerialSize - 1));
}

std::string LabelFolderName(const std::string& label) {
    std::string name = label;
    for (char& c : name)
        if (!allowed(c))
            c = '_';
    if (!name.empty() && name.front() == '.')
        name.front() = '_';
    if (!name.empty() && name.back() == '.')
        name.back() = '_';
    if (windowsDeviceName(name))
        name.insert(0, 1, '_');
    return name;
}

const char* OccasionName(Occasion occasion) {
    return occasion == Occasion::Read ? "read" : "before-write";
}

std::string ArchiveName::fileName() const {
    std::string name = stamp + "_" + OccasionName(occasion);
    if (sequence > 1)
        name += "-" + std::to_string(sequence);
    return name + ".ini";
}

bool ArchiveName::operator<(const ArchiveName& o) const {
    return stamp != o.stamp ? stamp < o.stamp : sequence < o.sequence;
}

std::string StampOf(const std::tm& local) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d_%02d-%02d-%02d", local.tm_year + 1900,
                  local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return text;
}

std::optional<ArchiveName> ParseArchiveName(const std::string& fileName) {
    const std::string ext = ".ini";
    const std::size_t stampSize = 19;
    if (fileName.size() < stampSize + 1 + ext.size() ||
        fileName.compare(fileName.size() - ext.size(), ext.size(), ext) != 0 ||
        fileName[stampSize] != '_')
        return std::nullopt;
    ArchiveName name;
    name.stamp = fileName.substr(0, stampSize);
    if (!isStamp(name.stamp))
        return std::nullopt;
    std::string rest = fileName.substr(stampSize + 1, fileName.size() - stampSize - 1 - ext.size());
    for (const Occasion occasion : {Occasion::Read, Occasion::BeforeWrite}) {
        const std::string word = OccasionName(occasion);
        if (rest.compare(0, word.size(), word) != 0)
            continue;
        const std::string suffix = rest.substr(word.size());
        if (suffix.empty()) {
            name.occasion = occasion;
            return name;
        }
        // "-2" and up, without leading zeros: the names the archive makes.
        if (suffix.size() < 2 || suffix.size() > 6 || suffix[0] != '-' || suffix[1] == '0' ||
            !digits(suffix, 1, suffix.size() - 1))
            return std::nullopt;
        name.occasion = occasion;
        name.sequence = static_cast<unsigned>(std::stoul(suffix.substr(1)));
        return name.sequence >= 2 ? std::optional<ArchiveName>(name) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace qm
