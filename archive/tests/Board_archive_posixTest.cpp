// The archive on POSIX systems: its place, private modes, no links. (A full
// or read-only file system under it is met through the window's device road.)
#include "Board_archive.h"

#include "Archive_folder.h"
#include "ImageTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>
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

TEST(Board_archive_posix, DataFolderFromTheEnvironment) {
    const struct {
        std::optional<std::string> xdg;
        const char* expected;
    } cases[] = {
        {"/srv/data", "/srv/data"},
        {"relative/data", "/home/tech/.local/share"}, // a relative one is ignored
        {"", "/home/tech/.local/share"},
        {std::nullopt, "/home/tech/.local/share"},
    };
    const EnvVar home("HOME", "/home/tech");
    for (const auto& c : cases) {
        const EnvVar xdg("XDG_DATA_HOME", c.xdg);
        EXPECT_EQ(qm::UserDataHome(), c.expected) << c.xdg.value_or("(unset)");
    }
}

TEST(Board_archive_posix, FoldersAndCopiesAreTheUsersAlone) {
    TempDir dir;
    const std::string data = dir.file("fresh/data");
    const std::string board = data + "/qmconf/archive/QM_1";
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

// The name of the first copy made at time 0.
std::string firstCopyAtZero(unsigned sequence = 1) {
    std::tm local{};
    EXPECT_TRUE(qm::LocalTime(0, local));
    return qm::ArchiveName{qm::StampOf(local), qm::Occasion::Read, sequence}.fileName();
}

TEST(Board_archive_posix, NothingIsReachedThroughALink) {
    const std::string image = BoardImage("QM 1");
    const std::string copy = firstCopyAtZero();
    const struct {
        const char* name;
        std::function<void(const std::string& archive, const std::string& elsewhere)> arrange;
        Kept kept;
    } cases[] = {
        {"board folder is a link",
         [](const std::string& a, const std::string& e) {
             fs::create_directory_symlink(e, a + "/QM_1");
         },
         Kept::Failed},
        {"board folder is another user's",
         [](const std::string& a, const std::string&) {
             fs::create_directory(a + "/QM_1");
             ASSERT_EQ(::chown((a + "/QM_1").c_str(), 65534, 65534), 0);
         },
         Kept::Failed},
        {"copy's name is a link",
         [&](const std::string& a, const std::string& e) {
             fs::create_directory(a + "/QM_1");
             fs::create_symlink(e + "/planted", a + "/QM_1/" + copy);
         },
         Kept::Yes},
        {"newest copy is a link to the same bytes",
         [&](const std::string& a, const std::string& e) {
             fs::create_directory(a + "/QM_1");
             WriteAll(e + "/same", image);
             fs::create_symlink(e + "/same", a + "/QM_1/" + copy);
         },
         Kept::Yes},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string archive = dir.file("data/qmconf/archive");
        fs::create_directories(archive);
        fs::create_directory(dir.file("elsewhere"));
        c.arrange(archive, dir.file("elsewhere"));
        if (::testing::Test::HasFatalFailure())
            continue;
        const bool same = fs::exists(dir.file("elsewhere/same"));
        EXPECT_EQ(qm::BoardArchive(dir.file("data")).keep(image, qm::Occasion::Read, 0), c.kept)
            << c.name;
        EXPECT_FALSE(fs::exists(dir.file("elsewhere/planted"))) << c.name;
        EXPECT_EQ(fs::exists(dir.file("elsewhere/same")), same) << c.name;
        // A copy of the same second as the link goes on to "-2".
        if (c.kept == Kept::Yes) {
            EXPECT_EQ(ReadAll(archive + "/QM_1/" + firstCopyAtZero(2)), image) << c.name;
        }
    }
}

} // namespace
} // namespace qmtest
