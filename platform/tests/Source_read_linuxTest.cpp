// The source read on Linux: file systems without direct I/O, and the lock.
#include "ImageTestPosix.h"
#include "ImageTestSupport.h"
#include "Settings_image.h"
#include "Source_read.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

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
    ASSERT_EQ(ReadSourceExclusive(folder + "/source.ini", buffer.data(), kImageSize), kImageSize);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), content.substr(0, kImageSize));
}

TEST(SourceReadPosixTest, LockIsHeldOnlyDuringTheRead) {
    TempDir dir;
    const std::string path = dir.file("source.ini");
    WriteAll(path, Pattern(100));
    std::array<std::uint8_t, kImageSize> buffer{};
    ASSERT_EQ(ReadSourceExclusive(path, buffer.data(), kImageSize), 100u);
    // Our read released its lock: another process can take it at once.
    LockHolder holder(path);
    EXPECT_TRUE(holder.locked());
}

} // namespace
