// The user's data and temporary folders on Linux.
#include "Folders.h"
#include "ImageTestPosix.h"
#include "ImageTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

struct TempDirCase {
    const char* xdg; // a folder of the test's own, or "" for the variable unset
    const char* tmpdir;
    const char* expectedDir; // "/tmp", or the folder of xdg or tmpdir
    bool shared;             // T in the user's own folder inside it
};

// The first usable folder is taken: one that exists, is a folder, may be
// written in and where nobody else can replace the file. In a shared one T
// goes to the user's own folder in it.
TEST(UserTempFolderTest, FirstUsableFolderIsTaken) {
    TempDir dir;
    const std::string own = dir.file("own"), open = dir.file("open"), sticky = dir.file("sticky"),
                      file = dir.file("file"), others = dir.file("others");
    fs::create_directory(own);
    fs::create_directory(open);
    fs::create_directory(sticky);
    fs::create_directory(others);
    ::chmod(open.c_str(), 0777);
    ::chmod(sticky.c_str(), 01777);
    WriteAll(file, "");
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(others.c_str(), 65534, 65534), 0);
    }
    const TempDirCase cases[] = {
        {"own", "sticky", "own", false},
        {"", "own", "own", false},
        {"missing", "own", "own", false},
        {"file", "own", "own", false},
        {"open", "own", "own", false},   // anyone may replace the file there
        {"others", "own", "own", false}, // another user's folder
        {"missing", "sticky", "sticky", true},
        {"missing", "missing", "/tmp", true},
        {"", "", "/tmp", true},
    };
    for (const auto& c : cases) {
        if (!root && std::string(c.xdg) == "others")
            continue;
        const auto in = [&](const std::string& name) -> std::optional<std::string> {
            if (name.empty())
                return std::nullopt;
            return dir.file(name);
        };
        EnvVar xdg("XDG_RUNTIME_DIR", in(c.xdg));
        EnvVar tmpdir("TMPDIR", in(c.tmpdir));
        std::string expected = c.expectedDir[0] == '/' ? c.expectedDir : dir.file(c.expectedDir);
        if (c.shared)
            expected += "/qmconf-" + std::to_string(::geteuid());
        EXPECT_EQ(UserTempFolder(), expected) << c.xdg << " " << c.tmpdir;
    }
}

// With no usable folder at all there is none, and no path that every open refuses.
TEST(UserTempFolderTest, NoUsableFolderGivesNoFolder) {
    EnvVar xdg("XDG_RUNTIME_DIR", std::nullopt);
    EnvVar tmpdir("TMPDIR", std::nullopt);
    const int result = InChildProcess([] {
        // /tmp made read-only in a mount namespace of the child's own.
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", "/tmp", "tmpfs", MS_RDONLY, "size=4k") != 0)
            return 2;
        return UserTempFolder().empty() ? 0 : 1;
    });
    if (result == 2)
        GTEST_SKIP() << "mounting needs root";
    EXPECT_EQ(result, 0);
}

TEST(UserDataHomeTest, DataFolderFromTheEnvironment) {
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

} // namespace
