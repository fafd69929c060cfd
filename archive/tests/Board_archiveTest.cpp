// Keeping what the board held: one copy per new content, named by time and
// occasion, the newest hundred per board, listed board by board, silently
// nothing when it cannot.
#include "Board_archive.h"

#include "Archive_folder.h"
#include "ImageTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>
#include <set>

namespace qmtest {
namespace {

namespace fs = std::filesystem;
using Kept = qm::BoardArchive::Kept;
using qm::Occasion;

// 2026-12-08 04:03:27 local time, plus seconds.
std::time_t at(int seconds) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 8;
    t.tm_hour = 4;
    t.tm_min = 3;
    t.tm_sec = 27 + seconds;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

class BoardArchiveTest : public ::testing::Test {
protected:
    std::string folderOf(const std::string& board) const {
        return qm::ArchivePath(dir.path(), board);
    }

    TempDir dir;
    qm::BoardArchive archive{dir.path()};
};

TEST_F(BoardArchiveTest, KeepsEachNewContentOnceWithItsTimeAndOccasion) {
    const std::string a = BoardImage("QM 1.2.3.4.5", "a");
    const std::string b = BoardImage("QM 1.2.3.4.5", "b");
    const std::string c = BoardImage("QM 1.2.3.4.5", "c");
    const std::string board = "QM 1.2.3.4.5";
    // Something that is no copy holds the name of a later one: never replaced.
    fs::create_directories(folderOf(board) + "/2026-12-08_04-03-32_read.ini");
    WriteAll(folderOf(board) + "/notes.txt", "the user's own");

    const struct {
        std::string bytes;
        Occasion occasion;
        int second;
        Kept kept;
        std::string board;
        std::string file;
    } steps[] = {
        {a, Occasion::Read, 0, Kept::Yes, board, "2026-12-08_04-03-27_read.ini"},
        {a, Occasion::BeforeWrite, 0, Kept::SameAsNewest, "", ""},
        {b, Occasion::BeforeWrite, 0, Kept::Yes, board, "2026-12-08_04-03-27_before-write-2.ini"},
        {a, Occasion::Read, 0, Kept::Yes, board, "2026-12-08_04-03-27_read-3.ini"},
        {a, Occasion::Read, 5, Kept::SameAsNewest, "", ""},
        {c, Occasion::Read, 5, Kept::Yes, board, "2026-12-08_04-03-32_read-2.ini"},
        {Damaged(BoardImage("QM 9")), Occasion::BeforeWrite, 5, Kept::Yes, "unknown",
         "2026-12-08_04-03-32_before-write.ini"},
        {a.substr(0, 100), Occasion::BeforeWrite, 5, Kept::Yes, "unknown",
         "2026-12-08_04-03-32_before-write-2.ini"},
    };
    std::vector<std::string> kept;
    for (const auto& s : steps) {
        SCOPED_TRACE(s.file);
        ASSERT_EQ(archive.keep(s.bytes, s.occasion, at(s.second)), s.kept);
        if (s.kept == Kept::Yes) {
            EXPECT_EQ(ReadAll(qm::ArchivePath(dir.path(), s.board, s.file)), s.bytes);
            kept.push_back(s.board + "/" + s.file);
        }
    }
    // Four copies, the folder in the way, the notes.
    EXPECT_EQ(std::distance(fs::directory_iterator(folderOf(board)), {}), 6);

    // Listed board by board, oldest first, copies only.
    const std::vector<qm::ArchiveEntry> all = archive.list();
    std::vector<std::string> listed;
    for (const qm::ArchiveEntry& e : all)
        listed.push_back(e.board + "/" + e.file);
    EXPECT_EQ(listed, kept);
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all[0].time, "2026-12-08 04:03:27");
    EXPECT_EQ(all[0].occasion, Occasion::Read);
    EXPECT_EQ(all[0].size, 2048u);
    EXPECT_EQ(ReadAll(all[0].path), a);
    EXPECT_EQ(all.back().size, 100u);
    // One board by its label or its folder; nothing outside the archive.
    EXPECT_EQ(archive.list("QM 1.2.3.4.5").size(), 4u);
    EXPECT_EQ(archive.list(board).size(), 4u);
    EXPECT_TRUE(archive.list("QM 9").empty());
    EXPECT_TRUE(archive.list("..").empty());
}

TEST_F(BoardArchiveTest, EachBoardKeepsItsNewestHundred) {
    fs::create_directories(folderOf("QM 7"));
    WriteAll(folderOf("QM 7") + "/notes.txt", "the user's own");
    for (int i = 0; i < 105; ++i)
        ASSERT_EQ(archive.keep(BoardImage("QM 7", std::to_string(i)), Occasion::Read, at(i)),
                  Kept::Yes);
    const std::vector<qm::ArchiveEntry> kept = archive.list("QM 7");
    ASSERT_EQ(kept.size(), 100u);
    EXPECT_EQ(kept.front().time, "2026-12-08 04:03:32");
    EXPECT_EQ(ReadAll(kept.front().path), BoardImage("QM 7", "5"));
    EXPECT_EQ(kept.back().time, "2026-12-08 04:05:11");
    EXPECT_EQ(ReadAll(folderOf("QM 7") + "/notes.txt"), "the user's own");
}

TEST_F(BoardArchiveTest, WhereNothingCanBeKeptNothingIs) {
    fs::create_directories(folderOf(""));
    WriteAll(folderOf("QM 1"), "a file where the board's folder belongs");
    for (const std::string& home : {std::string(), dir.file("qmconf/archive/QM 1")}) {
        qm::BoardArchive failing(home);
        EXPECT_EQ(failing.keep(BoardImage("QM 1"), Occasion::Read, at(0)), Kept::Failed) << home;
    }
    EXPECT_EQ(archive.keep(BoardImage("QM 1"), Occasion::Read, at(0)), Kept::Failed);
    EXPECT_EQ(ReadAll(folderOf("QM 1")), "a file where the board's folder belongs");
}

TEST_F(BoardArchiveTest, BeforeWriteKeepsWhatTheBoardHolds) {
    // Far past the 64 KiB an earlier version kept of it: kept whole.
    const std::string big = Pattern(200000);
    const struct {
        std::function<void(const std::string&)> arrange; // at the board's set.ini
        std::string board;                               // "": nothing kept
        std::string kept;
    } cases[] = {
        {[](const std::string&) {}, "", ""},
        {[](const std::string& p) { fs::create_directory(p); }, "", ""},
        {[](const std::string& p) { WriteAll(p, BoardImage("QM 2")); }, "QM 2", BoardImage("QM 2")},
        {[](const std::string& p) { WriteAll(p, Damaged(BoardImage("QM 2"))); }, "unknown",
         Damaged(BoardImage("QM 2"))},
        {[&](const std::string& p) { WriteAll(p, big); }, "unknown", big},
        // An empty set.ini holds nothing to lose, and an empty copy nothing to list.
        {[](const std::string& p) { WriteAll(p, ""); }, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        TempDir own;
        c.arrange(own.file("set.ini"));
        qm::BoardArchive(own.path()).keepBeforeWrite(own.file("set.ini"));
        const std::vector<qm::ArchiveEntry> entries = qm::BoardArchive(own.path()).list();
        ASSERT_EQ(entries.size(), c.board.empty() ? 0u : 1u);
        if (!c.board.empty()) {
            EXPECT_EQ(entries[0].board, c.board);
            EXPECT_EQ(entries[0].occasion, Occasion::BeforeWrite);
            EXPECT_EQ(ReadAll(entries[0].path), c.kept);
        }
    }
}

// What a copy killed on its way left: an empty copy (an earlier version made
// copies in place) and a hidden part. Neither is listed, counted or compared
// with, and the next copy clears both.
TEST_F(BoardArchiveTest, WhatAKilledCopyLeftIsNeverListedAndGoes) {
    const std::string folder = folderOf("QM 1");
    fs::create_directories(fs::u8path(folder));
    WriteAll(folder + "/2026-12-08_04-03-27_read.ini", BoardImage("QM 1", "a"));
    WriteAll(folder + "/2026-12-08_04-03-28_before-write.ini", "");
    WriteAll(folder + "/.2026-12-08_04-03-29_read.ini.77-1.part",
             BoardImage("QM 1").substr(0, 900));
    const std::vector<qm::ArchiveEntry> listed = archive.list();
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_EQ(listed[0].file, "2026-12-08_04-03-27_read.ini");

    ASSERT_EQ(archive.keep(BoardImage("QM 1", "b"), Occasion::Read, at(5)), Kept::Yes);
    std::set<std::string> left;
    for (const auto& e : fs::directory_iterator(fs::u8path(folder)))
        left.insert(e.path().filename().u8string());
    EXPECT_EQ(left, (std::set<std::string>{"2026-12-08_04-03-27_read.ini",
                                           "2026-12-08_04-03-32_read.ini"}));
}

// Archives made before kept "QM 1" and "QM_1" in one folder "QM_1": each
// copy is listed as the board it holds, and new copies go to folders of
// their own.
TEST_F(BoardArchiveTest, FoldersOfTheEarlierSchemeListTheBoardsTheyHold) {
    const std::string spaced = BoardImage("QM 1", "a"), underscored = BoardImage("QM_1", "b");
    fs::create_directories(folderOf("QM_1"));
    WriteAll(folderOf("QM_1") + "/2026-12-08_04-03-27_read.ini", spaced);
    WriteAll(folderOf("QM_1") + "/2026-12-08_04-03-28_read.ini", underscored);
    ASSERT_EQ(archive.keep(BoardImage("QM 1", "c"), Occasion::Read, at(5)), Kept::Yes);

    const struct {
        std::string label;
        std::vector<std::string> copies;
    } cases[] = {{"QM 1", {BoardImage("QM 1", "c"), spaced}}, {"QM_1", {underscored}}};
    for (const auto& c : cases) {
        std::vector<std::string> listed;
        for (const qm::ArchiveEntry& e : archive.list(c.label)) {
            EXPECT_EQ(e.label, (qm::SerialLabel{qm::SerialLabel::Kind::Label, c.label}));
            listed.push_back(ReadAll(e.path));
        }
        EXPECT_EQ(listed, c.copies) << c.label;
    }
    EXPECT_EQ(archive.list().size(), 3u);
}

// The copies of boards without a usable label share a folder: one board's
// reads never push out another's.
TEST_F(BoardArchiveTest, SharedFoldersAreNeverPruned) {
    for (int i = 0; i < 105; ++i)
        ASSERT_EQ(archive.keep(BoardImage("\xFF", std::to_string(i)), Occasion::Read, at(i)),
                  Kept::Yes);
    EXPECT_EQ(archive.list("blank").size(), 105u);
}

// The command line refuses to write a board whose image it cannot keep, and
// to call an archive it cannot read empty.
TEST_F(BoardArchiveTest, TellsWhenItCannotKeepOrRead) {
    WriteAll(dir.file("data"), "a file where the data folder belongs");
    WriteAll(dir.file("set.ini"), BoardImage("QM 1"));
    qm::BoardArchive failing(dir.file("data"));
    EXPECT_FALSE(failing.keepBeforeWrite(dir.file("set.ini")));
    EXPECT_TRUE(failing.keepBeforeWrite(dir.file("none.ini"))); // nothing to lose
    EXPECT_FALSE(failing.listChecked());
    const auto none = qm::BoardArchive(dir.file("none")).listChecked();
    ASSERT_TRUE(none);
    EXPECT_TRUE(none->empty());
    EXPECT_TRUE(archive.keepBeforeWrite(dir.file("set.ini")));
    EXPECT_EQ(archive.list("QM 1").size(), 1u);
}

} // namespace
} // namespace qmtest
