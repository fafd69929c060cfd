#include "Archive_names.h"

#include "Cp1251.h"
#include "Settings.h"
#include "Settings_image.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace qm {

namespace {

bool legacyAllowed(char c) {
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

// The letter case of a code page 1251 byte: Latin, Russian, Ukrainian and
// Belarusian letters; 0 for a byte without case.
enum class Case { None, Upper, Lower };

Case caseOf(unsigned char b) {
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDF))
        return Case::Upper;
    if ((b >= 'a' && b <= 'z') || b >= 0xE0)
        return Case::Lower;
    // Ё І Ї Є Ґ Ў, then ё і ї є ґ ў.
    static const std::string_view kUpper = "\xA8\xB2\xAF\xAA\xA5\xA1";
    static const std::string_view kLower = "\xB8\xB3\xBF\xBA\xB4\xA2";
    if (kUpper.find(static_cast<char>(b)) != std::string_view::npos)
        return Case::Upper;
    return kLower.find(static_cast<char>(b)) != std::string_view::npos ? Case::Lower : Case::None;
}

// Bytes a folder name keeps as they are (dots and blanks inside only).
bool kept(unsigned char b) {
    return caseOf(b) != Case::None || (b >= '0' && b <= '9') || b == '-' || b == '.' || b == ' ' ||
           b == 0xB9; // №
}

void appendEscape(std::string& name, unsigned char b) {
    static const char kHex[] = "0123456789ABCDEF";
    name += '%';
    name += kHex[b >> 4];
    name += kHex[b & 0xF];
}

bool isSharedFolder(const std::string& name) {
    std::string folded = name;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return folded == kBlankBoardFolder || folded == kUnknownBoardFolder;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "YYYY-MM-DD_hh-mm-ss": digits where the stamp has them, its separators between.
bool isStamp(const std::string& s) {
    static const char kShape[] = "dddd-dd-dd_dd-dd-dd";
    if (s.size() != sizeof kShape - 1)
        return false;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (kShape[i] == 'd' ? s[i] < '0' || s[i] > '9' : s[i] != kShape[i])
            return false;
    return true;
}

std::string FolderOf(const SerialLabel& board) {
    switch (board.kind) {
    case SerialLabel::Kind::Label:
        return LabelFolderName(board.text);
    case SerialLabel::Kind::Blank:
        return kBlankBoardFolder;
    case SerialLabel::Kind::None:
        break;
    }
    return kUnknownBoardFolder;
}

// "read" or "before-write", as in the file names.
const char* OccasionName(Occasion occasion) {
    return occasion == Occasion::Read ? "read" : "before-write";
}

} // namespace

SerialLabel BoardLabelOf(const std::string& bytes) {
    if (bytes.size() < kMinImageText)
        return {};
    // As the load sees it: the first 2048 bytes, zeros past a shorter file.
    std::uint8_t image[kImageSize] = {};
    const std::size_t n = std::min(bytes.size(), kImageSize);
    std::memcpy(image, bytes.data(), n);
    if (!CheckImage(image))
        return {};
    const SerialLabel board = SerialLabelIn(std::string_view(bytes.data(), n));
    return board.kind == SerialLabel::Kind::Label && board.text.empty() ? SerialLabel{} : board;
}

std::string BoardFolderName(const std::string& bytes) {
    return FolderOf(BoardLabelOf(bytes));
}

std::string LabelFolderName(const std::string& label) {
    std::string name;
    // A label holds 12 characters; the mask has room for far more.
    std::uint64_t mask = 0;
    unsigned letter = 0;
    for (std::size_t i = 0; i < label.size(); ++i) {
        const auto b = static_cast<unsigned char>(label[i]);
        const bool end = i == 0 || i + 1 == label.size();
        if (!kept(b) || (end && (b == '.' || b == ' '))) {
            appendEscape(name, b);
            continue;
        }
        name +=
            b < 0x80 ? std::string(1, static_cast<char>(b)) : Utf8FromCp1251(label.substr(i, 1));
        const Case c = caseOf(b);
        if (c == Case::Lower && letter < 64)
            mask |= std::uint64_t(1) << letter;
        if (c != Case::None)
            ++letter;
    }
    if (!label.empty() && (windowsDeviceName(name) || isSharedFolder(name))) {
        // Only ASCII letters start such a name.
        const auto first = static_cast<unsigned char>(name[0]);
        name.erase(0, 1);
        std::string escaped;
        appendEscape(escaped, first);
        name.insert(0, escaped);
    }
    if (mask != 0) {
        char hex[24];
        std::snprintf(hex, sizeof hex, "~%llx", static_cast<unsigned long long>(mask));
        name += hex;
    }
    return name;
}

std::optional<std::string> LabelOfFolderName(const std::string& name) {
    if (name.empty())
        return std::nullopt;
    const std::string body = name.substr(0, name.find('~'));
    std::string label, run;
    const auto flush = [&] {
        std::string bytes;
        if (!Cp1251FromUtf8(run, bytes))
            return false;
        label += bytes;
        run.clear();
        return true;
    };
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] != '%') {
            run += body[i];
            continue;
        }
        if (i + 2 >= body.size())
            return std::nullopt;
        const int high = hexValue(body[i + 1]), low = hexValue(body[i + 2]);
        if (high < 0 || low < 0 || !flush())
            return std::nullopt;
        label += static_cast<char>(high * 16 + low);
        i += 2;
    }
    if (!flush() || label.empty())
        return std::nullopt;
    // Only the one name the label is given stands for it.
    if (LabelFolderName(label) != name)
        return std::nullopt;
    return label;
}

std::string LegacyLabelFolderName(const std::string& label) {
    std::string name = label;
    for (char& c : name)
        if (!legacyAllowed(c))
            c = '_';
    if (!name.empty() && name.front() == '.')
        name.front() = '_';
    if (!name.empty() && name.back() == '.')
        name.back() = '_';
    if (windowsDeviceName(name))
        name.insert(0, 1, '_');
    return name;
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
            suffix.find_first_not_of("0123456789", 1) != std::string::npos)
            return std::nullopt;
        name.occasion = occasion;
        name.sequence = static_cast<unsigned>(std::stoul(suffix.substr(1)));
        return name.sequence >= 2 ? std::optional<ArchiveName>(name) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace qm
