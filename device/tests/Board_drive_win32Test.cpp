// The board found among the logical drives of Windows and its set.ini read
// and written through the drive letter. Runs where a drive is set up as the
// board and named by QMCONF_TEST_BOARD_DRIVE (its letter): volume serial
// C208-9526, set.ini as the board holds it (label "QM 1.2.3.4.5"). When
// QMCONF_TEST_NEAR_DRIVE names a second drive, it has a lower letter and the
// serial 9526-C208, the board's with its halves swapped, and must be passed
// over. scripts/windows-tests.sh sets both up under Wine.
#include "Device_path.h"
#include "Image_transfer.h"

#include "ImageTestSupport.h"
#include "Settings.h"
#include "Write_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

std::optional<std::string> driveRoot(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || value[0] == '\0')
        return std::nullopt;
    return std::string(1, value[0]) + ":\\";
}

class BoardDriveTest : public ImageTest {
protected:
    void SetUp() override {
        ImageTest::SetUp();
        const auto root = driveRoot("QMCONF_TEST_BOARD_DRIVE");
        if (!root)
            GTEST_SKIP() << "no drive is set up as the board (QMCONF_TEST_BOARD_DRIVE)";
        board = *root;
        settingsPath = board.substr(0, 2) + "\\set.ini";
        original = ReadAll(settingsPath);
    }
    void TearDown() override {
        // What the board held before the test, for the tests after it.
        if (!board.empty())
            WriteAll(settingsPath, original);
        ImageTest::TearDown();
    }

    std::string board;        // "Q:\"
    std::string settingsPath; // "Q:\set.ini"
    std::string original;
};

TEST_F(BoardDriveTest, BoardIsFoundByItsSerialAmongTheLogicalDrives) {
    const auto volumes = SystemVolumes();
    const std::vector<std::string> roots = volumes->roots();
    ASSERT_NE(std::find(roots.begin(), roots.end(), board), roots.end()) << board;
    EXPECT_EQ(volumes->serialOf(board), kBoardSerial);
    if (const auto near = driveRoot("QMCONF_TEST_NEAR_DRIVE")) {
        ASSERT_NE(std::find(roots.begin(), roots.end(), *near), roots.end()) << *near;
        ASSERT_LT(*near, board);
        EXPECT_EQ(volumes->serialOf(*near), 0x9526C208u);
    }
    EXPECT_EQ(FindDevicePath(*volumes, messages), settingsPath);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(BoardDriveTest, BoardsSetIniLoadsWithItsLabel) {
    ASSERT_EQ(load(FindDevicePath(*SystemVolumes(), messages)), ImageResult::Success);
    EXPECT_STREQ(settings.serial, "QM 1.2.3.4.5");
    EXPECT_STREQ(settings.SET01, "internet.mts.ru");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(BoardDriveTest, StoreToTheBoardThenLoadItBack) {
    CopyText(settings.SET01, kLongTextSize, "board.apn");
    const std::string path = FindDevicePath(*SystemVolumes(), messages);
    ASSERT_EQ(store(path), ImageResult::Success);
    EXPECT_EQ(ReadAll(settingsPath), ReferenceImage(SettingsFileText(settings, false)));

    ASSERT_EQ(load(path), ImageResult::Success);
    EXPECT_STREQ(settings.SET01, "board.apn");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(BoardDriveTest, BoardWithoutSetIniIsStillTheDeviceAndLoadsInL1) {
    ASSERT_TRUE(fs::remove(settingsPath));
    EXPECT_EQ(FindDevicePath(*SystemVolumes(), messages), settingsPath);
    EXPECT_EQ(load(settingsPath), ImageResult::L1);
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
