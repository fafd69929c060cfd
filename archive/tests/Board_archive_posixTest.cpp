// The archive on POSIX systems: its place, private modes, no links. (A full
// or read-only file system under it is met through the window's device road.)
#include "Board_archive.h"

#include "Archive_folder.h"
#include "ImageTestPosix.h"
#include "ImageTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <random>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace qmtest {
namespace {

namespace fs = std::filesystem;
using Kept = qm::BoardArchive::Kept;

mode_t modeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777;
}

TEST(Board_archive_posix, FoldersAndCopiesAreTheUsersAlone) {
    TempDir dir;
    const std::string data = dir.file("fresh/data");
    const std::string board = data + "/qmconf/archive/QM 1";
    // With no mask at all, the modes are the archive's own doing.
    const mode_t mask = ::umask(0);
    qm::BoardArchive archive(data);
    ASSERT_EQ(archive.keep(BoardImage("QM 1", "a"), qm::Occasion::Read, 0), Kept::Yes);
    // Folders opened to others are made private again by the next copy.
    for (const std::string& folder : {data + "/qmconf", board})
        fs::permissions(folder, fs::perms(0755));
    ASSERT_EQ(archive.keep(BoardImage("QM 1", "b"), qm::Occasion::Read, 0), Kept::Yes);
    ::umask(mask);
    for (const std::string& folder :
         {dir.file("fresh"), data, data + "/qmconf", data + "/qmconf/archive", board})
        EXPECT_EQ(modeOf(folder), 0700u) << folder;
    for (const fs::directory_entry& copy : fs::directory_iterator(board))
        EXPECT_EQ(modeOf(copy.path()), 0600u) << copy.path();
}

// The name of a copy made at time 0.
std::string copyAtZero(unsigned sequence) {
    std::tm local{};
    EXPECT_TRUE(qm::LocalTime(0, local));
    return qm::ArchiveName{qm::StampOf(local), qm::Occasion::Read, sequence}.fileName();
}

TEST(Board_archive_posix, NothingIsReachedThroughALink) {
    enum class Folder { Link, Others, Own };
    const struct {
        const char* name;
        Folder folder;          // the board's folder
        const char* linkedCopy; // a link in it, named as the first copy, to this file
        Kept kept;
    } cases[] = {
        {"board folder is a link", Folder::Link, nullptr, Kept::Failed},
        {"board folder is another user's", Folder::Others, nullptr, Kept::Failed},
        {"copy's name is a link", Folder::Own, "planted", Kept::Yes},
        {"newest copy is a link to the same bytes", Folder::Own, "same", Kept::Yes},
    };
    const std::string image = BoardImage("QM 1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const std::string board = dir.file("data/qmconf/archive/QM 1");
        const std::string elsewhere = dir.file("elsewhere");
        fs::create_directories(dir.file("data/qmconf/archive"));
        fs::create_directory(elsewhere);
        WriteAll(elsewhere + "/same", image);
        if (c.folder == Folder::Link)
            fs::create_directory_symlink(elsewhere, board);
        else
            fs::create_directory(board);
        if (c.folder == Folder::Others) {
            ASSERT_EQ(::chown(board.c_str(), 65534, 65534), 0);
        }
        if (c.linkedCopy)
            fs::create_symlink(elsewhere + "/" + c.linkedCopy, board + "/" + copyAtZero(1));

        EXPECT_EQ(qm::BoardArchive(dir.file("data")).keep(image, qm::Occasion::Read, 0), c.kept);
        // Nothing new elsewhere; a copy of the same second as the link goes on to "-2".
        EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere), fs::directory_iterator()), 1);
        if (c.kept == Kept::Yes) {
            EXPECT_EQ(ReadAll(board + "/" + copyAtZero(2)), image);
        }
    }
}

// What a board's folder holds besides its copies: nothing once a copy is
// made, whatever a killed one left.
std::set<std::string> othersIn(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        if (!qm::ParseArchiveName(e.path().filename().string()))
            names.insert(e.path().filename().string());
    return names;
}

// A copy cut short where the process may write no more (RLIMIT_FSIZE): the
// write fails there, or the process is killed right there (SIGXFSZ). No
// empty or partial copy is listed, and the next copy is whole and clears
// what the cut one left.
TEST(Board_archive_posix, ACopyCutShortLeavesNoCopy) {
    const std::string image = BoardImage("QM 3");
    for (const rlim_t limit : {0, 1, 1000, 2047}) {
        for (const bool killed : {true, false}) {
            SCOPED_TRACE(std::to_string(limit) +
                         (killed ? " bytes, killed" : " bytes, write fails"));
            TempDir dir;
            WriteAll(dir.file("set.ini"), image);
            const qm::BoardArchive archive(dir.file("data"));
            const int result = InChildProcess([&] {
                const rlimit noCore{0, 0}, size{limit, limit};
                if (::setrlimit(RLIMIT_CORE, &noCore) != 0 ||
                    std::signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN) == SIG_ERR ||
                    ::setrlimit(RLIMIT_FSIZE, &size) != 0)
                    return 100;
                return qm::BoardArchive(dir.file("data")).keepBeforeWrite(dir.file("set.ini")) ? 1
                                                                                               : 0;
            });
            ASSERT_NE(result, 100) << "the size limit could not be set";
            EXPECT_EQ(result, killed ? -1 : 0);
            EXPECT_TRUE(archive.list().empty());

            EXPECT_TRUE(qm::BoardArchive(dir.file("data")).keepBeforeWrite(dir.file("set.ini")));
            const std::vector<qm::ArchiveEntry> kept = archive.list();
            ASSERT_EQ(kept.size(), 1u);
            EXPECT_EQ(ReadAll(kept[0].path), image);
            EXPECT_EQ(othersIn(qm::ArchivePath(dir.file("data"), "QM 3")), std::set<std::string>{});
        }
    }
}

// Thirty kills at random moments while copies are made, one after another,
// of two contents in turn: every copy listed is one of them, whole.
TEST(Board_archive_posix, KillsWhileCopyingLeaveOnlyWholeCopies) {
    const unsigned seed = std::random_device()();
    std::cout << "kill seed " << seed << "\n";
    std::mt19937 random(seed);
    TempDir dir;
    const std::string contents[] = {BoardImage("QM 5", "a"),
                                    BoardImage("QM 5", "b") + Pattern(50000)};
    for (int kill = 0; kill < 30; ++kill) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (unsigned i = 0;; ++i) {
                WriteAll(dir.file("set.ini"), contents[i % 2]);
                qm::BoardArchive(dir.file("data")).keepBeforeWrite(dir.file("set.ini"));
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
    }
    const std::vector<qm::ArchiveEntry> kept = qm::BoardArchive(dir.file("data")).list();
    std::cout << kept.size() << " copies listed after 30 kills\n";
    for (const qm::ArchiveEntry& e : kept) {
        const std::string bytes = ReadAll(e.path);
        EXPECT_TRUE(bytes == contents[0] || bytes == contents[1]) << e.file << ", " << bytes.size();
    }
}

} // namespace
} // namespace qmtest
