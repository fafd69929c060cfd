// The user's own folders on Windows.
#include "Folders.h"

#include "Native.h"
#include "Utf16.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

namespace qm {

const char kPathSeparator[] = "\\";

std::string UserDataHome() {
    const std::wstring value = GrownText([](wchar_t* buffer, DWORD size) {
        return GetEnvironmentVariableW(L"LOCALAPPDATA", buffer, size);
    });
    if (!value.empty())
        return Utf8(value);
    PWSTR known = nullptr;
    std::string path;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &known)) && known)
        path = Utf8(known);
    CoTaskMemFree(known);
    return path;
}

std::string UserTempFolder() {
    // No directory (an overlong %TMP%, say): no folder at all, rather than
    // the root of whatever drive is current.
    return Utf8(GrownText([](wchar_t* buffer, DWORD size) { return GetTempPathW(size, buffer); }));
}

} // namespace qm
