// Discovery on Linux against real FAT image files: a mount table whose
// sources name the image files stands in for the mounted devices, and libblkid
// probes the files as it would probe the devices.
#include "Volume_list_linux.h"
#include "Device_path.h"
#include "TestSupport.h"
#include "Volume_fixtures.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace qm;
namespace fs = std::filesystem;

namespace {

const qmtest::Message kNoDeviceMessage{"Не удалось соединиться с устройством ", ""};

class LinuxVolumesTest : public testing::Test {
protected:
    // A FAT image in the test's folder with the given serial, with set.ini
    // (any 2048 bytes will do: discovery does not read it) unless told not to.
    std::string image(const std::string& name, std::uint32_t serial, bool withSettings = true) {
        const std::string path = dir.file(name);
        qmtest::MakeFatImage(path, serial);
        if (withSettings)
            qmtest::PutIntoImage(path, "set.ini", std::string(2048, '\n'));
        return path;
    }

    // The mount table file with these lines, and the folder of by-uuid links.
    void table(const std::string& lines) { qmtest::WriteAll(dir.file("mountinfo"), lines); }
    std::string links() {
        fs::create_directories(dir.file("by-uuid"));
        return dir.file("by-uuid");
    }
    void link(const std::string& name, const std::string& target) {
        fs::create_symlink(target, links() + "/" + name);
    }

    std::string find() {
        const auto volumes = LinuxVolumes(dir.file("mountinfo"), dir.file("by-uuid"));
        return FindDevicePath(*volumes, messages);
    }

