// The one read of an image source, on every platform.
#include "Source_read.h"
#include "ImageTestSupport.h"
#include "Settings_image.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace qm;
using namespace qmtest;

namespace {

class SourceReadTest : public ::testing::Test {
protected:
    std::size_t read(const std::string& path) {
        buffer.fill(0xAA);
        return ReadSourceExclusive(path, buffer.data(), kImageSize);
    }
    std::string bytes(std::size_t n) const {
        return std::string(buffer.begin(), buffer.begin() + n);
    }
    bool zeroFrom(std::size_t n) const {
        return std::all_of(buffer.begin() + n, buffer.end(), [](std::uint8_t b) { return b == 0; });
    }

    TempDir dir;
    std::array<std::uint8_t, kImageSize> buffer{};
};

TEST_F(SourceReadTest, ReadsTheFirst2048BytesAndZeroesTheRest) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{600}, std::size_t{2048},
                                   std::size_t{2049}, std::size_t{9000}}) {
        const std::string path = dir.file("source.ini");
        const std::string content = Pattern(size);
        WriteAll(path, content);
        const std::size_t n = std::min<std::size_t>(size, kImageSize);
        ASSERT_EQ(read(path), n) << size;
        EXPECT_EQ(bytes(n), content.substr(0, n)) << size;
        EXPECT_TRUE(zeroFrom(n)) << size;
    }
}

TEST_F(SourceReadTest, ZeroedBufferWhenNothingCanBeRead) {
    for (const std::string& path : {dir.file("missing"), dir.path(), std::string()}) {
        EXPECT_EQ(read(path), 0u) << path;
        EXPECT_TRUE(zeroFrom(0)) << path;
    }
}

} // namespace
