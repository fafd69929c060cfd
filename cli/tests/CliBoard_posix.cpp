#include "CliTest.h"

#include "Volume_fixtures.h"

#include <cstdlib>

namespace qmtest {

BoardStandIn::BoardStandIn(const std::string& dir) : dir_(dir) {
    const std::string image = dir + "/board.img", mountPoint = dir + "/QMBOARD";
    std::filesystem::create_directory(mountPoint);
    if (Shell(Quoted(QMBOARD_PATH) + " " + Quoted(image) + " >/dev/null") != 0) {
        missing_ = "qmboard could not make the board";
        return;
    }
    settingsPath_ = mountPoint + "/set.ini";
    WriteAll(settingsPath_, ReadFromImage(image, "set.ini", dir + "/scratch"));
    WriteAll(dir + "/mountinfo", MountinfoLine(100, mountPoint, image));
    ::setenv("QMCONF_MOUNTINFO", (dir + "/mountinfo").c_str(), 1);
}

BoardStandIn::~BoardStandIn() {
    ::unsetenv("QMCONF_MOUNTINFO");
}

bool BoardStandIn::unplug() {
    WriteAll(dir_ + "/mountinfo", "");
    return true;
}

} // namespace qmtest
