// Win32 implementation of File.
#include "File.h"

#include "platform/Win32Text.h"

#include <windows.h>

#include <string>

namespace qm {

namespace {

HANDLE handleOf(std::intptr_t h) {
    return reinterpret_cast<HANDLE>(h);
}

} // namespace

File::~File() {
    close();
}

bool File::open(const std::string& path, Mode mode, Target target) {
    close();
    const std::wstring wide = WideFromUtf8(path);
    if (wide.empty())
        return false;
    const bool ownOnly = target == Target::OwnFileOnly;
    const DWORD access = mode == Mode::Read ? GENERIC_READ : GENERIC_WRITE;
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    // OPEN_ALWAYS and an explicit cut rather than CREATE_ALWAYS, which
    // refuses an existing hidden or system file.
    const DWORD disposition = mode == Mode::Read ? OPEN_EXISTING : OPEN_ALWAYS;
    DWORD flags = FILE_ATTRIBUTE_NORMAL;
    if (ownOnly)
        flags |= FILE_FLAG_OPEN_REPARSE_POINT;
    HANDLE h = CreateFileW(wide.c_str(), access, share, nullptr, disposition, flags, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    if (ownOnly) {
        BY_HANDLE_FILE_INFORMATION info{};
        if (!GetFileInformationByHandle(h, &info) ||
            (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY))) {
            CloseHandle(h);
            return false;
        }
    }
    if (mode == Mode::Write && GetFileType(h) == FILE_TYPE_DISK && !SetEndOfFile(h)) {
        CloseHandle(h);
        return false;
    }
    handle_ = reinterpret_cast<std::intptr_t>(h);
    return true;
}

std::size_t File::read(void* buffer, std::size_t size) {
    if (!isOpen())
        return 0;
    auto* out = static_cast<char*>(buffer);
    std::size_t done = 0;
    while (done < size) {
        const DWORD chunk = static_cast<DWORD>(size - done > 0x10000000 ? 0x10000000 : size - done);
        DWORD got = 0;
        if (!ReadFile(handleOf(handle_), out + done, chunk, &got, nullptr) || got == 0)
            break;
        done += got;
    }
    return done;
}

bool File::write(const void* data, std::size_t size) {
    if (!isOpen())
        return false;
    const auto* in = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const DWORD chunk = static_cast<DWORD>(size - done > 0x10000000 ? 0x10000000 : size - done);
        DWORD put = 0;
        if (!WriteFile(handleOf(handle_), in + done, chunk, &put, nullptr) || put == 0)
            return false;
        done += put;
    }
    return true;
}

bool File::sync() {
    if (!isOpen())
        return false;
    if (FlushFileBuffers(handleOf(handle_)))
        return true;
    return GetFileType(handleOf(handle_)) != FILE_TYPE_DISK;
}

bool File::close() {
    if (!isOpen())
        return true;
    HANDLE h = handleOf(handle_);
    handle_ = kClosed;
    return CloseHandle(h) != 0;
}

bool File::isRegular(const std::string& path) {
    const std::wstring wide = WideFromUtf8(path);
    if (wide.empty())
        return false;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & FILE_ATTRIBUTE_DEVICE);
}

} // namespace qm
