// The user's temporary directory of the image tests on POSIX systems.
#include "ImageTestSupport.h"

namespace qmtest {

TempDirEnv::TempDirEnv(const std::string& dir) : EnvVar("XDG_RUNTIME_DIR", dir) {}

std::string TempPathIn(const std::string& dir) {
    return dir + "/set_tmp.ini";
}

} // namespace qmtest
