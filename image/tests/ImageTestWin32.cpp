#include "ImageTestWin32.h"

#include "platform/Win32Text.h"

#include <windows.h>

namespace qmtest {

namespace {

HANDLE openShared(const std::string& path, DWORD share) {
    return CreateFileW(qm::WideFromUtf8(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

HeldFile::HeldFile(const std::string& path, Sharing sharing)
    : handle_(reinterpret_cast<std::intptr_t>(openShared(
          path,
          sharing == Sharing::None ? 0 : FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE))) {
}

HeldFile::~HeldFile() {
    release();
}

bool HeldFile::held() const {
    return reinterpret_cast<HANDLE>(handle_) != INVALID_HANDLE_VALUE;
}

void HeldFile::release() {
    if (held())
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
    handle_ = reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE);
}

bool NobodyHolds(const std::string& path) {
    const HANDLE h = openShared(path, 0);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(h);
    return true;
}

CurrentDirectory::CurrentDirectory(const std::string& dir) {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    old_.resize(size);
    old_.resize(GetCurrentDirectoryW(size, old_.data()));
    SetCurrentDirectoryW(qm::WideFromUtf8(dir).c_str());
}

CurrentDirectory::~CurrentDirectory() {
    SetCurrentDirectoryW(old_.c_str());
}

bool SystemGivesTempDirectory() {
    wchar_t probe[1024];
    return GetTempPathW(1024, probe) != 0;
}

} // namespace qmtest
