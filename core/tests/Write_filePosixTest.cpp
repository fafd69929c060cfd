// Writer failures that need POSIX files: /dev/full, symbolic links, owners.
#include "Set_def.h"
#include "Settings.h"
#include "TestSupport.h"
#include "Write_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace qm;
using namespace qmtest;

namespace {

class WriteFilePosixTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetSettings();
        Set_def();
    }
    TempDir dir;
    RecordingMessages messages;
    FakeSerialEntry entry;
};

TEST_F(WriteFilePosixTest, FailedWriteRaisesAndKeepsTheSerialEntry) {
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no writable /dev/full";
    entry.visible = true;
    entry.enabled = true;
    entry.text = "QM-1";
    try {
        Write_file("/dev/full", entry, messages);
        FAIL() << "no error raised";
    } catch (const WriteError& e) {
        EXPECT_STREQ(e.what(), "Unable to write to /dev/full");
    }
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(entry.visible);
    EXPECT_EQ(entry.text, "QM-1");
}

TEST_F(WriteFilePosixTest, NeverWritesThroughASymbolicLink) {
    const std::string victim = dir.file("victim.txt");
    WriteAll(victim, "keep me");
    const std::string path = dir.file("set_tmp.ini");
    std::filesystem::create_symlink(victim, path);
    Write_file(path, entry, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, "Не удаётся создать файл ");
    EXPECT_EQ(ReadAll(victim), "keep me");
}

TEST_F(WriteFilePosixTest, NeverCutsAnotherUsersFile) {
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to give a file away";
    const std::string path = dir.file("set_tmp.ini");
    WriteAll(path, "someone else's");
    ASSERT_EQ(chown(path.c_str(), 65534, 65534), 0);
    Write_file(path, entry, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(ReadAll(path), "someone else's");
}

} // namespace
