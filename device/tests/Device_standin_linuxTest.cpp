// The board stand-in qmboard: its image must look to blkid, mtools, the
// discovery and the settings reader exactly like the board.
#include "Device_path.h"
#include "Read_file.h"
#include "Set_def.h"
#include "Settings.h"
#include "Settings_image.h"
#include "TestSupport.h"
#include "Volume_fixtures.h"
#include "Volume_list_linux.h"
#include "Write_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <optional>

using namespace qm;
namespace fs = std::filesystem;

namespace {

class StandinTest : public testing::Test {
protected:
    int qmboard(const std::string& arguments) {
        return qmtest::Shell(qmtest::Quoted(QMBOARD_PATH) + " " + arguments + " >/dev/null");
    }
    std::string boardImage() const { return dir.file("board.img"); }
    std::string settingsOnBoard() {
        return qmtest::ReadFromImage(boardImage(), "set.ini", dir.file("set.ini"));
    }

    qmtest::TempDir dir;
    qmtest::RecordingMessages messages;
};

// The factory settings file with "ID=" + id as its second line.
std::string defaultsWithId(const std::string& id) {
    std::string text = SettingsFileText(Set_def(), false);
    return text.insert(std::strlen("[SYSTEM]\r\n"), "ID=" + id + "\r\n");
}

TEST_F(StandinTest, ImageIsABoardVolumeWithAValidSettingsImage) {
    ASSERT_EQ(qmboard(qmtest::Quoted(boardImage())), 0);

    EXPECT_EQ(qmtest::BlkidUuid(boardImage()), "C208-9526");

    const std::string image = settingsOnBoard();
    ASSERT_EQ(image.size(), kImageSize);
    EXPECT_TRUE(CheckImage(reinterpret_cast<const std::uint8_t*>(image.data())));
    EXPECT_EQ(image, ComposeImage(defaultsWithId("QM 1.2.3.4.5")));

    // The reader takes the label and the factory settings from it.
    Settings expected = Set_def();
    CopyText(expected.serial, kSerialSize, "QM 1.2.3.4.5");
    const std::optional<Settings> read = Read_file(dir.file("set.ini"), messages);
    ASSERT_TRUE(read);
    EXPECT_TRUE(*read == expected);
    EXPECT_TRUE(messages.shown.empty());

    // Discovery finds it once mounted.
    qmtest::WriteAll(dir.file("mountinfo"),
                     qmtest::MountinfoLine(50, "/media/tech/QMBOARD", boardImage()));
    const auto volumes = LinuxVolumes(dir.file("mountinfo"), dir.file("by-uuid"));
    EXPECT_EQ(FindDevicePath(*volumes, messages), "/media/tech/QMBOARD/set.ini");
}

TEST_F(StandinTest, BlankBoardCarriesTheBlankMarker) {
    ASSERT_EQ(qmboard("--blank " + qmtest::Quoted(boardImage())), 0);

    const std::string image = settingsOnBoard();
    EXPECT_TRUE(CheckImage(reinterpret_cast<const std::uint8_t*>(image.data())));
    EXPECT_EQ(image, ComposeImage(defaultsWithId("\xFF")));
    const std::optional<Settings> read = Read_file(dir.file("set.ini"), messages);
    ASSERT_TRUE(read);
    EXPECT_EQ(static_cast<unsigned char>(read->serial[0]), kBlankSerialMarker);
}

TEST_F(StandinTest, LabelIsWrittenInCodePage1251) {
    ASSERT_EQ(qmboard("--label 'QM Ж.2.3' --size 2048 " + qmtest::Quoted(boardImage())), 0);

    EXPECT_EQ(settingsOnBoard(), ComposeImage(defaultsWithId("QM \xC6.2.3")));
    EXPECT_EQ(fs::file_size(boardImage()), 2048u * 1024u);
}

TEST_F(StandinTest, UnfitArgumentsMakeNoImage) {
    EXPECT_NE(qmboard("--label 'QM 1.2.3.4.5.6' " + qmtest::Quoted(boardImage())), 0);
    EXPECT_NE(qmboard("--label '' " + qmtest::Quoted(boardImage())), 0);
    EXPECT_NE(qmboard("--label 'QM ☺' " + qmtest::Quoted(boardImage())), 0);
    EXPECT_NE(qmboard("--size 64 " + qmtest::Quoted(boardImage())), 0);
    EXPECT_NE(qmboard("--size 1k " + qmtest::Quoted(boardImage())), 0);
    EXPECT_NE(qmboard("--frobnicate " + qmtest::Quoted(boardImage())), 0);
    EXPECT_NE(qmboard(""), 0);
    EXPECT_FALSE(fs::exists(boardImage()));
}

TEST_F(StandinTest, ExistingFileIsReplacedOnlyWhenForced) {
    qmtest::WriteAll(boardImage(), "keep me");
    EXPECT_NE(qmboard(qmtest::Quoted(boardImage())), 0);
    EXPECT_EQ(qmtest::ReadAll(boardImage()), "keep me");

    ASSERT_EQ(qmboard("--force " + qmtest::Quoted(boardImage())), 0);
    EXPECT_EQ(qmtest::BlkidUuid(boardImage()), "C208-9526");
}

} // namespace
