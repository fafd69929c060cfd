// The temporary file's place and the source read on POSIX systems.
#include "ImageTestPosix.h"
#include "ImageTestSupport.h"
#include "Settings_image.h"
#include "Source_read.h"
#include "Temp_file.h"

#include <gtest/gtest.h>

#include <array>
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
TEST(TempFilePathTest, FirstUsableFolderIsTaken) {
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
        EXPECT_EQ(TempFilePath(), expected + "/set_tmp.ini") << c.xdg << " " << c.tmpdir;
    }
}

// With no usable folder at all there is no path, which every open refuses.
TEST(TempFilePathTest, NoUsableFolderGivesNoPath) {
    EnvVar xdg("XDG_RUNTIME_DIR", std::nullopt);
    EnvVar tmpdir("TMPDIR", std::nullopt);
    const int result = InChildProcess([] {
        // /tmp made read-only in a mount namespace of the child's own.
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", "/tmp", "tmpfs", MS_RDONLY, "size=4k") != 0)
            return 2;
        return TempFilePath().empty() ? 0 : 1;
    });
    if (result == 2)
        GTEST_SKIP() << "mounting needs root";
    EXPECT_EQ(result, 0);
}

TEST(SourceReadPosixTest, FileSystemWithoutDirectIoIsStillRead) {
    TempDir dir;
    const std::string folder = dir.file("ram");
    fs::create_directory(folder);
    ScratchMount ram(folder, "ramfs", nullptr);
    if (!ram.ok())
        GTEST_SKIP() << ram.why();
    const std::string content = Pattern(3000);
    WriteAll(folder + "/source.ini", content);
    std::array<std::uint8_t, kImageSize> buffer{};
    ASSERT_EQ(ReadSourceExclusive(folder + "/source.ini", buffer.data()), kImageSize);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), content.substr(0, kImageSize));
}

TEST(SourceReadPosixTest, LockIsHeldOnlyDuringTheRead) {
    TempDir dir;
    const std::string path = dir.file("source.ini");
    WriteAll(path, Pattern(100));
    std::array<std::uint8_t, kImageSize> buffer{};
    ASSERT_EQ(ReadSourceExclusive(path, buffer.data()), 100u);
    // Our read released its lock: another process can take it at once.
    LockHolder holder(path);
    EXPECT_TRUE(holder.locked());
}

} // namespace
