// The private file (the temporary file's rules) against what can be planted
// at its path, and the flush of a regular file.
#include "File.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace qm;
using namespace qmtest;

namespace {

enum class Planted { Nothing, OwnFile, OpenFile, HardLink, Fifo, Folder, SymbolicLink, Device };

struct EntryCase {
    Planted planted;
    bool opensToRead;
    bool opensToWrite; // and is then a fresh private file
};

TEST(PrivateFileTest, OnlyAFileOfItsOwnIsReadOrWritten) {
    const EntryCase cases[] = {
        {Planted::Nothing, false, true},       {Planted::OwnFile, true, true},
        {Planted::OpenFile, true, true},       {Planted::HardLink, false, true},
        {Planted::Fifo, false, true},          {Planted::Folder, false, false},
        {Planted::SymbolicLink, false, false}, {Planted::Device, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.planted));
        TempDir dir;
        const std::string path = dir.file("set_tmp.ini");
        const std::string victim = dir.file("victim");
        WriteAll(victim, "victim's bytes");
        switch (c.planted) {
        case Planted::Nothing:
            break;
        case Planted::OwnFile:
            WriteAll(path, "old text");
            break;
        case Planted::OpenFile: // left readable by others
            WriteAll(path, "old text");
            ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
            break;
        case Planted::HardLink:
            ASSERT_EQ(::link(victim.c_str(), path.c_str()), 0);
            break;
        case Planted::Fifo:
            ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            break;
        case Planted::Folder:
            ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
            break;
        case Planted::SymbolicLink:
            ASSERT_EQ(::symlink(victim.c_str(), path.c_str()), 0);
            break;
        case Planted::Device: // as /dev/null is
            if (::mknod(path.c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0)
                continue; // making a device needs root
            break;
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
        if (c.opensToWrite) {
            ASSERT_TRUE(S_ISREG(st.st_mode));
            EXPECT_EQ(st.st_nlink, 1u);
            EXPECT_EQ(st.st_mode & 0777, 0600u);
            EXPECT_EQ(ReadAll(path), "new");
        } else {
            EXPECT_FALSE(S_ISREG(st.st_mode)); // left as it was
        }
    }
}

} // namespace
