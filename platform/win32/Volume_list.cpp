#include "Volume_list.h"

#include "Native.h"
#include "Utf16.h"

#include <cwchar>

namespace qm {

namespace {

class WindowsVolumeList : public VolumeList {
public:
    std::vector<std::string> roots() override {
        // "C:\", "E:\" ... each ended by a zero, the list by an empty string.
        const std::wstring list = GrownText(
            [](wchar_t* buffer, DWORD size) { return GetLogicalDriveStringsW(size, buffer); });
        std::vector<std::string> result;
        for (const wchar_t* root = list.c_str(); *root != L'\0'; root += wcslen(root) + 1)
            result.push_back(Utf8(root));
        return result;
    }

    std::optional<std::uint32_t> serialOf(const std::string& root) override {
        const std::wstring wideRoot = Wide(root);
        if (wideRoot.empty())
            return std::nullopt;
        // An empty card reader or floppy drive must simply not match, without
        // the system asking the user to insert a disk.
        DWORD previousMode = 0;
        const BOOL modeSet = SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previousMode);
        DWORD serial = 0;
        const BOOL known = GetVolumeInformationW(wideRoot.c_str(), nullptr, 0, &serial, nullptr,
                                                 nullptr, nullptr, 0);
        if (modeSet)
            SetThreadErrorMode(previousMode, nullptr);
        if (!known)
            return std::nullopt;
        return static_cast<std::uint32_t>(serial);
    }

    std::string settingsPath(const std::string& root) const override {
        return root.substr(0, 1) + ":\\set.ini";
    }
};

} // namespace

std::unique_ptr<VolumeList> SystemVolumes() {
    return std::make_unique<WindowsVolumeList>();
}

std::unique_ptr<VolumeList> MountTableVolumes(const std::string&) {
    return SystemVolumes();
}

} // namespace qm
