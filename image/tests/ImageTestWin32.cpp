#include "ImageTestWin32.h"

#include "Utf16.h"

#include <windows.h>

namespace qmtest {

namespace {

HANDLE openShared(const std::string& path, DWORD share) {
    return CreateFileW(qm::Wide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
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

namespace {

std::wstring besideThisProgram(const wchar_t* name) {
    wchar_t self[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self, n);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1) + name;
}

} // namespace

HoldingProgram::HoldingProgram(const std::string& mode, const std::string& path,
                               unsigned milliseconds)
    : process_(reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE)) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    const std::wstring program = besideThisProgram(L"file_holder.exe");
    std::wstring line = L"\"" + program + L"\" " + qm::Wide(mode) + L" \"" + qm::Wide(path) +
                        L"\" " + std::to_wstring(milliseconds);
    STARTUPINFOW start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESTDHANDLES;
    start.hStdOutput = writeEnd;
    start.hStdError = writeEnd;
    start.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION child{};
    const BOOL started = CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &start, &child);
    CloseHandle(writeEnd);
    if (started) {
        CloseHandle(child.hThread);
        process_ = reinterpret_cast<std::intptr_t>(child.hProcess);
        // Its first word, up to the line end; nothing when it could not open the file.
        char c = 0;
        DWORD got = 0;
        std::string word;
        while (ReadFile(readEnd, &c, 1, &got, nullptr) && got == 1 && c != '\n')
            word += c;
        ready_ = !word.empty();
    }
    CloseHandle(readEnd);
}

HoldingProgram::~HoldingProgram() {
    const HANDLE process = reinterpret_cast<HANDLE>(process_);
    if (process == INVALID_HANDLE_VALUE)
        return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, INFINITE);
    CloseHandle(process);
}

CurrentDirectory::CurrentDirectory(const std::string& dir) {
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    old_.resize(size);
    old_.resize(GetCurrentDirectoryW(size, old_.data()));
    SetCurrentDirectoryW(qm::Wide(dir).c_str());
}

CurrentDirectory::~CurrentDirectory() {
    SetCurrentDirectoryW(old_.c_str());
}

bool SystemGivesTempDirectory() {
    wchar_t probe[1024];
    return GetTempPathW(1024, probe) != 0;
}

} // namespace qmtest
