// The user's temporary directory of the image tests on Windows.
#include "ImageTestSupport.h"

#include <algorithm>

namespace qmtest {

namespace {

std::string windowsForm(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

} // namespace

TempDirEnv::TempDirEnv(const std::string& dir) : EnvVar("TMP", windowsForm(dir)) {}

std::string TempPathIn(const std::string& dir) {
    std::string path = windowsForm(dir);
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path + "\\set_tmp.ini";
}

} // namespace qmtest
