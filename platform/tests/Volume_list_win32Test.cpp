// The logical drives of the machine running the tests: at least the system
// drive, in drive-letter order, each with its path of set.ini.
#include "Volume_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace qm;

namespace {

TEST(WindowsVolumesTest, DriveRootsInLetterOrder) {
    const auto volumes = SystemVolumes();
    const std::vector<std::string> roots = volumes->roots();
    ASSERT_FALSE(roots.empty());
    for (std::size_t i = 0; i < roots.size(); ++i) {
        ASSERT_EQ(roots[i].size(), 3u) << roots[i];
        EXPECT_TRUE(roots[i][0] >= 'A' && roots[i][0] <= 'Z') << roots[i];
        EXPECT_EQ(roots[i].substr(1), ":\\");
        EXPECT_EQ(volumes->settingsPath(roots[i]), roots[i].substr(0, 1) + ":\\set.ini");
        if (i > 0) {
            EXPECT_LT(roots[i - 1], roots[i]);
        }
    }
}

TEST(WindowsVolumesTest, SystemDriveHasASerial) {
    const char* drive = std::getenv("SystemDrive"); // "C:"
    ASSERT_NE(drive, nullptr);
    const std::string root = std::string(drive) + "\\";
    const auto volumes = SystemVolumes();
    const std::vector<std::string> roots = volumes->roots();
    ASSERT_NE(std::find(roots.begin(), roots.end(), root), roots.end());
    EXPECT_TRUE(volumes->serialOf(root).has_value());
    EXPECT_EQ(volumes->serialOf("Q:\\no such root"), std::nullopt);
}

} // namespace
