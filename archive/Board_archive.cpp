#include "Board_archive.h"

#include "Archive_folder.h"
#include "File.h"
#include "Folders.h"
#include "Settings_image.h"

#include <algorithm>
#include <memory>
#include <string_view>

namespace qm {

namespace {

struct Copy {
    ArchiveName name;
    ArchiveFolder::Entry file;
};

// The copies the archive made in a board's folder, oldest first; whatever
// else the user put there is left out, and so is an empty copy, which holds
// nothing of a board (an earlier version, killed while it made a copy, could
// leave one).
std::vector<Copy> copiesIn(ArchiveFolder& folder) {
    std::vector<Copy> copies;
    for (ArchiveFolder::Entry& file : folder.entries())
        if (std::optional<ArchiveName> name = ParseArchiveName(file.name))
            if (!file.folder && file.size > 0)
                copies.push_back({std::move(*name), std::move(file)});
    std::sort(copies.begin(), copies.end(),
              [](const Copy& a, const Copy& b) { return a.name < b.name; });
    return copies;
}

// Removes the oldest copies beyond kKeptPerBoard, never the one just made
// (a clock set back could make it sort first). The shared folders hold the
// copies of many boards: one board's reads must not push out another's.
void prune(ArchiveFolder& folder, const std::string& board, const std::string& justMade) {
    for (const ArchiveFolder::Entry& file : folder.entries())
        if (!file.folder && file.size == 0 && ParseArchiveName(file.name))
            folder.removeFile(file.name);
    if (board == kBlankBoardFolder || board == kUnknownBoardFolder)
        return;
    const std::vector<Copy> copies = copiesIn(folder);
    std::size_t excess = copies.size() > kKeptPerBoard ? copies.size() - kKeptPerBoard : 0;
    for (const Copy& copy : copies) {
        if (excess == 0)
            break;
        if (copy.file.name == justMade)
            continue;
        folder.removeFile(copy.file.name);
        --excess;
    }
}

// "2026-12-08_14-03-27" as "2026-12-08 14:03:27".
std::string readableTime(std::string stamp) {
    stamp[10] = ' ';
    stamp[13] = ':';
    stamp[16] = ':';
    return stamp;
}

// The board a copy belongs to: the one its folder is named after, or, in a
// folder of the earlier scheme or a shared one, the one it holds itself.
SerialLabel labelOfCopy(ArchiveFolder& folder, const std::string& board, const std::string& file) {
    if (std::optional<std::string> label = LabelOfFolderName(board))
        return {SerialLabel::Kind::Label, std::move(*label)};
    const std::optional<std::string> bytes = folder.readFile(file, kImageSize);
    SerialLabel held = bytes ? BoardLabelOf(*bytes) : SerialLabel{};
    if (held.kind == SerialLabel::Kind::Label || board == kBlankBoardFolder ||
        board == kUnknownBoardFolder)
        return held;
    // A folder of the user's own making, or a copy that names no board.
    return {SerialLabel::Kind::Label, board};
}

bool matches(const SerialLabel& board, const std::string& label) {
    switch (board.kind) {
    case SerialLabel::Kind::Label:
        return board.text == label;
    case SerialLabel::Kind::Blank:
        return label == kBlankBoardFolder;
    case SerialLabel::Kind::None:
        break;
    }
    return label == kUnknownBoardFolder;
}

// A name clash with something that is no copy of the archive (a folder, a
// link) moves on to the next sequence number, but not for ever.
constexpr unsigned kMaxNameTries = 100;

// The bytes of a string as a source.
ByteSource bytesOf(const std::string& bytes) {
    return [rest = std::string_view(bytes)](
               char* buffer, std::size_t size) mutable -> std::optional<std::size_t> {
        const std::size_t n = rest.copy(buffer, size);
        rest.remove_prefix(n);
        return n;
    };
}

// The bytes of a file as a source; every read error fails it.
ByteSource fileBytes(const std::string& path) {
    auto file = std::make_shared<File>();
    const bool open = file->open(path, File::Mode::Read);
    return [file, open](char* buffer, std::size_t size) -> std::optional<std::size_t> {
        const std::size_t n = open ? file->read(buffer, size) : 0;
        if (!open || file->readFailed())
            return std::nullopt;
        return n;
    };
}

// Whether a source gives exactly the bytes of a copy in the folder.
bool sameBytes(ArchiveFolder& folder, const std::string& copy, const ByteSource& source) {
    std::string chunk(64 * 1024, '\0');
    std::uint64_t offset = 0;
    for (;;) {
        const std::optional<std::size_t> got = source(&chunk[0], chunk.size());
        if (!got)
            return false;
        const std::optional<std::string> held =
            folder.readFile(copy, *got + (*got ? 0 : 1), offset);
        if (!held || held->size() != *got || held->compare(0, *got, chunk, 0, *got) != 0)
            return false;
        if (*got == 0)
            return true;
        offset += *got;
    }
}

} // namespace

std::string BoardArchive::dataHome() const {
    return dataHome_ ? *dataHome_ : UserDataHome();
}

std::string BoardArchive::path() const {
    const std::string home = dataHome();
    return home.empty() ? std::string() : ArchivePath(home);
}

BoardArchive::Kept BoardArchive::keep(const std::string& bytes, Occasion occasion,
                                      std::time_t now) noexcept {
    try {
        return keepFrom(
            bytes, [&bytes] { return bytesOf(bytes); }, occasion, now);
    } catch (...) {
        return Kept::Failed;
    }
}

BoardArchive::Kept BoardArchive::keepFrom(const std::string& head,
                                          const std::function<ByteSource()>& source,
                                          Occasion occasion, std::time_t now) {
    std::tm local{};
    if (!LocalTime(now, local))
        return Kept::Failed;
    const std::string board = BoardFolderName(head);
    const std::unique_ptr<ArchiveFolder> folder = OpenArchiveFolder(dataHome(), board, true);
    if (!folder)
        return Kept::Failed;

    const std::vector<Copy> copies = copiesIn(*folder);
    if (!copies.empty() && sameBytes(*folder, copies.back().file.name, source()))
        return Kept::SameAsNewest;

    // Copies of the same second are numbered on, so that the newest
    // always sorts last whatever their occasions.
    ArchiveName name{StampOf(local), occasion, 1};
    for (const Copy& copy : copies)
        if (copy.name.stamp == name.stamp)
            name.sequence = std::max(name.sequence, copy.name.sequence + 1);
    for (unsigned tries = 0; tries < kMaxNameTries; ++tries, ++name.sequence) {
        switch (folder->createFile(name.fileName(), source())) {
        case ArchiveFolder::Created::Yes:
            prune(*folder, board, name.fileName());
            return Kept::Yes;
        case ArchiveFolder::Created::NameTaken:
            continue;
        case ArchiveFolder::Created::Failed:
            return Kept::Failed;
        }
    }
    return Kept::Failed;
}

void BoardArchive::keepRead(const std::string& image) noexcept {
    keep(image, Occasion::Read, std::time(nullptr));
}

bool BoardArchive::keepBeforeWrite(const std::string& boardPath) noexcept {
    try {
        // No set.ini (or none that a write could replace): nothing to lose.
        if (!File::isRegular(boardPath))
            return true;
        // Its start names the board; all of it is kept, however long.
        std::string head(kImageSize, '\0');
        {
            File file;
            if (!file.open(boardPath, File::Mode::Read))
                return false;
            head.resize(file.read(&head[0], head.size()));
            if (file.readFailed())
                return false;
        }
        if (head.empty())
            return true; // an empty set.ini holds nothing to lose
        return keepFrom(
                   head, [&boardPath] { return fileBytes(boardPath); }, Occasion::BeforeWrite,
                   std::time(nullptr)) != Kept::Failed;
    } catch (...) {
        return false;
    }
}

std::optional<std::vector<ArchiveEntry>>
BoardArchive::listChecked(const std::string& label) const noexcept {
    try {
        const std::string home = dataHome();
        std::vector<std::string> boards;
        bool missing = false;
        if (!label.empty()) {
            boards = {LabelFolderName(label), LegacyLabelFolderName(label)};
            if (label == kBlankBoardFolder || label == kUnknownBoardFolder)
                boards.push_back(label);
        } else if (const std::unique_ptr<ArchiveFolder> root =
                       OpenArchiveFolder(home, {}, false, &missing)) {
            for (const ArchiveFolder::Entry& entry : root->entries())
                if (entry.folder)
                    boards.push_back(entry.name);
        } else if (!missing) {
            return std::nullopt;
        }
        std::sort(boards.begin(), boards.end());
        boards.erase(std::unique(boards.begin(), boards.end()), boards.end());
        std::vector<ArchiveEntry> entries;
        for (const std::string& board : boards) {
            const std::unique_ptr<ArchiveFolder> folder =
                OpenArchiveFolder(home, board, false, &missing);
            if (!folder && missing)
                continue;
            if (!folder)
                return std::nullopt;
            for (const Copy& copy : copiesIn(*folder)) {
                ArchiveEntry entry;
                entry.board = board;
                entry.label = labelOfCopy(*folder, board, copy.file.name);
                entry.file = copy.file.name;
                entry.path = ArchivePath(home, board, copy.file.name);
                entry.time = readableTime(copy.name.stamp);
                entry.occasion = copy.name.occasion;
                entry.size = copy.file.size;
                if (label.empty() || matches(entry.label, label))
                    entries.push_back(std::move(entry));
            }
        }
        return entries;
    } catch (...) {
        return std::nullopt;
    }
}

std::vector<ArchiveEntry> BoardArchive::list(const std::string& label) const noexcept {
    std::optional<std::vector<ArchiveEntry>> entries = listChecked(label);
    return entries ? std::move(*entries) : std::vector<ArchiveEntry>();
}

} // namespace qm
