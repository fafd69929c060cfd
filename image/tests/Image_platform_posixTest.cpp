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

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

// Sets or clears one environment variable for the life of the object.
class EnvVar {
public:
    EnvVar(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        set(value);
    }
    ~EnvVar() { set(old_); }
    EnvVar(const EnvVar&) = delete;
    EnvVar& operator=(const EnvVar&) = delete;

private:
    void set(const std::optional<std::string>& value) {
        if (value)
            ::setenv(name_, value->c_str(), 1);
        else
            ::unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> old_;
};

TEST(TempFilePathTest, UsersOwnDirectoryComesFirst) {
    const struct {
        std::optional<std::string> xdg;
        std::optional<std::string> tmpdir;
        const char* expected;
    } cases[] = {
        {"/run/user/1000", "/var/tmp", "/run/user/1000/set_tmp.ini"},
        {std::nullopt, "/var/tmp", "/var/tmp/set_tmp.ini"},
        {"", "/var/tmp", "/var/tmp/set_tmp.ini"},
        {std::nullopt, std::nullopt, "/tmp/set_tmp.ini"},
        {"", "", "/tmp/set_tmp.ini"},
    };
    for (const auto& c : cases) {
        EnvVar xdg("XDG_RUNTIME_DIR", c.xdg);
        EnvVar tmpdir("TMPDIR", c.tmpdir);
        EXPECT_EQ(TempFilePath(), c.expected);
    }
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
