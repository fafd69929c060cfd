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

class SourceReadTest : public ::testing::Test {
protected:
    std::size_t read(const std::string& path) {
        buffer.fill(0xAA);
        return ReadSourceExclusive(path, buffer.data());
    }
    std::string bytes(std::size_t n) const {
        return std::string(buffer.begin(), buffer.begin() + n);
    }
    bool zeroFrom(std::size_t n) const {
        for (std::size_t i = n; i < buffer.size(); ++i)
            if (buffer[i] != 0)
                return false;
        return true;
    }

    TempDir dir;
    std::array<std::uint8_t, kImageSize> buffer{};
};

std::string pattern(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i)
        s[i] = static_cast<char>('A' + (i * 7) % 26);
    return s;
}

TEST_F(SourceReadTest, ReadsTheFirst2048BytesAndZeroesTheRest) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{600}, std::size_t{2048},
                                   std::size_t{2049}, std::size_t{9000}}) {
        const std::string path = dir.file("source.ini");
        const std::string content = pattern(size);
        WriteAll(path, content);
        const std::size_t n = std::min<std::size_t>(size, kImageSize);
        ASSERT_EQ(read(path), n) << size;
        EXPECT_EQ(bytes(n), content.substr(0, n)) << size;
        EXPECT_TRUE(zeroFrom(n)) << size;
    }
}

TEST_F(SourceReadTest, FileSystemWithoutDirectIoIsStillRead) {
    const std::string folder = dir.file("ram");
    fs::create_directory(folder);
    ScratchMount ram(folder, "ramfs", nullptr);
    if (!ram.ok())
        GTEST_SKIP() << ram.why();
    const std::string content = pattern(3000);
    WriteAll(folder + "/source.ini", content);
    ASSERT_EQ(read(folder + "/source.ini"), kImageSize);
    EXPECT_EQ(bytes(kImageSize), content.substr(0, kImageSize));
}

TEST_F(SourceReadTest, ZeroedBufferWhenNothingCanBeRead) {
    EXPECT_EQ(read(dir.file("missing")), 0u);
    EXPECT_TRUE(zeroFrom(0));
    EXPECT_EQ(read(dir.path()), 0u);
    EXPECT_TRUE(zeroFrom(0));
}

TEST_F(SourceReadTest, LockIsHeldOnlyDuringTheRead) {
    const std::string path = dir.file("source.ini");
    WriteAll(path, pattern(100));
    ASSERT_EQ(read(path), 100u);
    // Our read released its lock: another process can take it at once.
    LockHolder holder(path);
    EXPECT_TRUE(holder.locked());
}

} // namespace
