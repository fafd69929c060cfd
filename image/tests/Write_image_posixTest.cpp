// Stores that meet what only POSIX systems have: FIFOs, /dev/full, symbolic
// links, file owners, permissions that do not stop root, and mounts.
#include "Image_transfer.h"

#include "ImageTestPosix.h"
#include "ImageTestSupport.h"
#include "Settings.h"
#include "Write_file.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iterator>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

using WriteImagePosixTest = ImageTest;

// Every flush error of the target ends the store in S5, with no file left
// where there was none.
TEST_F(WriteImagePosixTest, FlushErrorsOfTheTarget) {
    for (const int error : {EIO, ENOSPC, EROFS, EDQUOT, EINVAL}) {
        const std::string target = dir.file("set.ini");
        const int result = InChildProcess([&] {
            if (!FailEveryFsyncWith(error))
                return 100;
            return static_cast<int>(store(target));
        });
        ASSERT_NE(result, 100) << "the seccomp filter could not be installed";
        EXPECT_EQ(result, static_cast<int>(ImageResult::S5)) << std::strerror(error);
        EXPECT_FALSE(fs::exists(target)) << std::strerror(error);
    }
}

TEST_F(WriteImagePosixTest, ReadOnlyTargetFolderEndsInS5) {
    const std::string folder = dir.file("board");
    fs::create_directory(folder);
    WriteAll(folder + "/set.ini", "as the board holds it");
    // Permissions do not stop root; a read-only mount does.
    std::unique_ptr<ScratchMount> board;
    if (::geteuid() == 0) {
        board = std::make_unique<ScratchMount>(folder, "tmpfs", "size=64k");
        if (!board->ok())
            GTEST_SKIP() << board->why();
        WriteAll(folder + "/set.ini", "as the board holds it");
        ASSERT_TRUE(board->makeReadOnly());
    } else {
        fs::permissions(folder + "/set.ini", fs::perms::owner_read);
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    }
    EXPECT_EQ(store(folder + "/set.ini"), ImageResult::S5);
    EXPECT_EQ(store(folder + "/new.ini"), ImageResult::S5);
    EXPECT_EQ(ReadAll(folder + "/set.ini"), "as the board holds it");
    if (!board)
        fs::permissions(folder, fs::perms::owner_all); // so the folder can be removed
}

TEST_F(WriteImagePosixTest, FullTargetVolumeEndsInS5) {
    const std::string folder = dir.file("board");
    fs::create_directory(folder);
    ScratchMount board(folder, "tmpfs", "size=4k");
    if (!board.ok())
        GTEST_SKIP() << board.why();
    WriteAll(folder + "/filler", std::string(4096, 'f'));
    // The new file finds no room, and nothing of it stays behind.
    EXPECT_EQ(store(folder + "/set.ini"), ImageResult::S5);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(WriteImagePosixTest, LinkPlantedAtTheTempFileIsNeverWrittenThrough) {
    const std::string victim = dir.file("victim");
    WriteAll(victim, ReferenceImage(TinySettingsText("stale")));
    ASSERT_EQ(::symlink(victim.c_str(), tempPath().c_str()), 0);
    const std::string target = dir.file("set.ini");
    EXPECT_EQ(store(target), ImageResult::S1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (Message{"Не удаётся создать файл ", tempPath()}));
    EXPECT_EQ(ReadAll(victim), ReferenceImage(TinySettingsText("stale")));
    EXPECT_FALSE(fs::exists(target));
}

// On both roads a second name of another file at T gives way to a fresh,
// private T, and the file keeps its bytes. (The other kinds of entry:
// PrivateFileTest; a folder at T: FolderAtTheTempFileEndsInS1 and ...InL3.)
TEST_F(WriteImagePosixTest, HardLinkPlantedAtTheTempFileGivesWay) {
    const std::string victim = dir.file("victim");
    const std::string source = dir.file("source.ini");
    WriteAll(source, DefaultsImage());
    for (const bool storing : {true, false}) {
        WriteAll(victim, "victim's bytes");
        fs::remove(tempPath());
        ASSERT_EQ(::link(victim.c_str(), tempPath().c_str()), 0);
        EXPECT_EQ(storing ? store(dir.file("set.ini")) : load(source), ImageResult::Success);
        EXPECT_EQ(ReadAll(victim), "victim's bytes");
        struct stat st {};
        ASSERT_EQ(::lstat(tempPath().c_str(), &st), 0);
        EXPECT_TRUE(S_ISREG(st.st_mode) && st.st_nlink == 1 && (st.st_mode & 0777) == 0600);
    }
}

TEST_F(WriteImagePosixTest, AnotherUsersTempFileIsLeftAloneAndEndsInS1) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root";
    WriteAll(tempPath(), "another user's file");
    ASSERT_EQ(::chown(tempPath().c_str(), 65534, 65534), 0);
    const std::string target = dir.file("set.ini");
    EXPECT_EQ(store(target), ImageResult::S1);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(ReadAll(tempPath()), "another user's file");
    EXPECT_FALSE(fs::exists(target));
}

// The writer cannot create T, but an earlier run left a complete, readable T:
// it must not reach the board. Root passes over the read-only folder to
// $TMPDIR and stores the fresh record; others end in S1.
TEST_F(WriteImagePosixTest, StaleTempFileIsNotStoredWhenTheWriterFails) {
    CopyText(settings.SET01, kLongTextSize, "stale.apn");
    const std::string fallback = dir.file("fallback");
    fs::create_directory(fallback);
    EnvVar tmpdir("TMPDIR", fallback);
    std::unique_ptr<ScratchMount> temp;
    if (::geteuid() == 0) {
        temp = std::make_unique<ScratchMount>(tempDir(), "tmpfs", "size=64k,mode=0700");
        if (!temp->ok())
            GTEST_SKIP() << temp->why();
        WriteAll(tempPath(), SettingsFileText(settings, false));
        ASSERT_TRUE(temp->makeReadOnly());
    } else {
        WriteAll(tempPath(), SettingsFileText(settings, false));
        fs::permissions(tempPath(), fs::perms::owner_read);
    }
    CopyText(settings.SET01, kLongTextSize, "fresh.apn");

    const std::string target = dir.file("set.ini");
    if (temp) {
        EXPECT_EQ(store(target), ImageResult::Success);
        EXPECT_EQ(ReadAll(target), ReferenceImage(SettingsFileText(settings, false)));
    } else {
        EXPECT_EQ(store(target), ImageResult::S1);
        EXPECT_EQ(messages.shown.size(), 1u);
        EXPECT_FALSE(fs::exists(target));
    }
}

TEST_F(WriteImagePosixTest, WriterErrorIsPassedOn) {
    ScratchMount temp(tempDir(), "tmpfs", "size=4k,mode=0700");
    if (!temp.ok())
        GTEST_SKIP() << temp.why();
    WriteAll(tempDir() + "/filler", std::string(4096, 'f'));
    const std::string target = dir.file("set.ini");
    EXPECT_THROW(store(target), WriteError);
    EXPECT_FALSE(fs::exists(target));
}

} // namespace
