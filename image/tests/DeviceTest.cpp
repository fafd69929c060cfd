#include "Device_path.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

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
}

const std::optional<std::uint32_t> kNone;

INSTANTIATE_TEST_SUITE_P(
    Volumes, FindDevicePathWalk,
    testing::Values(WalkCase{"BoardOnE",
                             {{"C:\\", 0x1A2B3C4D}, {"D:\\", kNone}, {"E:\\", kBoardSerial}},
                             "E:\\set.ini",
                             {"C:\\", "D:\\", "E:\\"}},
                    WalkCase{"LowerLetterWinsAndLaterVolumesAreNotAsked",
                             {{"C:\\", 0x1A2B3C4D}, {"F:\\", kBoardSerial}, {"G:\\", kBoardSerial}},
                             "F:\\set.ini",
                             {"C:\\", "F:\\"}},
                    WalkCase{"FirstVolumeIsTheBoard",
                             {{"A:\\", kBoardSerial}, {"C:\\", 0}},
                             "A:\\set.ini",
                             {"A:\\"}},
                    WalkCase{"NoBoard",
                             {{"C:\\", 0x1A2B3C4D}, {"D:\\", kNone}, {"E:\\", 0xC2089527}},
                             "0",
                             {"C:\\", "D:\\", "E:\\"}},
                    WalkCase{
                        "SerialWithHalvesSwappedIsNoBoard", {{"C:\\", 0x9526C208}}, "0", {"C:\\"}},
                    WalkCase{"NoVolumesAtAll", {}, "0", {}}),
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
