#include "Set_def.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace qm;

namespace {

TEST(SetDefTest, AssignsEveryField) {
    const Settings settings = Set_def();
    EXPECT_STREQ(settings.SET01, "internet.mts.ru");
    EXPECT_STREQ(settings.SET02, "mts");
    EXPECT_STREQ(settings.SET03, "mts");
    EXPECT_STREQ(settings.SET04, "monitor.qm-massage.ru");
    EXPECT_EQ(std::strlen(settings.SET01) + std::strlen(settings.SET02) +
                  std::strlen(settings.SET03) + std::strlen(settings.SET04),
              42u);
    EXPECT_STREQ(settings.SET05, "*100#");
    EXPECT_STREQ(settings.SET06, "+7");
    EXPECT_STREQ(settings.SET07, "+7");
    EXPECT_STREQ(settings.serial, "QM . . . . .");

    // Key, value pairs of every number setting.
    const std::pair<int, unsigned> expected[] = {
        {8, 100}, {9, 10},  {28, 6}, {29, 0},   {30, 0},  {31, 20}, {32, 60}, {33, 120}, {34, 9},
        {35, 0},  {36, 18}, {37, 0}, {38, 180}, {39, 10}, {40, 0},  {41, 16}, {42, 0},   {43, 400},
        {44, 0},  {45, 0},  {46, 0}, {47, 0},   {48, 0},  {49, 1},  {50, 1},  {51, 0},   {52, 0},
    };
    for (int n = 10; n <= 27; ++n)
        EXPECT_EQ(NumberValue(settings, n), 0u) << SettingKey(n);
    for (const auto& [n, v] : expected)
        EXPECT_EQ(NumberValue(settings, n), v) << SettingKey(n);
}

} // namespace
