#include "CliTest.h"

#include <cstdlib>

namespace qmtest {

BoardStandIn::BoardStandIn(const std::string& dir) : dir_(dir) {
    const char* drive = std::getenv("QMCONF_TEST_BOARD_DRIVE");
    if (drive == nullptr || drive[0] == '\0') {
        missing_ = "no drive is set up as the board (QMCONF_TEST_BOARD_DRIVE)";
        return;
    }
    settingsPath_ = std::string(1, drive[0]) + ":\\set.ini";
    original_ = ReadBytes(settingsPath_);
}

BoardStandIn::~BoardStandIn() {
    // What the board held before the test, for the tests after it.
    if (!settingsPath_.empty())
        WriteBytes(settingsPath_, original_);
}

bool BoardStandIn::unplug() {
    return false;
}

} // namespace qmtest
