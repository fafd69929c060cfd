// The unbuffered, exclusive read of the image source on Windows.
#include "ImageTestSupport.h"
#include "ImageTestWin32.h"
#include "Settings_image.h"
#include "Source_read.h"
#include "Utf16.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <thread>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

class SourceReadWin32Test : public ::testing::Test {
protected:
    std::size_t read(const std::string& path) {
        buffer.fill(0xAA);
        return ReadSourceExclusive(path, buffer.data(), kImageSize);
    }
    bool zeroFrom(std::size_t n) const {
        return std::all_of(buffer.begin() + n, buffer.end(), [](std::uint8_t b) { return b == 0; });
    }

    TempDir dir;
    std::array<std::uint8_t, kImageSize> buffer{};
};

TEST_F(SourceReadWin32Test, AnyOtherHandleOnTheFileRefusesTheRead) {
    const std::string path = dir.file("set.ini");
    WriteAll(path, Pattern(3000));
    for (const auto sharing : {HeldFile::Sharing::None, HeldFile::Sharing::All}) {
        HeldFile other(path, sharing);
        ASSERT_TRUE(other.held());
        EXPECT_EQ(read(path), 0u);
        EXPECT_TRUE(zeroFrom(0));
        other.release();
        EXPECT_EQ(read(path), kImageSize);
    }
}

// Another program's handle closed within the wait (another editor's load, a
// check of the same file) is waited for, not taken for a missing file.
TEST_F(SourceReadWin32Test, HandleClosedWithinTheWaitIsWaitedFor) {
    const std::string path = dir.file("set.ini");
    WriteAll(path, Pattern(2048));
    HeldFile other(path, HeldFile::Sharing::None);
    ASSERT_TRUE(other.held());
    std::thread letGo([&other] {
        std::this_thread::sleep_for(kSourceLockWait / 8);
        other.release();
    });
    EXPECT_EQ(read(path), kImageSize);
    letGo.join();
}

TEST_F(SourceReadWin32Test, FileIsFreeAgainAfterTheRead) {
    const std::string path = dir.file("set.ini");
    WriteAll(path, Pattern(2048));
    ASSERT_EQ(read(path), kImageSize);
    EXPECT_EQ(std::string(buffer.begin(), buffer.end()), Pattern(2048));
    EXPECT_TRUE(NobodyHolds(path));
}

TEST_F(SourceReadWin32Test, PipesAndDevicesAreNotReadAndNotWaitedFor) {
    const std::string pipe = "\\\\.\\pipe\\qmconf-test-" + std::to_string(GetCurrentProcessId());
    // A pipe whose server never writes: reading it would block for ever.
    const HANDLE server = CreateNamedPipeW(Wide(pipe).c_str(), PIPE_ACCESS_DUPLEX,
                                           PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    EXPECT_EQ(read(pipe), 0u);
    CloseHandle(server);
    EXPECT_EQ(read("NUL"), 0u);
    EXPECT_TRUE(zeroFrom(0));
}

TEST_F(SourceReadWin32Test, FileNamedInCyrillic) {
    const std::string path = dir.file("Настройки кресла.ini");
    {
        std::ofstream out(fs::u8path(path), std::ios::binary);
        out << Pattern(600);
    }
    ASSERT_EQ(read(path), 600u);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 600), Pattern(600));
    EXPECT_TRUE(zeroFrom(600));
}

} // namespace
