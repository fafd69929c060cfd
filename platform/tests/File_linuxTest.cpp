// The private file (the temporary file's rules) against what can be planted
// at its path.
#include "File.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace qm;
using namespace qmtest;

namespace {

TEST(PrivateFileTest, OnlyAFileOfItsOwnIsReadOrWritten) {
    using Plant = std::function<int(const char* path, const char* victim)>;
    const struct {
        const char* planted;
        Plant plant; // 0 when planted
        bool opensToRead;
        bool opensToWrite; // and is then a fresh private file
    } cases[] = {
        {"nothing", [](const char*, const char*) { return 0; }, false, true},
        {"own file", [](const char* p, const char*) { return WriteAll(p, "old"), 0; }, true, true},
        {"own file open to others",
         [](const char* p, const char*) { return WriteAll(p, "old"), ::chmod(p, 0644); }, true,
         true},
        {"hard link", [](const char* p, const char* v) { return ::link(v, p); }, false, true},
        {"FIFO", [](const char* p, const char*) { return ::mkfifo(p, 0600); }, false, true},
        {"folder", [](const char* p, const char*) { return ::mkdir(p, 0700); }, false, false},
        {"symbolic link", [](const char* p, const char* v) { return ::symlink(v, p); }, false,
         false},
        {"device", // as /dev/null is; making one needs root
         [](const char* p, const char*) { return ::mknod(p, S_IFCHR | 0600, makedev(1, 3)); },
         false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.planted);
        TempDir dir;
        const std::string path = dir.file("set_tmp.ini"), victim = dir.file("victim");
        WriteAll(victim, "victim's bytes");
        if (c.plant(path.c_str(), victim.c_str()) != 0) {
            ASSERT_STREQ(c.planted, "device");
            continue;
        }
        File file;
        EXPECT_EQ(file.open(path, File::Mode::Read, File::Target::OwnFileOnly), c.opensToRead);
        file.close();
        EXPECT_EQ(file.open(path, File::Mode::Write, File::Target::OwnFileOnly), c.opensToWrite);
        EXPECT_EQ(file.isOpen() && file.write(std::string("new")), c.opensToWrite);
        file.close();

        EXPECT_EQ(ReadAll(victim), "victim's bytes");
        struct stat st {};
        ASSERT_EQ(::lstat(path.c_str(), &st), 0);
        EXPECT_EQ(S_ISREG(st.st_mode), c.opensToWrite); // else left as it was
        if (c.opensToWrite) {
            EXPECT_EQ(st.st_nlink, 1u);
            EXPECT_EQ(st.st_mode & 0777, 0600u);
            EXPECT_EQ(ReadAll(path), "new");
        }
    }
}

} // namespace
