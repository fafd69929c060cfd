// Stores that fail or are cut short never cost a file or the board its
// settings; readers and users of one machine never turn each other away.
// The cuts are real: a process whose files may not grow past N bytes
// (RLIMIT_FSIZE) sees the write fail there or is killed there (SIGXFSZ).
#include "Image_transfer.h"

#include "ImageTestPosix.h"
#include "ImageTestSupport.h"
#include "Settings.h"
#include "Settings_image.h"
#include "Source_read.h"
#include "Write_file.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <filesystem>
#include <grp.h>
#include <memory>
#include <set>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

enum class Kind { File, SymbolicLink, HardLink, ExFatBoard, VfatBoard };

const char* nameOf(Kind kind) {
    switch (kind) {
    case Kind::File:
        return "file";
    case Kind::SymbolicLink:
        return "symbolic link";
    case Kind::HardLink:
        return "hard link";
    case Kind::ExFatBoard:
        return "exFAT board";
    case Kind::VfatBoard:
        return "FAT board";
    }
    return "";
}

std::set<std::string> entriesOf(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

class DurableStoreTest : public ImageTest {
protected:
    // WriteImage in a child process whose files may not grow past limit
    // bytes: past it the write fails, or the process is killed right there.
    // The child's result, or -1 when it was killed.
    int storeCutAt(const std::string& path, std::size_t limit, bool killed) {
        return InChildProcess([&] {
            const rlimit noCore{0, 0};
            const rlimit size{limit, limit};
            if (::setrlimit(RLIMIT_CORE, &noCore) != 0 ||
                std::signal(SIGXFSZ, killed ? SIG_DFL : SIG_IGN) == SIG_ERR ||
                ::setrlimit(RLIMIT_FSIZE, &size) != 0)
                return 100;
            return static_cast<int>(store(path));
        });
    }
};

// Over a chair file, through a link, over a file of two names and on a real
// board volume: whatever the cut, the file holds the old image or the new,
// never a part; a failed store leaves the old; the next store is whole and
// leaves nothing of its own beside the file.
TEST_F(DurableStoreTest, StoreCutShortLeavesTheOldImageWhole) {
    const std::string oldImage = DefaultsImage();
    CopyText(settings.SET01, kLongTextSize, "new.apn");
    const std::string newImage = ReferenceImage(SettingsFileText(settings, false));
    const std::size_t textPart = newImage.find("\r\n", newImage.find("CRC=")) + 2;
    // Past T's text part, which the child writes too, short of the image.
    const std::size_t limits[] = {textPart + 1, (textPart + kImageSize) / 2, kImageSize - 1};

    for (const Kind kind :
         {Kind::File, Kind::SymbolicLink, Kind::HardLink, Kind::ExFatBoard, Kind::VfatBoard}) {
        const std::string folder = dir.file(nameOf(kind));
        fs::create_directory(folder);
        const bool onBoard = kind == Kind::ExFatBoard || kind == Kind::VfatBoard;
        std::unique_ptr<BoardVolume> board;
        if (onBoard) {
            board = std::make_unique<BoardVolume>(
                kind == Kind::ExFatBoard ? BoardVolume::Kind::ExFat : BoardVolume::Kind::Vfat,
                dir.path(), folder);
            if (!board->ok()) {
                std::cout << nameOf(kind) << " left out: " << board->why() << "\n";
                continue;
            }
        }
        const std::string file = folder + (onBoard ? "/set.ini" : "/chair.ini");
        std::string path = file;
        std::set<std::string> entries = {fs::path(file).filename().string()};
        if (kind == Kind::SymbolicLink) {
            path = folder + "/link.ini";
            fs::create_symlink("chair.ini", path);
            entries.insert("link.ini");
        }
        for (const std::size_t limit : limits) {
            for (const bool killed : {false, true}) {
                SCOPED_TRACE(std::string(nameOf(kind)) + ", cut at " + std::to_string(limit) +
                             (killed ? ", killed" : ", write fails"));
                WriteAll(file, oldImage);
                if (kind == Kind::HardLink && !fs::exists(folder + "/other.ini")) {
                    fs::create_hard_link(file, folder + "/other.ini");
                    entries.insert("other.ini");
                }
                const int result = storeCutAt(path, limit, killed);
                ASSERT_NE(result, 100) << "the size limit could not be set";
                EXPECT_NE(result, static_cast<int>(ImageResult::Success));
                const std::string left = ReadAll(file);
                EXPECT_TRUE(left == oldImage) << left.size() << " bytes left, not the old image";

                ASSERT_EQ(store(path), ImageResult::Success);
                EXPECT_EQ(ReadAll(file), newImage);
                EXPECT_EQ(entriesOf(folder), entries);
                EXPECT_EQ(fs::is_symlink(path), kind == Kind::SymbolicLink);
                if (kind == Kind::HardLink) {
                    EXPECT_EQ(fs::hard_link_count(file), 2u);
                }
            }
        }
    }
    EXPECT_TRUE(messages.shown.empty());
}

// Where the folder takes no new file, the file is written in place: a volume
// with no room for a second image, a read-only folder with a writable file.
TEST_F(DurableStoreTest, NoRoomForANewFileWritesInPlace) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "a full volume and a second user need root";
    const std::string newImage = ReferenceImage(SettingsFileText(settings, false));
    const std::string full = dir.file("full");
    fs::create_directory(full);
    ScratchMount volume(full, "tmpfs", "size=8k");
    if (!volume.ok())
        GTEST_SKIP() << volume.why();
    WriteAll(full + "/set.ini", Damaged(newImage));
    WriteAll(full + "/filler", std::string(4096, 'f'));
    EXPECT_EQ(store(full + "/set.ini"), ImageResult::Success);
    EXPECT_EQ(ReadAll(full + "/set.ini"), newImage);
    EXPECT_EQ(entriesOf(full), (std::set<std::string>{"filler", "set.ini"}));

    // The user may write the file, not the folder.
    const std::string closed = dir.file("closed");
    fs::create_directory(closed);
    WriteAll(closed + "/chair.ini", Damaged(newImage));
    ASSERT_EQ(::chown((closed + "/chair.ini").c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    const std::string temp = dir.file("nobody-run");
    fs::create_directory(temp);
    ASSERT_EQ(::chown(temp.c_str(), 65534, 65534), 0);
    TempDirEnv nobodysTemp(temp);
    const int result = InChildProcess([&] {
        if (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
            ::setresuid(65534, 65534, 65534) != 0)
            return 100;
        return static_cast<int>(store(closed + "/chair.ini"));
    });
    EXPECT_EQ(result, static_cast<int>(ImageResult::Success));
    EXPECT_EQ(ReadAll(closed + "/chair.ini"), newImage);
    EXPECT_EQ(entriesOf(closed), (std::set<std::string>{"chair.ini"}));
}

// A file of two names is written in place; another program that holds it
// (its exclusive lock) for longer than the read-back waits keeps the store
// from checking it. The settings are written, and the store says that, not
// that it failed.
TEST_F(DurableStoreTest, StoreThatCannotBeReadBackSaysWrittenUnchecked) {
    const std::string file = dir.file("chair.ini");
    WriteAll(file, DefaultsImage());
    fs::create_hard_link(file, dir.file("other.ini"));
    CopyText(settings.SET01, kLongTextSize, "new.apn");
    withSerial = true;
    CopyText(settings.serial, kSerialSize, "QM 4");
    const std::string newImage = ReferenceImage(SettingsFileText(settings, true));
    LockHolder other(file);
    ASSERT_TRUE(other.locked());
    EXPECT_EQ(store(file), ImageResult::WrittenUnchecked);
    other.release();
    EXPECT_EQ(ReadAll(file), newImage);
    EXPECT_EQ(ReadAll(dir.file("other.ini")), newImage);
}

// A reader holding the source a moment is waited for; two readers of one
// file, again and again at the same time, never turn each other away.
TEST_F(DurableStoreTest, ReadersOfOneFileWaitForEachOther) {
    const std::string source = dir.file("set.ini");
    WriteAll(source, DefaultsImage());
    std::array<std::uint8_t, kImageSize> buffer{};
    {
        LockHolder other(source);
        ASSERT_TRUE(other.locked());
        std::thread letGo([&other] {
            std::this_thread::sleep_for(kSourceLockWait / 8);
            other.release();
        });
        EXPECT_EQ(ReadSourceExclusive(source, buffer.data(), kImageSize), kImageSize);
        letGo.join();
    }
    const auto reader = [&source] {
        std::array<std::uint8_t, kImageSize> bytes{};
        int refused = 0;
        for (int round = 0; round < 300; ++round)
            if (ReadSourceExclusive(source, bytes.data(), kImageSize) != kImageSize)
                ++refused;
        return std::min(refused, 99);
    };
    EXPECT_EQ(InChildProcesses({reader, reader}), (std::vector<int>{0, 0}));
}

// Two users of one shared, sticky temporary folder (no runtime folder of
// their own): each has T in a private folder of its own there, and neither
// locks the other out.
TEST_F(DurableStoreTest, TwoUsersOfOneSharedTemporaryFolder) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "a second user needs root";
    const std::string shared = dir.file("shared"), out = dir.file("out");
    fs::create_directory(shared);
    fs::create_directory(out);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    ASSERT_EQ(::chmod(out.c_str(), 01777), 0);
    ASSERT_EQ(::chmod(dir.path().c_str(), 0755), 0);
    EnvVar xdg("XDG_RUNTIME_DIR", std::nullopt);
    EnvVar tmpdir("TMPDIR", shared);

    const auto user = [&](uid_t uid) {
        return [&, uid] {
            if (uid != 0 && (::setgroups(0, nullptr) != 0 || ::setresgid(uid, uid, uid) != 0 ||
                             ::setresuid(uid, uid, uid) != 0))
                return 100;
            const std::string board = out + "/" + std::to_string(uid) + ".ini";
            if (store(board) != ImageResult::Success)
                return 1;
            return load(board) == ImageResult::Success ? 0 : 2;
        };
    };
    // One after the other: the first user's T stays behind for the second.
    EXPECT_EQ(InChildProcess(user(0)), 0);
    EXPECT_EQ(InChildProcess(user(65534)), 0);
    EXPECT_EQ(InChildProcess(user(0)), 0);
    for (const uid_t uid : {0u, 65534u}) {
        const std::string own = shared + "/qmconf-" + std::to_string(uid);
        struct stat st {};
        ASSERT_EQ(::lstat(own.c_str(), &st), 0) << own;
        EXPECT_TRUE(S_ISDIR(st.st_mode) && st.st_uid == uid && (st.st_mode & 0777) == 0700);
        EXPECT_TRUE(fs::exists(own + "/set_tmp.ini"));
    }
    EXPECT_FALSE(fs::exists(shared + "/set_tmp.ini"));
}

} // namespace
