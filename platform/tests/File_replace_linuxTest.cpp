// What a replaced file keeps on POSIX systems: its mode, owner and group.
#include "File_replace.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fcntl.h>
#include <functional>
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
        ASSERT_EQ(ReplaceFileContent(file, bytes.data(), bytes.size()), Replaced::Done);
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
    const Replaced replaced = ReplaceFileContent(dir.file("new.ini"), bytes.data(), bytes.size());
    ::umask(previous);
    ASSERT_EQ(replaced, Replaced::Done);
    struct stat st {};
    ASSERT_EQ(::stat(dir.file("new.ini").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// The end of a pipe or a terminal that another program reads, or nothing.
struct Reader {
    std::string path; // what the store is given
    int fd = -1;      // where what reaches it can be read, without waiting
    ~Reader() {
        if (fd >= 0)
            ::close(fd);
    }
};

// A device, a pipe, a terminal: nothing but a file on a disk gets the image,
// and whoever reads at the other end gets nothing.
TEST(FileReplacePosixTest, AnythingButAFileOnADiskGetsNothing) {
    TempDir dir;
    const std::function<void(Reader&)> cases[] = {
        [](Reader& r) { r.path = "/dev/null"; },
        [&](Reader& r) {
            r.path = dir.file("fifo");
            ASSERT_EQ(::mkfifo(r.path.c_str(), 0600), 0);
            r.fd = ::open(r.path.c_str(), O_RDONLY | O_NONBLOCK);
        },
        [](Reader& r) { // a terminal, as a serial port is one
            r.fd = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
            ASSERT_GE(r.fd, 0);
            ASSERT_EQ(::grantpt(r.fd), 0);
            ASSERT_EQ(::unlockpt(r.fd), 0);
            r.path = ::ptsname(r.fd);
        },
        [&](Reader& r) {
            r.path = dir.file("link");
            ASSERT_EQ(::symlink("/dev/null", r.path.c_str()), 0);
        },
    };
    const std::string bytes(2048, 'n');
    for (const auto& arrange : cases) {
        Reader reader;
        arrange(reader);
        SCOPED_TRACE(reader.path);
        EXPECT_EQ(ReplaceFileContent(reader.path, bytes.data(), bytes.size()), Replaced::Unchanged);
        char got[16];
        if (reader.fd >= 0) {
            EXPECT_LE(::read(reader.fd, got, sizeof got), 0) << "it reached the reader";
        }
    }
}

} // namespace
