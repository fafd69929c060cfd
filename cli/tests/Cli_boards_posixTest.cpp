// Two boards attached at once: which one is meant is for the technician to
// say. (Linux: two stand-ins named by a mount table of the test's own.)
#include "CliTest.h"

#include "Volume_fixtures.h"

namespace qmtest {
namespace {

using TwoBoardsTest = CliTest;

TEST_F(TwoBoardsTest, AmbiguousUntilOneIsNamed) {
    std::string mountinfo;
    std::vector<std::string> mounts;
    for (const char* name : {"A", "B"}) {
        const std::string image = file(std::string(name) + ".img"), mount = file(name);
        std::filesystem::create_directory(mount);
        ASSERT_EQ(Shell(Quoted(QMBOARD_PATH) + " " + Quoted(image) + " >/dev/null"), 0);
        WriteAll(mount + "/set.ini", ReadFromImage(image, "set.ini", file("scratch")));
        mountinfo += MountinfoLine(100 + static_cast<int>(mounts.size()), mount, image);
        mounts.push_back(mount);
    }
    WriteAll(file("mountinfo"), mountinfo);
    const EnvVar table("QMCONF_MOUNTINFO", file("mountinfo"));
    const std::string delivered = ReadAll(mounts[0] + "/set.ini");

    const CliRun ambiguous = run({"copy", "defaults", "board"});
    EXPECT_EQ(ambiguous.status, 3);
    EXPECT_EQ(ambiguous.err, "qmconf-cli: подключено несколько плат: " + mounts[0] + " " +
                                 mounts[1] + "\nqmconf-cli: укажите одну: board:" + mounts[0] +
                                 "\n");

    const CliRun named = run({"copy", "defaults", "board:" + mounts[1] + "/"});
    EXPECT_EQ(named.status, 0) << named.err;
    EXPECT_EQ(ReadAll(mounts[1] + "/set.ini"), DefaultsImage());
    EXPECT_EQ(ReadAll(mounts[0] + "/set.ini"), delivered);

    const CliRun none = run({"show", "board:" + dir.path()});
    EXPECT_EQ(none.status, 3);
    EXPECT_EQ(none.err, "qmconf-cli: " + dir.path() +
                            ": здесь нет платы (тома с серийным номером C208-9526)\n");
}

} // namespace
} // namespace qmtest
