// The console belongs to the shell qmconf-cli runs in, and so does its
// output code page: switched to UTF-8 while the program writes, it is set
// back when the program ends.
#include "CliTest.h"

#include <windows.h>

namespace qmtest {
namespace {

using ConsoleTest = CliTest;

TEST_F(ConsoleTest, CodePageOfTheShellIsLeftAsItWas) {
    const UINT before = GetConsoleOutputCP();
    if (before == 0)
        GTEST_SKIP() << "no console";
    const UINT shells = before == 866 ? 437 : 866;
    ASSERT_TRUE(SetConsoleOutputCP(shells));
    EXPECT_EQ(run({"--version"}).status, 0);
    EXPECT_EQ(GetConsoleOutputCP(), shells);
    SetConsoleOutputCP(before);
}

} // namespace
} // namespace qmtest