    qmtest::TempDir dir;
    qmtest::RecordingMessages messages;
};

const char kSystemLines[] =
    "22 28 0:21 / /sys rw,nosuid,nodev,noexec,relatime shared:7 - sysfs sysfs rw\n"
    "23 28 0:22 / /proc rw,nosuid,nodev,noexec,relatime shared:12 - proc proc rw\n"
    "31 28 0:26 / /run rw,nosuid,nodev,noexec,relatime shared:5 - tmpfs tmpfs rw\n";

TEST_F(LinuxVolumesTest, BoardIsFoundAmongOtherVolumes) {
    const std::string stick = image("stick.img", 0x1A2B3C4D);
    const std::string board = image("board.img", kBoardSerial);
    table(std::string(kSystemLines) + qmtest::MountinfoLine(40, "/", stick) +
          qmtest::MountinfoLine(41, "/media/tech/QMBOARD", board) +
          qmtest::MountinfoLine(42, "/media/tech/USB", stick));

    EXPECT_EQ(find(), "/media/tech/QMBOARD/set.ini");
    EXPECT_TRUE(messages.shown.empty());

    const auto volumes = LinuxVolumes(dir.file("mountinfo"), dir.file("by-uuid"));
    EXPECT_EQ(volumes->roots(),
              (std::vector<std::string>{"/", "/media/tech/QMBOARD", "/media/tech/USB"}));
    EXPECT_EQ(volumes->serialOf("/media/tech/USB"), 0x1A2B3C4Du);
    EXPECT_EQ(volumes->serialOf("/media/tech/QMBOARD"), kBoardSerial);
    EXPECT_EQ(volumes->serialOf("/media/tech/elsewhere"), std::nullopt);
    EXPECT_EQ(volumes->settingsPath("/"), "/set.ini");
}

TEST_F(LinuxVolumesTest, OfTwoBoardsTheOneWhoseMountPointSortsFirstWins) {
    const std::string first = image("first.img", kBoardSerial);
    const std::string second = image("second.img", kBoardSerial);
    table(qmtest::MountinfoLine(40, "/media/tech/QMBOARD1", second) +
          qmtest::MountinfoLine(41, "/media/tech/QMBOARD", first));

    EXPECT_EQ(find(), "/media/tech/QMBOARD/set.ini");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LinuxVolumesTest, WithoutABoardOneMessageAndZero) {
    const std::string stick = image("stick.img", 0x1A2B3C4D);
    const std::string card = image("card.img", 0xC2089527);
    table(std::string(kSystemLines) + qmtest::MountinfoLine(40, "/media/tech/USB", stick) +
          qmtest::MountinfoLine(41, "/media/tech/CARD", card) +
          qmtest::MountinfoLine(42, "/media/tech/GONE", dir.file("missing.img")));

    EXPECT_EQ(find(), "0");
    EXPECT_EQ(messages.shown, std::vector<qmtest::Message>{kNoDeviceMessage});
}

TEST_F(LinuxVolumesTest, SourceWithoutAFileSystemDoesNotMatch) {
    const std::string board = image("board.img", kBoardSerial);
    const std::string noise = dir.file("noise.bin");
    qmtest::WriteAll(noise, std::string(65536, '\x5A'));
    table(qmtest::MountinfoLine(40, "/media/a", noise) +
          qmtest::MountinfoLine(41, "/media/b", board));

    EXPECT_EQ(find(), "/media/b/set.ini");
}

TEST_F(LinuxVolumesTest, BoardWithoutSetIniIsStillTheDevice) {
    const std::string board = image("board.img", kBoardSerial, false);
    table(qmtest::MountinfoLine(40, "/media/tech/QMBOARD", board));

    EXPECT_EQ(find(), "/media/tech/QMBOARD/set.ini");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LinuxVolumesTest, MountPointWithBlanks) {
    const std::string board = image("board.img", kBoardSerial);
    table(qmtest::MountinfoLine(40, "/media/tech/QM BOARD", board));

    EXPECT_EQ(find(), "/media/tech/QM BOARD/set.ini");
}

TEST_F(LinuxVolumesTest, UnreadableMountTableOneMessageAndZero) {
    EXPECT_EQ(find(), "0"); // no mountinfo file was made
    EXPECT_EQ(messages.shown, std::vector<qmtest::Message>{kNoDeviceMessage});
}

TEST_F(LinuxVolumesTest, BoardMountedOverIsNotSeen) {
    const std::string board = image("board.img", kBoardSerial);
    const std::string stick = image("stick.img", 0x1A2B3C4D);
    table(qmtest::MountinfoLine(40, "/media/tech/QMBOARD", board) +
          qmtest::MountinfoLine(41, "/media/tech/QMBOARD", stick));

    EXPECT_EQ(find(), "0");
}

TEST_F(LinuxVolumesTest, ByUuidLinkNameGivesTheSerial) {
    // The file system says 1111-1111, udev's link says the board: the link is
    // taken, and it is found through a relative target.
    const std::string volume = image("volume.img", 0x11111111);
    table(qmtest::MountinfoLine(40, "/media/tech/QMBOARD", volume));
    link("C208-9526", "../volume.img");

    EXPECT_EQ(find(), "/media/tech/QMBOARD/set.ini");
}

TEST_F(LinuxVolumesTest, ByUuidLinkIsTakenBeforeProbing) {
    const std::string board = image("board.img", kBoardSerial);
    table(qmtest::MountinfoLine(40, "/media/tech/QMBOARD", board));
    link("1111-1111", board);

    EXPECT_EQ(find(), "0");
}

TEST_F(LinuxVolumesTest, ByUuidLinkMatchesASourceNamedThroughALink) {
    // As /dev/mapper/x and the link ../../dm-0 name the same device.
    const std::string volume = image("volume.img", 0x11111111);
    fs::create_directories(dir.file("mapper"));
    fs::create_symlink("../volume.img", dir.file("mapper/board"));
    table(qmtest::MountinfoLine(40, "/media/tech/QMBOARD", dir.file("mapper/board")));
    link("0A1B2C3DC2089526", volume); // an NTFS serial: its low half counts

    EXPECT_EQ(find(), "/media/tech/QMBOARD/set.ini");
}

TEST_F(LinuxVolumesTest, ByUuidLinksToOtherDevicesAreIgnored) {
    const std::string stick = image("stick.img", 0x1A2B3C4D);
    const std::string board = image("board.img", kBoardSerial); // not mounted
    table(qmtest::MountinfoLine(40, "/media/tech/USB", stick));
    link("C208-9526", board);
    link("DEAD-BEEF", dir.file("missing.img")); // dangling
    qmtest::WriteAll(links() + "/FFFF-0000", "not a link");

    const auto volumes = LinuxVolumes(dir.file("mountinfo"), dir.file("by-uuid"));
    EXPECT_EQ(volumes->serialOf(volumes->roots().at(0)), 0x1A2B3C4Du); // probed
    EXPECT_EQ(find(), "0");
}

} // namespace
