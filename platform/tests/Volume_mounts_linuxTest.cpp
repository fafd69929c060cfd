#include "Volume_list_linux.h"

#include <gtest/gtest.h>

using namespace qm;

namespace {

std::vector<std::string> mountPoints(const std::vector<VolumeMount>& mounts) {
    std::vector<std::string> result;
    for (const VolumeMount& m : mounts)
        result.push_back(m.mountPoint);
    return result;
}

// A desktop's table with the board plugged in, in the kernel's own order.
const char kDesktop[] =
    "22 28 0:21 / /sys rw,nosuid,nodev,noexec,relatime shared:7 - sysfs sysfs rw\n"
    "23 28 0:22 / /proc rw,nosuid,nodev,noexec,relatime shared:12 - proc proc rw\n"
    "28 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw,errors=remount-ro\n"
    "31 28 0:26 / /run rw,nosuid,nodev,noexec,relatime shared:5 - tmpfs tmpfs rw,size=1632320k\n"
    "45 28 8:1 / /boot/efi rw,relatime shared:30 - vfat /dev/sda1 rw,fmask=0077\n"
    "120 28 0:45 / /home/tech/share rw,relatime shared:60 - nfs4 server:/share rw\n"
    "130 31 8:17 / /media/tech/QMBOARD rw,nosuid,nodev,relatime shared:80 - vfat /dev/sdb1 "
    "rw,uid=1000\n"
    "140 28 8:33 / /mnt/backup rw,relatime - ntfs3 /dev/sdc1 rw\n";

TEST(VolumeMountsTest, BlockDeviceVolumesInMountPointOrder) {
    const std::vector<VolumeMount> mounts = VolumeMounts(kDesktop);
    ASSERT_EQ(mountPoints(mounts),
              (std::vector<std::string>{"/", "/boot/efi", "/media/tech/QMBOARD", "/mnt/backup"}));
    EXPECT_EQ(mounts[0].source, "/dev/sda2");
    EXPECT_EQ(mounts[2].source, "/dev/sdb1");
    EXPECT_EQ(mounts[2].major, 8u);
    EXPECT_EQ(mounts[2].minor, 17u);
    EXPECT_EQ(mounts[3].source, "/dev/sdc1"); // a line without optional fields
}

TEST(VolumeMountsTest, EscapedBlanksAndBackslashesAreDecoded) {
    const std::vector<VolumeMount> mounts = VolumeMounts(
        "130 31 8:17 / /media/tech/QM\\040BOARD\\0112 rw - vfat /tmp/my\\134disk\\040a.img rw\n");
    ASSERT_EQ(mounts.size(), 1u);
    EXPECT_EQ(mounts[0].mountPoint, "/media/tech/QM BOARD\t2");
    EXPECT_EQ(mounts[0].source, "/tmp/my\\disk a.img");
}

TEST(VolumeMountsTest, ABackslashWithoutThreeOctalDigitsStaysAsItIs) {
    const std::vector<VolumeMount> mounts =
        VolumeMounts("1 1 8:1 / /media/a\\09 rw - vfat /dev/sdb\\1 rw\n");
    ASSERT_EQ(mounts.size(), 1u);
    EXPECT_EQ(mounts[0].mountPoint, "/media/a\\09");
    EXPECT_EQ(mounts[0].source, "/dev/sdb\\1");
}

TEST(VolumeMountsTest, BindMountOfAFolderInsideAVolumeIsNoVolumeRoot) {
    const std::vector<VolumeMount> mounts =
        VolumeMounts("130 31 8:17 / /media/tech/QMBOARD rw - vfat /dev/sdb1 rw\n"
                     "131 28 8:17 /config /srv/config rw - vfat /dev/sdb1 rw\n");
    EXPECT_EQ(mountPoints(mounts), std::vector<std::string>{"/media/tech/QMBOARD"});
}

TEST(VolumeMountsTest, OnlyTheLastMountAtAMountPointIsSeen) {
    const std::vector<VolumeMount> over =
        VolumeMounts("130 31 8:17 / /media/usb rw - vfat /dev/sdb1 rw\n"
                     "131 130 8:33 / /media/usb rw - vfat /dev/sdc1 rw\n");
    ASSERT_EQ(over.size(), 1u);
    EXPECT_EQ(over[0].source, "/dev/sdc1");

    // A file system without a device hides the volume beneath it all the same.
    EXPECT_TRUE(VolumeMounts("130 31 8:17 / /media/usb rw - vfat /dev/sdb1 rw\n"
                             "131 130 0:50 / /media/usb rw - tmpfs tmpfs rw\n")
                    .empty());
}

TEST(VolumeMountsTest, OrderIsBytewiseSoNonAsciiNamesSortAfterAscii) {
    const std::vector<VolumeMount> mounts =
        VolumeMounts("1 1 8:1 / /media/tech/\xD0\x91 rw - vfat /dev/sdb1 rw\n"
                     "2 1 8:2 / /media/tech/Z rw - vfat /dev/sdc1 rw\n"
                     "3 1 8:3 / /media/tech/A\\040B rw - vfat /dev/sdd1 rw\n"
                     "4 1 8:4 / /media/tech/AB rw - vfat /dev/sde1 rw\n");
    EXPECT_EQ(mountPoints(mounts),
              (std::vector<std::string>{"/media/tech/A B", "/media/tech/AB", "/media/tech/Z",
                                        "/media/tech/\xD0\x91"}));
}

TEST(VolumeMountsTest, MalformedLinesAreSkipped) {
    const std::vector<VolumeMount> mounts =
        VolumeMounts("\n"
                     "garbage\n"
                     "1 1 8:1 / /media/a rw shared:1 vfat /dev/sdb1 rw\n" // no separator
                     "2 1 8-2 / /media/b rw - vfat /dev/sdc1 rw\n"        // bad device number
                     "3 1 :3 / /media/c rw - vfat /dev/sdd1 rw\n"         // no major
                     "4 1 8:4 / /media/d rw - vfat\n"                     // no source
                     "5 1 8:5 / media/e rw - vfat /dev/sdf1 rw\n"         // relative mount point
                     "6 1 8:6 / /media/f rw - vfat /dev/sdg1 rw");        // last line, no end
    EXPECT_EQ(mountPoints(mounts), std::vector<std::string>{"/media/f"});
}

TEST(VolumeMountsTest, EmptyTableHasNoVolumes) {
    EXPECT_TRUE(VolumeMounts("").empty());
}

} // namespace
