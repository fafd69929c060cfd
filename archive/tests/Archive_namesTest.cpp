// How the archive names a board's folder and its copies.
#include "Archive_names.h"

#include "Cp1251.h"
#include "ImageTestSupport.h"

#include <gtest/gtest.h>

#include <set>

namespace qmtest {
namespace {

struct FolderCase {
    const char* name;
    std::string bytes;
    std::string folder;
};

TEST(Archive_names, BoardFolderFromTheImagesLabel) {
    const FolderCase cases[] = {
        {"label", BoardImage("QM 1.2.3.4.5"), "QM 1.2.3.4.5"},
        {"an underscore is escaped", BoardImage("QM_1.2.3.4.5"), "QM%5F1.2.3.4.5"},
        {"Cyrillic kept, case marked",
         BoardImage("\xCA\xF0\xE5\xF1\xEB\xEE \xB9"
                    "17"),
         "Кресло №17~3e"},
        {"separators and the escape", BoardImage("QM/\\:*%~"), "QM%2F%5C%3A%2A%25%7E"},
        {"dots that would lead out", BoardImage(".."), "%2E%2E"},
        {"ends Windows would cut", BoardImage(".QM ."), "%2EQM %2E"},
        {"control bytes", BoardImage("Q\x01M"), "Q%01M"},
        {"a Windows device", BoardImage("CON"), "%43ON"},
        {"a Windows device with a dot", BoardImage("LPT1.5"), "%4CPT1.5"},
        {"a shared folder's name", BoardImage("BLANK"), "%42LANK"},
        {"cut to the record's width", BoardImage("ABCDEFGHIJKLMNOP"), "ABCDEFGHIJKL"},
        {"blank board", BoardImage("\xFF"), "blank"},
        {"blank board, more after", BoardImage("\xFFQM"), "blank"},
        {"no ID", ReferenceImage(TinySettingsText("x")), "unknown"},
        {"empty ID", BoardImage(""), "unknown"},
        {"checksum fails", Damaged(BoardImage("QM 1")), "unknown"},
        {"shorter than an image", BoardImage("QM 1").substr(0, 511), "unknown"},
        {"longer than an image", BoardImage("QM 1") + std::string(3000, 'z'), "QM 1"},
        {"nothing at all", "", "unknown"},
    };
    for (const FolderCase& c : cases) {
        EXPECT_EQ(qm::BoardFolderName(c.bytes), c.folder) << c.name;
        // The folder's name gives the label back.
        const qm::SerialLabel board = qm::BoardLabelOf(c.bytes);
        if (board.kind == qm::SerialLabel::Kind::Label)
            EXPECT_EQ(qm::LabelOfFolderName(c.folder), board.text) << c.name;
        else
            EXPECT_FALSE(qm::LabelOfFolderName(c.folder)) << c.name;
    }
}

// Labels that the earlier scheme filed together, or that differ only where a
// file system may not tell letter case apart, get folders of their own.
TEST(Archive_names, NoTwoLabelsShareAFolder) {
    const std::string labels[] = {"QM 1.2.3.4.5",
                                  "QM_1.2.3.4.5",
                                  "qm 1.2.3.4.5",
                                  "Qm 1.2.3.4.5",
                                  "\xCA\xF0\xE5\xF1\xEB\xEE \xB9"
                                  "17", // Кресло №17
                                  "\xCC\xE0\xF1\xF1\xE0\xE6 \xB9"
                                  "17", // Массаж №17
                                  "\xCA\xD0\xC5\xD1\xCB\xCE \xB9"
                                  "17", // КРЕСЛО №17
                                  "blank",
                                  "unknown",
                                  "%41",
                                  "A",
                                  "a~1",
                                  "con",
                                  "\xB8",
                                  "\xA8"};
    std::set<std::string> folded;
    for (const std::string& label : labels) {
        std::string name = qm::LabelFolderName(label);
        EXPECT_EQ(qm::LabelOfFolderName(name), label) << name;
        // Folded as a file system without letter case would.
        std::string bytes;
        ASSERT_TRUE(qm::Cp1251FromUtf8(name, bytes)) << name;
        for (char& c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            if ((b >= 'a' && b <= 'z') || b >= 0xE0)
                c = static_cast<char>(b - 0x20);
            else if (b == 0xB8)
                c = static_cast<char>(0xA8);
        }
        EXPECT_TRUE(folded.insert(bytes).second) << name;
    }
    // Folders of the earlier scheme, the shared ones and the user's own are no label's.
    for (const char* other : {"QM_1.2.3.4.5", "blank", "unknown", "Кресло", "qm1", "%4", "%e0"})
        EXPECT_FALSE(qm::LabelOfFolderName(other)) << other;
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
