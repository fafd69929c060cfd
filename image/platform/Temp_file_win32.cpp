// The user's temporary directory on Windows.
#include "Temp_file.h"

#include "platform/Win32Text.h"

#include <windows.h>

#include <vector>

namespace qm {

std::string TempFilePath() {
    std::vector<wchar_t> buffer(MAX_PATH + 1);
    DWORD n = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n >= buffer.size()) {
        // Too small: n is the size needed, terminating zero included.
        buffer.resize(n + 1);
        n = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
        if (n >= buffer.size())
            n = 0;
    }
    // No directory (an overlong %TMP%, say): no path at all, which every
    // open refuses, rather than "\set_tmp.ini" in the root of whatever drive
    // is current.
    if (n == 0)
        return std::string();
    // The directory comes back with its trailing separator.
    const std::string dir = Utf8FromWide(std::wstring(buffer.data(), n));
    return dir + "\\" + kTempFileName;
}

} // namespace qm
