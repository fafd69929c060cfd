// The user's temporary directory of the image tests on POSIX systems.
#include "ImageTestSupport.h"

#include <cstdlib>

namespace qmtest {

TempDirEnv::TempDirEnv(const std::string& dir) {
    if (const char* old = std::getenv("XDG_RUNTIME_DIR")) {
        had_ = true;
        old_ = old;
    }
    ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
}

TempDirEnv::~TempDirEnv() {
    if (had_)
        ::setenv("XDG_RUNTIME_DIR", old_.c_str(), 1);
    else
        ::unsetenv("XDG_RUNTIME_DIR");
}

std::string TempPathIn(const std::string& dir) {
    return dir + "/set_tmp.ini";
}

} // namespace qmtest
