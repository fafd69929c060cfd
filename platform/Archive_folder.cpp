// What the archive's folders are on every platform: their paths and the
// hidden names of the copies being made.
#include "Archive_folder.h"

#include "Folders.h"

namespace qm {

std::string ArchivePath(const std::string& dataHome, const std::string& board,
                        const std::string& file) {
    std::string path = dataHome;
    for (const std::string& part : {std::string("qmconf"), std::string("archive"), board, file})
        if (!part.empty())
            path += kPathSeparator + part;
    return path;
}

std::string PartName(const std::string& name, const std::string& tag) {
    return "." + name + "." + tag + ".part";
}

bool IsPartName(const std::string& entry) {
    static const std::string kEnd = ".part";
    return entry.size() > 1 + kEnd.size() && entry[0] == '.' &&
           entry.compare(entry.size() - kEnd.size(), kEnd.size(), kEnd) == 0;
}

} // namespace qm
