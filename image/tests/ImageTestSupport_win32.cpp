// The user's temporary directory of the image tests on Windows.
#include "ImageTestSupport.h"

#include "platform/Win32Text.h"

#include <windows.h>

#include <algorithm>

namespace qmtest {

namespace {

std::string windowsForm(std::string path) {
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

} // namespace

TempDirEnv::TempDirEnv(const std::string& dir) {
    const DWORD size = GetEnvironmentVariableW(L"TMP", nullptr, 0);
    if (size > 0) {
        std::wstring old(size, L'\0');
        const DWORD n = GetEnvironmentVariableW(L"TMP", old.data(), size);
        old.resize(n);
        had_ = true;
        old_ = qm::Utf8FromWide(old);
    }
    SetEnvironmentVariableW(L"TMP", qm::WideFromUtf8(windowsForm(dir)).c_str());
}

TempDirEnv::~TempDirEnv() {
    SetEnvironmentVariableW(L"TMP", had_ ? qm::WideFromUtf8(old_).c_str() : nullptr);
}

std::string TempPathIn(const std::string& dir) {
    std::string path = windowsForm(dir);
    if (path.empty() || path.back() != '\\')
        path += '\\';
    return path + "\\set_tmp.ini";
}

} // namespace qmtest
