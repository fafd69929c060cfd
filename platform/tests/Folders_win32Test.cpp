// The user's temporary folder under GetTempPathW.
#include "Folders.h"
#include "ImageTestSupport.h"
#include "ImageTestWin32.h"

#include <gtest/gtest.h>

#include <optional>

using namespace qm;
using namespace qmtest;

namespace {

TEST(UserTempFolderWin32Test, TempDirectoryOfTheSystemWithItsSeparator) {
    const struct {
        std::optional<std::string> tmp;
        std::optional<std::string> temp;
        const char* expected;
    } cases[] = {
        {"C:\\qm\\tmp", "C:\\qm\\temp", "C:\\qm\\tmp\\"},
        {"C:\\qm\\tmp\\", "C:\\qm\\temp", "C:\\qm\\tmp\\"},
        {std::nullopt, "C:\\qm\\temp", "C:\\qm\\temp\\"},
        // A user named in Cyrillic: the path comes back as UTF-8.
        {"C:\\Users\\Иван\\AppData\\Local\\Temp", std::nullopt,
         "C:\\Users\\Иван\\AppData\\Local\\Temp\\"},
    };
    for (const auto& c : cases) {
        EnvVar tmp("TMP", c.tmp);
        EnvVar temp("TEMP", c.temp);
        EXPECT_EQ(UserTempFolder(), c.expected);
    }
}

TEST(UserTempFolderWin32Test, NoFolderWhenTheSystemGivesNoTemporaryDirectory) {
    EnvVar tmp("TMP", "C:\\" + std::string(300, 'a'));
    if (SystemGivesTempDirectory())
        GTEST_SKIP() << "this system gives a temporary directory for an overlong %TMP%";
    // None at all, so that T is not "\set_tmp.ini" in the root of whatever
    // drive is current.
    EXPECT_EQ(UserTempFolder(), "");
}

} // namespace
