// Keeping what the board held: one copy per new content, named by time and
// occasion, the newest hundred per board, silently nothing when it cannot.
#include "Board_archive.h"

#include "Archive_folder.h"
#include "ImageTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

namespace qmtest {
namespace {

namespace fs = std::filesystem;
using Kept = qm::BoardArchive::Kept;
using qm::Occasion;

// 2026-12-08 14:03:27 local time, plus seconds.
std::time_t at(int seconds) {
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 8;
    t.tm_hour = 14;
    t.tm_min = 3;
    t.tm_sec = 27 + seconds;
    t.tm_isdst = -1;
    return std::mktime(&t);
}

std::string stampAt(int seconds) {
    std::tm local{};
    EXPECT_TRUE(qm::LocalTime(at(seconds), local));
    return qm::StampOf(local);
}

std::string flipped(std::string bytes, std::size_t at) {
    bytes[at] ^= 0x01;
    return bytes;
}

class BoardArchiveTest : public ::testing::Test {
protected:
    std::string folderOf(const std::string& board) const {
        return qm::ArchivePath(dir.path(), board);
    }
    std::vector<std::string> namesIn(const std::string& board) const {
        std::vector<std::string> names;
        std::error_code ec;
        for (const fs::directory_entry& e : fs::directory_iterator(folderOf(board), ec))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    TempDir dir;
    qm::BoardArchive archive{dir.path()};
};

TEST_F(BoardArchiveTest, KeepsEachNewContentOnceWithItsTimeAndOccasion) {
    const std::string a = BoardImage("QM 1.2.3.4.5", "a");
    const std::string b = BoardImage("QM 1.2.3.4.5", "b");
    const std::string c = BoardImage("QM 1.2.3.4.5", "c");
    const std::string bad = flipped(BoardImage("QM 9"), 20);
    const std::string board = "QM_1.2.3.4.5";
    // Something that is no copy holds the name of a later one: never replaced.
    fs::create_directories(folderOf(board) + "/2026-12-08_14-03-32_read.ini");

    const struct {
        std::string bytes;
        Occasion occasion;
        int second;
        Kept kept;
        std::string board;
        std::string file;
    } steps[] = {
        {a, Occasion::Read, 0, Kept::Yes, board, "2026-12-08_14-03-27_read.ini"},
        {a, Occasion::BeforeWrite, 0, Kept::SameAsNewest, "", ""},
        {b, Occasion::BeforeWrite, 0, Kept::Yes, board, "2026-12-08_14-03-27_before-write-2.ini"},
        {a, Occasion::Read, 0, Kept::Yes, board, "2026-12-08_14-03-27_read-3.ini"},
        {a, Occasion::Read, 5, Kept::SameAsNewest, "", ""},
        {c, Occasion::Read, 5, Kept::Yes, board, "2026-12-08_14-03-32_read-2.ini"},
        {bad, Occasion::BeforeWrite, 5, Kept::Yes, "unknown",
         "2026-12-08_14-03-32_before-write.ini"},
        {a.substr(0, 100), Occasion::BeforeWrite, 5, Kept::Yes, "unknown",
         "2026-12-08_14-03-32_before-write-2.ini"},
    };
    int n = 0;
    for (const auto& s : steps) {
        SCOPED_TRACE(++n);
        ASSERT_EQ(archive.keep(s.bytes, s.occasion, at(s.second)), s.kept);
        if (s.kept == Kept::Yes) {
            EXPECT_EQ(ReadAll(qm::ArchivePath(dir.path(), s.board, s.file)), s.bytes);
        }
    }
    EXPECT_EQ(namesIn(board).size(), 5u); // four copies and the folder in the way
    EXPECT_EQ(namesIn("unknown").size(), 2u);
}

TEST_F(BoardArchiveTest, EachBoardKeepsItsNewestHundred) {
    fs::create_directories(folderOf("QM_7"));
    WriteAll(folderOf("QM_7") + "/notes.txt", "the user's own");
    for (int i = 0; i < 105; ++i)
        ASSERT_EQ(archive.keep(BoardImage("QM 7", std::to_string(i)), Occasion::Read, at(i)),
                  Kept::Yes);
    const std::vector<std::string> names = namesIn("QM_7");
    ASSERT_EQ(names.size(), 101u);
    EXPECT_EQ(names.front(), stampAt(5) + "_read.ini");
    EXPECT_EQ(ReadAll(folderOf("QM_7") + "/" + names.front()), BoardImage("QM 7", "5"));
    EXPECT_EQ(names[99], stampAt(104) + "_read.ini");
    EXPECT_EQ(names.back(), "notes.txt");
}

TEST_F(BoardArchiveTest, WhereNothingCanBeKeptNothingIs) {
    fs::create_directories(folderOf(""));
    WriteAll(folderOf("QM_1"), "a file where the board's folder belongs");
    for (const std::string& home : {std::string(), dir.file("qmconf/archive/QM_1")}) {
        qm::BoardArchive failing(home);
        EXPECT_EQ(failing.keep(BoardImage("QM 1"), Occasion::Read, at(0)), Kept::Failed) << home;
    }
    EXPECT_EQ(archive.keep(BoardImage("QM 1"), Occasion::Read, at(0)), Kept::Failed);
    EXPECT_EQ(ReadAll(folderOf("QM_1")), "a file where the board's folder belongs");
}

TEST_F(BoardArchiveTest, BeforeWriteKeepsWhatTheBoardHolds) {
    const std::string big = Pattern(70000);
    const struct {
        const char* name;
        std::function<void(const std::string&)> arrange; // at the board's set.ini
        std::string board;                               // "": nothing kept
        std::string kept;
    } cases[] = {
        {"no set.ini", [](const std::string&) {}, "", ""},
        {"a folder", [](const std::string& p) { fs::create_directory(p); }, "", ""},
        {"the board's image", [](const std::string& p) { WriteAll(p, BoardImage("QM 2")); }, "QM_2",
         BoardImage("QM 2")},
        {"an image failing its check",
         [](const std::string& p) { WriteAll(p, flipped(BoardImage("QM 2"), 20)); }, "unknown",
         flipped(BoardImage("QM 2"), 20)},
        {"far too long", [&](const std::string& p) { WriteAll(p, big); }, "unknown",
         big.substr(0, qm::kMaxKeptBytes)},
        {"empty", [](const std::string& p) { WriteAll(p, ""); }, "unknown", ""},
    };
    for (const auto& c : cases) {
        TempDir own;
        const std::string boardFile = own.file("set.ini");
        c.arrange(boardFile);
        qm::BoardArchive(own.path()).keepBeforeWrite(boardFile);
        const std::vector<qm::ArchiveEntry> entries = qm::BoardArchive(own.path()).list();
        if (c.board.empty()) {
            EXPECT_TRUE(entries.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(entries.size(), 1u) << c.name;
        EXPECT_EQ(entries[0].board, c.board) << c.name;
        EXPECT_EQ(entries[0].occasion, Occasion::BeforeWrite) << c.name;
        EXPECT_EQ(ReadAll(entries[0].path), c.kept) << c.name;
    }
}

TEST_F(BoardArchiveTest, ListsEveryBoardOrOne) {
    const std::string a = BoardImage("QM 1.2.3.4.5", "a");
    archive.keep(a, Occasion::Read, at(0));
    archive.keep(BoardImage("\xFF"), Occasion::Read, at(1));
    archive.keep(BoardImage("QM 1.2.3.4.5", "b"), Occasion::BeforeWrite, at(3));
    archive.keep("not an image", Occasion::BeforeWrite, at(2));
    WriteAll(folderOf("blank") + "/notes.txt", "the user's own");

    const std::vector<qm::ArchiveEntry> all = archive.list();
    ASSERT_EQ(all.size(), 4u);
    const char* boards[] = {"QM_1.2.3.4.5", "QM_1.2.3.4.5", "blank", "unknown"};
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_EQ(all[i].board, boards[i]) << i;
    EXPECT_EQ(all[0].file, "2026-12-08_14-03-27_read.ini");
    EXPECT_EQ(all[0].time, "2026-12-08 14:03:27");
    EXPECT_EQ(all[0].occasion, Occasion::Read);
    EXPECT_EQ(all[0].size, 2048u);
    EXPECT_EQ(ReadAll(all[0].path), a);
    EXPECT_EQ(all[1].file, "2026-12-08_14-03-30_before-write.ini");
    EXPECT_EQ(all[3].size, 12u);

    EXPECT_EQ(archive.list("QM 1.2.3.4.5").size(), 2u);
    EXPECT_EQ(archive.list("QM_1.2.3.4.5").size(), 2u);
    EXPECT_EQ(archive.list("blank").size(), 1u);
    EXPECT_TRUE(archive.list("QM 9").empty());
    EXPECT_TRUE(archive.list("..").empty());
}

TEST_F(BoardArchiveTest, TheUsersArchiveFollowsTheDataFolder) {
    const DataHomeEnv env(dir.path());
    qm::BoardArchive().keepRead(BoardImage("QM 3"));
    EXPECT_EQ(qm::BoardArchive().path(), qm::ArchivePath(dir.path()));
    ASSERT_EQ(namesIn("QM_3").size(), 1u);
    EXPECT_EQ(ReadAll(folderOf("QM_3") + "/" + namesIn("QM_3")[0]), BoardImage("QM 3"));
}

} // namespace
} // namespace qmtest
