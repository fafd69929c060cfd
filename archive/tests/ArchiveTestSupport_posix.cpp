// The user's data folder of the archive tests on POSIX systems.
#include "ArchiveTestSupport.h"

#include <cstdlib>

namespace qmtest {

DataHomeEnv::DataHomeEnv(const std::string& dir) {
    if (const char* old = std::getenv("XDG_DATA_HOME")) {
        had_ = true;
        old_ = old;
    }
    ::setenv("XDG_DATA_HOME", dir.c_str(), 1);
}

DataHomeEnv::~DataHomeEnv() {
    if (had_)
        ::setenv("XDG_DATA_HOME", old_.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

} // namespace qmtest
