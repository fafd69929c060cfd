// What the archive's folders are on every platform: their paths, and how a
// copy is made whole under a hidden name before it takes its own.
#include "Archive_folder.h"

#include "Folders.h"

#include <algorithm>

namespace qm {

namespace {

constexpr unsigned kMaxHiddenTries = 100;

// The hidden name a copy is written under before it takes its name: a dot,
// the name, a tag that tells one making process and attempt from another,
// and ".part". No copy's name has that form, so no listing counts it.
std::string hiddenName(const std::string& name, const std::string& tag) {
    return "." + name + "." + tag + ".part";
}

bool isHiddenName(const std::string& entry) {
    static const std::string kEnd = ".part";
    return entry.size() > 1 + kEnd.size() && entry[0] == '.' &&
           entry.compare(entry.size() - kEnd.size(), kEnd.size(), kEnd) == 0;
}

bool copy(const ByteSource& source, File& file) {
    std::string chunk(64 * 1024, '\0');
    for (;;) {
        const std::optional<std::size_t> got = source(&chunk[0], chunk.size());
        if (!got)
            return false;
        if (*got == 0)
            return true;
        if (!file.write(chunk.data(), *got))
            return false;
    }
}

} // namespace

std::string ArchivePath(const std::string& dataHome, const std::string& board,
                        const std::string& file) {
    std::string path = dataHome;
    for (const std::string& part : {std::string("qmconf"), std::string("archive"), board, file})
        if (!part.empty())
            path += kPathSeparator + part;
    return path;
}

ArchiveFolder::Created ArchiveFolder::createFile(const std::string& name,
                                                 const ByteSource& source) {
    for (const Entry& entry : entries())
        if (!entry.folder && isHiddenName(entry.name))
            removeLeftover(entry.name);
    static unsigned made = 0;
    std::string part;
    File file;
    for (unsigned attempt = 0; !file.isOpen(); ++attempt) {
        if (attempt == kMaxHiddenTries)
            return Created::Failed;
        part = hiddenName(name, std::to_string(processId()) + "-" + std::to_string(++made));
        if (makeHidden(part, file) == Created::Failed)
            return Created::Failed;
    }
    Created created = Created::Failed;
    if (copy(source, file) && file.sync())
        created = publish(file, part, name);
    discard(file, part, created);
    return created;
}

std::optional<std::string> ArchiveFolder::readFile(const std::string& name, std::size_t max,
                                                   std::uint64_t offset) {
    File file = openToRead(name, offset);
    if (!file.isOpen())
        return std::nullopt;
    std::string bytes;
    char chunk[4096];
    while (bytes.size() < max) {
        const std::size_t n = file.read(chunk, std::min(sizeof chunk, max - bytes.size()));
        if (file.readFailed())
            return std::nullopt;
        if (n == 0)
            break;
        bytes.append(chunk, n);
    }
    return bytes;
}

} // namespace qm
