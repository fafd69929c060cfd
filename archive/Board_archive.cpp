#include "Board_archive.h"

#include "Archive_folder.h"
#include "File.h"

#include <algorithm>

namespace qm {

namespace {

struct Copy {
    ArchiveName name;
    FolderFile file;
};

// The copies the archive made in a board's folder, oldest first; whatever
// else the user put there is left out.
std::vector<Copy> copiesIn(ArchiveFolder& folder) {
    std::vector<Copy> copies;
    for (FolderFile& file : folder.files())
        if (std::optional<ArchiveName> name = ParseArchiveName(file.name))
            copies.push_back({std::move(*name), std::move(file)});
    std::sort(copies.begin(), copies.end(),
              [](const Copy& a, const Copy& b) { return a.name < b.name; });
    return copies;
}

// Removes the oldest copies beyond kKeptPerBoard, never the one just made
// (a clock set back could make it sort first).
void prune(ArchiveFolder& folder, const std::string& justMade) {
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

// A name clash with something that is no copy of the archive (a folder, a
// link) moves on to the next sequence number, but not for ever.
constexpr unsigned kMaxNameTries = 100;

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
        std::tm local{};
        if (!LocalTime(now, local))
            return Kept::Failed;
        const std::unique_ptr<ArchiveFolder> folder =
            OpenArchiveFolder(dataHome(), BoardFolderName(bytes), true);
        if (!folder)
            return Kept::Failed;

        const std::vector<Copy> copies = copiesIn(*folder);
        if (!copies.empty()) {
            const std::optional<std::string> newest =
                folder->readFile(copies.back().file.name, bytes.size() + 1);
            if (newest && *newest == bytes)
                return Kept::SameAsNewest;
        }

        // Copies of the same second are numbered on, so that the newest
        // always sorts last whatever their occasions.
        ArchiveName name{StampOf(local), occasion, 1};
        for (const Copy& copy : copies)
            if (copy.name.stamp == name.stamp)
                name.sequence = std::max(name.sequence, copy.name.sequence + 1);
        for (unsigned tries = 0; tries < kMaxNameTries; ++tries, ++name.sequence) {
            switch (folder->createFile(name.fileName(), bytes)) {
            case ArchiveFolder::Created::Yes:
                prune(*folder, name.fileName());
                return Kept::Yes;
            case ArchiveFolder::Created::NameTaken:
                continue;
            case ArchiveFolder::Created::Failed:
                return Kept::Failed;
            }
        }
        return Kept::Failed;
    } catch (...) {
        return Kept::Failed;
    }
}

void BoardArchive::keepRead(const std::string& image) noexcept {
    keep(image, Occasion::Read, std::time(nullptr));
}

void BoardArchive::keepBeforeWrite(const std::string& boardPath) noexcept {
    try {
        File file;
        if (!File::isRegular(boardPath) || !file.open(boardPath, File::Mode::Read))
            return;
        std::string bytes(kMaxKeptBytes, '\0');
        bytes.resize(file.read(bytes.data(), bytes.size()));
        file.close();
        keep(bytes, Occasion::BeforeWrite, std::time(nullptr));
    } catch (...) {
    }
}

std::vector<ArchiveEntry> BoardArchive::list(const std::string& label) const noexcept {
    try {
        const std::string home = dataHome();
        std::vector<std::string> boards;
        if (!label.empty()) {
            boards.push_back(LabelFolderName(label));
        } else if (const std::unique_ptr<ArchiveFolder> root = OpenArchiveFolder(home, {}, false)) {
            boards = root->folders();
            std::sort(boards.begin(), boards.end());
        }
        std::vector<ArchiveEntry> entries;
        for (const std::string& board : boards) {
            const std::unique_ptr<ArchiveFolder> folder = OpenArchiveFolder(home, board, false);
            if (!folder)
                continue;
            for (const Copy& copy : copiesIn(*folder))
                entries.push_back({board, copy.file.name, ArchivePath(home, board, copy.file.name),
                                   readableTime(copy.name.stamp), copy.name.occasion,
                                   copy.file.size});
        }
        return entries;
    } catch (...) {
        return {};
    }
}

} // namespace qm
