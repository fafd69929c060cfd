#include "Device_path.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <utility>

using namespace qm;

namespace {

const qmtest::Message kNoDeviceMessage{"Не удалось соединиться с устройством ", ""};

// Drive-letter volumes with fixed serials; records which roots were asked.
class FakeVolumes : public VolumeList {
public:
    explicit FakeVolumes(std::vector<std::pair<std::string, std::optional<std::uint32_t>>> v)
        : volumes_(std::move(v)) {}

    std::vector<std::string> roots() override {
        std::vector<std::string> result;
        for (const auto& volume : volumes_)
            result.push_back(volume.first);
        return result;
    }
    std::optional<std::uint32_t> serialOf(const std::string& root) override {
        asked.push_back(root);
        for (const auto& volume : volumes_) {
            if (volume.first == root)
                return volume.second;
        }
        return std::nullopt;
    }
    std::string settingsPath(const std::string& root) const override {
        return root.substr(0, 1) + ":\\set.ini";
    }

    std::vector<std::string> asked;

private:
    std::vector<std::pair<std::string, std::optional<std::uint32_t>>> volumes_;
};

struct WalkCase {
    const char* name;
    std::vector<std::pair<std::string, std::optional<std::uint32_t>>> volumes;
    std::string expectedPath;
    std::vector<std::string> expectedAsked;
    std::vector<std::string> everyBoard; // the roots FindBoards finds, all asked
};

class FindDevicePathWalk : public testing::TestWithParam<WalkCase> {};

TEST_P(FindDevicePathWalk, YieldsThePathOfTheFirstBoardVolume) {
    const WalkCase& c = GetParam();
    FakeVolumes volumes(c.volumes);
    qmtest::RecordingMessages messages;

    EXPECT_EQ(FindDevicePath(volumes, messages), c.expectedPath);
    EXPECT_EQ(volumes.asked, c.expectedAsked);
    if (c.expectedPath == "0")
        EXPECT_EQ(messages.shown, std::vector<qmtest::Message>{kNoDeviceMessage});
    else
        EXPECT_TRUE(messages.shown.empty());

    std::vector<std::string> every;
    for (const Board& board : FindBoards(volumes)) {
        every.push_back(board.root);
        EXPECT_EQ(board.settingsPath, volumes.settingsPath(board.root));
    }
    EXPECT_EQ(every, c.everyBoard);
}

const std::optional<std::uint32_t> kNone;

INSTANTIATE_TEST_SUITE_P(
    Volumes, FindDevicePathWalk,
    testing::Values(
        WalkCase{"BoardOnE",
                 {{"C:\\", 0x1A2B3C4D}, {"D:\\", kNone}, {"E:\\", kBoardSerial}},
                 "E:\\set.ini",
                 {"C:\\", "D:\\", "E:\\"},
                 {"E:\\"}},
        WalkCase{"LowerLetterWinsAndLaterVolumesAreNotAsked",
                 {{"C:\\", 0x1A2B3C4D}, {"F:\\", kBoardSerial}, {"G:\\", kBoardSerial}},
                 "F:\\set.ini",
                 {"C:\\", "F:\\"},
                 {"F:\\", "G:\\"}},
        WalkCase{"FirstVolumeIsTheBoard",
                 {{"A:\\", kBoardSerial}, {"C:\\", 0}},
                 "A:\\set.ini",
                 {"A:\\"},
                 {"A:\\"}},
        WalkCase{"NoBoard",
                 {{"C:\\", 0x1A2B3C4D}, {"D:\\", kNone}, {"E:\\", 0xC2089527}},
                 "0",
                 {"C:\\", "D:\\", "E:\\"},
                 {}},
        WalkCase{"SerialWithHalvesSwappedIsNoBoard", {{"C:\\", 0x9526C208}}, "0", {"C:\\"}, {}},
        WalkCase{"NoVolumesAtAll", {}, "0", {}, {}}),
    [](const testing::TestParamInfo<WalkCase>& info) { return std::string(info.param.name); });

TEST(FindDevicePathTest, EveryWalkAsksTheVolumesAgain) {
    FakeVolumes volumes({{"C:\\", 0x1A2B3C4D}});
    qmtest::RecordingMessages messages;
    EXPECT_EQ(FindDevicePath(volumes, messages), "0");
    EXPECT_EQ(FindDevicePath(volumes, messages), "0");
    EXPECT_EQ(volumes.asked, (std::vector<std::string>{"C:\\", "C:\\"}));
    EXPECT_EQ(messages.shown, (std::vector<qmtest::Message>{kNoDeviceMessage, kNoDeviceMessage}));
}

} // namespace

namespace {

// The board's set.ini by whatever name a path gives it: only set.ini in the
// root of a volume with the board's serial is the board; the roots are real
// folders, told apart by identity, not by spelling.
TEST(IsBoardSettingsPathTest, TellsTheBoardsSetIniByItsPath) {
    qmtest::TempDir dir;
    const std::string board = dir.file("board"), near = dir.file("near");
    std::filesystem::create_directories(std::filesystem::u8path(board + "/sub"));
    std::filesystem::create_directories(std::filesystem::u8path(near));
    qmtest::WriteAll(board + "/set.ini", "the board's");
    const struct {
        std::string path;
        bool board;
    } cases[] = {
        {board + "/set.ini", true},
        {board + "/SET.INI", true},
        {board + "/sub/../set.ini", true},
        {near + "/../board/set.ini", true},
        {board + "/sub/set.ini", false}, // not in the volume's root
        {board + "/other.ini", false},
        {near + "/set.ini", false}, // a volume without the board's serial
        {board, false},
    };
    FakeVolumes volumes({{near, 0x9526C208}, {board, kBoardSerial}});
    for (const auto& c : cases)
        EXPECT_EQ(IsBoardSettingsPath(volumes, c.path), c.board) << c.path;
    // Only the volume that holds the file is asked for its serial.
    EXPECT_EQ(volumes.asked, (std::vector<std::string>{board, board, board, board, near}));

    // A link that a store follows to the board's set.ini writes the board.
    std::error_code noLinks;
    std::filesystem::create_symlink(std::filesystem::u8path(board + "/set.ini"),
                                    std::filesystem::u8path(near + "/chair.ini"), noLinks);
    if (!noLinks) {
        EXPECT_TRUE(IsBoardSettingsPath(volumes, near + "/chair.ini"));
    }
}

} // namespace
