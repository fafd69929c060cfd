// The user's own folders on Windows.
#include "Folders.h"

#include "Utf16.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <vector>

namespace qm {

const char kPathSeparator[] = "\\";

std::string UserDataHome() {
    const DWORD size = GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
    if (size != 0) {
        std::wstring value(size, L'\0');
        const DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", value.data(), size);
        if (n != 0 && n < size)
            return Utf8(value.substr(0, n));
    }
    PWSTR known = nullptr;
    std::string path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &known)) && known)
        path = Utf8(known);
    CoTaskMemFree(known);
    return path;
}

std::string UserTempFolder() {
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    DWORD n = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n >= buffer.size()) {
        // Too small: n is the size needed, terminating zero included.
        buffer.resize(n + 1);
        n = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (n >= buffer.size())
            n = 0;
    }
    // No directory (an overlong %TMP%, say): no folder at all, rather than
    // the root of whatever drive is current.
    return Utf8(std::wstring(buffer.data(), n));
}

} // namespace qm
