// Win32 implementation of File.
#include "File.h"

#include "Native.h"
#include "Utf16.h"

#include <string>

namespace qm {

namespace {

HANDLE openHandle(const std::wstring& path, File::Mode mode, DWORD disposition, DWORD flags) {
    const DWORD access = mode == File::Mode::Read ? GENERIC_READ : GENERIC_WRITE;
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    return CreateFileW(path.c_str(), access, share, nullptr, disposition, flags, nullptr);
}

// Whether the private file's handle may be used as it stands; replace is set
// when it may not, but the entry is a second name of a file, which can be
// removed without loss and a fresh file made in its place.
bool isPrivateFile(HANDLE h, bool& replace) {
    BY_HANDLE_FILE_INFORMATION info{};
    replace = false;
    if (GetFileType(h) != FILE_TYPE_DISK || !GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    replace = info.nNumberOfLinks != 1;
    return !replace;
}

// Opens the private file at path: never through a reparse point, never a
// device, never as a second name of another file.
HANDLE openPrivate(const std::wstring& path, File::Mode mode) {
    const DWORD flags = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;
    HANDLE h =
        openHandle(path, mode, mode == File::Mode::Read ? OPEN_EXISTING : OPEN_ALWAYS, flags);
    if (h == INVALID_HANDLE_VALUE)
        return h;
    bool replace = false;
    if (isPrivateFile(h, replace))
        return h;
    CloseHandle(h);
    // Only the entry goes; a file it is a second name of keeps its bytes.
    if (!replace || mode == File::Mode::Read || !DeleteFileW(path.c_str()))
        return INVALID_HANDLE_VALUE;
    h = openHandle(path, mode, CREATE_NEW, flags);
    if (h != INVALID_HANDLE_VALUE && !isPrivateFile(h, replace)) {
        CloseHandle(h);
        return INVALID_HANDLE_VALUE;
    }
    return h;
}

// A name Windows keeps for a device in every folder, with any extension:
// "AUX", "com1.ini", "NUL.txt", "CONIN$". Trailing dots and blanks, which
// Windows drops from a name, do not make it another.
bool deviceName(std::wstring name) {
    while (!name.empty() && (name.back() == L'.' || name.back() == L' '))
        name.pop_back();
    const std::size_t dot = name.find(L'.');
    std::wstring stem = name.substr(0, dot);
    while (!stem.empty() && stem.back() == L' ')
        stem.pop_back();
    for (wchar_t& c : stem)
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    if (stem == L"CON" || stem == L"PRN" || stem == L"AUX" || stem == L"NUL" || stem == L"CONIN$" ||
        stem == L"CONOUT$" || stem == L"CLOCK$")
        return true;
    // COM1 to COM9 and LPT1 to LPT9, and COM0, LPT0 and the superscript
    // digits, which Windows also takes for ports.
    if (stem.size() != 4 || (stem.compare(0, 3, L"COM") != 0 && stem.compare(0, 3, L"LPT") != 0))
        return false;
    const wchar_t d = stem[3];
    return (d >= L'0' && d <= L'9') || d == L'\u00B9' || d == L'\u00B2' || d == L'\u00B3';
}

} // namespace

bool File::open(const std::string& path, Mode mode, Target target) {
    close();
    readFailed_ = false;
    const std::wstring wide = Wide(path);
    if (wide.empty())
        return false;
    // OPEN_ALWAYS and an explicit cut rather than CREATE_ALWAYS, which
    // refuses an existing hidden or system file. The user's temporary folder
    // is private to the user, and so is what is made in it.
    HANDLE h = target == Target::OwnFileOnly
                   ? openPrivate(wide, mode)
                   : openHandle(wide, mode, mode == Mode::Read ? OPEN_EXISTING : OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL);
    handle_ = owned(h);
    if (isOpen() && mode == Mode::Write && GetFileType(h) == FILE_TYPE_DISK && !SetEndOfFile(h))
        close();
    return isOpen();
}

std::ptrdiff_t File::readSome(char* buffer, std::size_t size) {
    DWORD got = 0;
    const DWORD chunk = static_cast<DWORD>(size > 0x10000000 ? 0x10000000 : size);
    return ReadFile(native(handle_), buffer, chunk, &got, nullptr)
               ? static_cast<std::ptrdiff_t>(got)
               : -1;
}

std::size_t WriteAll(HANDLE h, const void* data, std::size_t size) {
    const auto* in = static_cast<const char*>(data);
    std::size_t done = 0;
    while (done < size) {
        const DWORD chunk = static_cast<DWORD>(size - done > 0x10000000 ? 0x10000000 : size - done);
        DWORD put = 0;
        if (!WriteFile(h, in + done, chunk, &put, nullptr) || put == 0)
            break;
        done += put;
    }
    return done;
}

bool File::write(const void* data, std::size_t size) {
    return isOpen() && WriteAll(native(handle_), data, size) == size;
}

bool File::sync() {
    if (!isOpen())
        return false;
    if (FlushFileBuffers(native(handle_)))
        return true;
    return GetFileType(native(handle_)) != FILE_TYPE_DISK;
}

bool File::tryLock() {
    if (!isOpen())
        return false;
    // One byte at the start, past the end of an empty file, which Windows
    // allows: every holder asks for the same byte.
    OVERLAPPED at{};
    return LockFileEx(native(handle_), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                      &at) != 0;
}

bool File::isRegular(const std::string& path) {
    const std::wstring wide = Wide(path);
    if (wide.empty() || namesDevice(path))
        return false;
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & FILE_ATTRIBUTE_DEVICE);
}

bool File::exists(const std::string& path) {
    const std::wstring wide = Wide(path);
    return !wide.empty() && GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool File::remove(const std::string& path) {
    const std::wstring wide = Wide(path);
    return !wide.empty() && DeleteFileW(wide.c_str()) != 0;
}

bool File::namesDevice(const std::string& path) {
    const std::wstring wide = Wide(path);
    return deviceName(wide.substr(wide.find_last_of(L"\\/:") + 1)); // npos + 1 is 0
}

} // namespace qm
