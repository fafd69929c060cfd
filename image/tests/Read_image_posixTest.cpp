// Loads that meet what only POSIX systems have: FIFOs, flock, symbolic
// links, file owners and mounts.
#include "Image_transfer.h"

#include "ImageTestPosix.h"
#include "ImageTestSupport.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace qm;
using namespace qmtest;

namespace {

using ReadImagePosixTest = ImageTest;

TEST_F(ReadImagePosixTest, FifoEndsInL1WithoutWaiting) {
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(load(fifo), ImageResult::L1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadImagePosixTest, SourceLockedByAnotherProcessEndsInL1) {
    const std::string source = dir.file("set.ini");
    WriteAll(source, DefaultsImage());
    LockHolder holder(source);
    ASSERT_TRUE(holder.locked());
    EXPECT_EQ(load(source), ImageResult::L1);

    holder.release();
    EXPECT_EQ(load(source), ImageResult::Success);
    EXPECT_STREQ(settings.SET01, "internet.mts.ru");
}

TEST_F(ReadImagePosixTest, LinkPlantedAtTheTempFileEndsInL3) {
    const std::string source = dir.file("set.ini");
    WriteAll(source, DefaultsImage());
    const std::string victim = dir.file("victim");
    WriteAll(victim, "someone else's data");
    ASSERT_EQ(::symlink(victim.c_str(), tempPath().c_str()), 0);
    EXPECT_EQ(load(source), ImageResult::L3);
    EXPECT_EQ(ReadAll(victim), "someone else's data");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadImagePosixTest, AnotherUsersTempFileEndsInL3) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root";
    const std::string source = dir.file("set.ini");
    WriteAll(source, DefaultsImage());
    WriteAll(tempPath(), "another user's file");
    ASSERT_EQ(::chown(tempPath().c_str(), 65534, 65534), 0);
    EXPECT_EQ(load(source), ImageResult::L3);
    EXPECT_EQ(ReadAll(tempPath()), "another user's file");
}

TEST_F(ReadImagePosixTest, FullTempVolumeEndsInL3NotInAHalfRead) {
    const std::string source = dir.file("set.ini");
    WriteAll(source, DefaultsImage());
    ScratchMount temp(tempDir(), "tmpfs", "size=4k,mode=0700");
    if (!temp.ok())
        GTEST_SKIP() << temp.why();
    WriteAll(tempDir() + "/filler", std::string(4096, 'f'));
    EXPECT_EQ(load(source), ImageResult::L3);
}

} // namespace
