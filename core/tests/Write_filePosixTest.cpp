// Writer failures that need POSIX files: a file size limit, symbolic links,
// owners.
#include "Set_def.h"
#include "Settings.h"
#include "TestSupport.h"
#include "Write_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <unistd.h>

using namespace qm;
using namespace qmtest;

namespace {

class WriteFilePosixTest : public ::testing::Test {
protected:
    TempDir dir;
    RecordingMessages messages;
    const Settings settings = Set_def();
};

// The file may grow to 100 bytes only: the open succeeds, the writing fails.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        ::signal(SIGXFSZ, SIG_IGN); // the write fails with EFBIG instead
        rlimit small = old_;
        small.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        ::signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlimit old_{};
};

TEST_F(WriteFilePosixTest, FailedWriteRaises) {
    const std::string path = dir.file("set_tmp.ini");
    try {
        FileSizeLimit limit(100);
        Write_file(path, settings, false, messages);
        FAIL() << "no error raised";
    } catch (const WriteError& e) {
        EXPECT_EQ(e.what(), "Unable to write to " + path);
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WriteFilePosixTest, NeverWritesThroughASymbolicLink) {
    const std::string victim = dir.file("victim.txt");
    WriteAll(victim, "keep me");
    const std::string path = dir.file("set_tmp.ini");
    std::filesystem::create_symlink(victim, path);
    Write_file(path, settings, false, messages);
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
    Write_file(path, settings, false, messages);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(ReadAll(path), "someone else's");
}

} // namespace
