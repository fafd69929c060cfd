// How the archive names a board's folder and its copies.
#include "Archive_names.h"

#include "ImageTestSupport.h"

#include <gtest/gtest.h>

namespace qmtest {
namespace {

struct FolderCase {
    const char* name;
    std::string bytes;
    std::string folder;
};

TEST(Archive_names, BoardFolderFromTheImagesLabel) {
    const FolderCase cases[] = {
        {"label", BoardImage("QM 1.2.3.4.5"), "QM_1.2.3.4.5"},
        {"cp1251 and separators", BoardImage("QM/\xC0\\x:y*"), "QM___x_y_"},
        {"dots that would lead out", BoardImage(".."), "__"},
        {"hidden or cut by Windows", BoardImage(".QM."), "_QM_"},
        {"a Windows device", BoardImage("con"), "_con"},
        {"a Windows device with a dot", BoardImage("LPT1.5"), "_LPT1.5"},
        {"cut to the record's width", BoardImage("ABCDEFGHIJKLMNOP"), "ABCDEFGHIJKL"},
        {"blank board", BoardImage("\xFF"), "blank"},
        {"blank board, more after", BoardImage("\xFFQM"), "blank"},
        {"no ID", ReferenceImage(TinySettingsText("x")), "unknown"},
        {"empty ID", BoardImage(""), "unknown"},
        {"checksum fails", Damaged(BoardImage("QM 1")), "unknown"},
        {"shorter than an image", BoardImage("QM 1").substr(0, 511), "unknown"},
        {"longer than an image", BoardImage("QM 1") + std::string(3000, 'z'), "QM_1"},
        {"nothing at all", "", "unknown"},
    };
    for (const FolderCase& c : cases) {
        EXPECT_EQ(qm::BoardFolderName(c.bytes), c.folder) << c.name;
        // A folder name given as a label (a listing asks so) finds the same folder.
        EXPECT_EQ(qm::LabelFolderName(c.folder), c.folder) << c.name;
    }
}

// Only names the archive makes are its copies: a listing shows, and the
// retention counts and removes, nothing else of a board's folder. (The names
// it makes: BoardArchiveTest.)
TEST(Archive_names, OnlyNamesTheArchiveMakesAreCopies) {
    EXPECT_TRUE(qm::ParseArchiveName("2026-12-08_04-03-07_before-write-13.ini"));
    for (const char* other : {"notes.txt", "set.ini", "2026-12-08_04-03-07_read-1.ini",
                              "2026-12-08_04-03-07_read-02.ini", "2026-12-08_04-03-07_read-.ini",
                              "2026-12-08_04-03-07_write.ini", "2026-12-08_04-03-07_read.ini.bak",
                              "2026-12-8_04-03-07_read.ini", "2026-12-08 04-03-07_read.ini",
                              "2026-12-08_04-03-07_readx.ini"})
        EXPECT_FALSE(qm::ParseArchiveName(other)) << other;
}

} // namespace
} // namespace qmtest
