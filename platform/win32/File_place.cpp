// Where a store writes, on Windows: the path as the system resolves it, and
// folders told apart by their volume and file index.
#include "File_place.h"

#include "File.h"
#include "Native.h"
#include "Utf16.h"

#include <vector>

namespace qm {

namespace {

// Opened for its attributes only, which no other open refuses; a folder too.
Handle openToLookAt(const std::wstring& path) {
    return owned(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

} // namespace

std::wstring GrownText(const std::function<DWORD(wchar_t* buffer, DWORD size)>& call) {
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    for (int round = 0; round < 2; ++round) {
        const DWORD n = call(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0)
            return std::wstring();
        if (n < buffer.size())
            return std::wstring(buffer.data(), n);
        buffer.resize(n + 1);
    }
    return std::wstring();
}

std::wstring FinalPath(HANDLE h) {
    return GrownText([h](wchar_t* buffer, DWORD size) {
        return GetFinalPathNameByHandleW(h, buffer, size, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    });
}

std::optional<FilePlace> PlaceOfFile(const std::string& path) {
    const std::wstring wide = Wide(path);
    if (wide.empty() || File::namesDevice(path))
        return std::nullopt; // no file, and a port is not to be opened even to look
    // An existing file by the name the system gives it (a link followed);
    // otherwise the path made whole, as the store's own open makes it.
    std::wstring whole;
    if (const Handle file = openToLookAt(wide); file.valid())
        whole = FinalPath(native(file));
    if (whole.empty())
        whole = GrownText([&wide](wchar_t* buffer, DWORD size) {
            return GetFullPathNameW(wide.c_str(), size, buffer, nullptr);
        });
    const std::size_t at = whole.find_last_of(L"\\/");
    if (at == std::wstring::npos || at + 1 == whole.size())
        return std::nullopt;
    return FilePlace{Utf8(whole.substr(0, at + 1)), Utf8(whole.substr(at + 1))};
}

bool SameFolder(const std::string& a, const std::string& b) {
    BY_HANDLE_FILE_INFORMATION ia{}, ib{};
    const Handle ha = openToLookAt(Wide(a));
    const Handle hb = openToLookAt(Wide(b));
    return ha.valid() && hb.valid() && GetFileInformationByHandle(native(ha), &ia) &&
           GetFileInformationByHandle(native(hb), &ib) &&
           (ia.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
           ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber &&
           ia.nFileIndexHigh == ib.nFileIndexHigh && ia.nFileIndexLow == ib.nFileIndexLow;
}

} // namespace qm
