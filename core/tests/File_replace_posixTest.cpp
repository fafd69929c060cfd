// What a replaced file keeps on POSIX systems: its mode, owner and group.
#include "File_replace.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

using namespace qm;
using namespace qmtest;

namespace {

struct KeepCase {
    mode_t mode;
    uid_t owner; // changed only where the test runs as root
    gid_t group;
};

TEST(FileReplacePosixTest, TheFileKeepsItsModeOwnerAndGroup) {
    const bool root = ::geteuid() == 0;
    const KeepCase cases[] = {
        {0640, ::geteuid(), ::getegid()},
        {0604, root ? 65534u : ::geteuid(), root ? 65534u : ::getegid()},
        {0755, ::geteuid(), ::getegid()},
    };
    const std::string bytes(2048, 'n');
    for (const auto& c : cases) {
        TempDir dir;
        const std::string file = dir.file("chair.ini");
        WriteAll(file, "old");
        ASSERT_EQ(::chown(file.c_str(), c.owner, c.group), 0);
        ASSERT_EQ(::chmod(file.c_str(), c.mode), 0);
        ASSERT_TRUE(ReplaceFileContent(file, bytes.data(), bytes.size()));
        struct stat st {};
        ASSERT_EQ(::stat(file.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, c.mode);
        EXPECT_EQ(st.st_uid, c.owner);
        EXPECT_EQ(st.st_gid, c.group);
        EXPECT_EQ(ReadAll(file), bytes);
    }
}

// A new file is made as the user's file-creation mask says.
TEST(FileReplacePosixTest, ANewFileFollowsTheCreationMask) {
    TempDir dir;
    const mode_t previous = ::umask(027);
    const std::string bytes(2048, 'n');
    const bool replaced = ReplaceFileContent(dir.file("new.ini"), bytes.data(), bytes.size());
    ::umask(previous);
    ASSERT_TRUE(replaced);
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("new.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

} // namespace
