// The user's data folder of the archive tests on Windows.
#include "ArchiveTestSupport.h"

#include "platform/Win32Text.h"

#include <windows.h>

namespace qmtest {

DataHomeEnv::DataHomeEnv(const std::string& dir) {
    const DWORD size = GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
    if (size > 0) {
        std::wstring old(size, L'\0');
        old.resize(GetEnvironmentVariableW(L"LOCALAPPDATA", old.data(), size));
        had_ = true;
        old_ = qm::Utf8FromWide(old);
    }
    SetEnvironmentVariableW(L"LOCALAPPDATA", qm::WideFromUtf8(dir).c_str());
}

DataHomeEnv::~DataHomeEnv() {
    SetEnvironmentVariableW(L"LOCALAPPDATA", had_ ? qm::WideFromUtf8(old_).c_str() : nullptr);
}

} // namespace qmtest
