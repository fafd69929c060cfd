// The archive's folders on Windows. They live under Local AppData, which
// only the user can reach; a folder or file that is a reparse point (a
// symbolic link or junction) is never entered, read or written through.
#include "Archive_folder.h"

#include "Native.h"
#include "Utf16.h"

#include <algorithm>
#include <vector>

namespace qm {

namespace {

bool isSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// A folder, and not a reparse point.
bool plainFolder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Makes path and its missing parents; what exists is left as it is.
void makeFolders(const std::wstring& path) {
    for (std::size_t i = 1; i <= path.size(); ++i)
        if (i == path.size() || isSeparator(path[i]))
            CreateDirectoryW(path.substr(0, i).c_str(), nullptr);
}

bool nameTaken(DWORD error) {
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
}

class Win32Folder : public ArchiveFolder {
public:
    explicit Win32Folder(std::wstring path) : path_(std::move(path)) {}

    bool removeFile(const std::string& name) override {
        return !name.empty() && DeleteFileW(pathOf(name).c_str()) != 0;
    }

    // Every entry but "." and "..", and no reparse point.
    std::vector<Entry> entries() override {
        std::vector<Entry> result;
        WIN32_FIND_DATAW data{};
        HANDLE find = FindFirstFileExW((path_ + L"\\*").c_str(), FindExInfoBasic, &data,
                                       FindExSearchNameMatch, nullptr, 0);
        if (find == INVALID_HANDLE_VALUE)
            return result;
        do {
            const std::wstring name = data.cFileName;
            if (name != L"." && name != L".." &&
                !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                result.push_back({Utf8(name),
                                  (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                                  (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow});
        } while (FindNextFileW(find, &data));
        FindClose(find);
        return result;
    }

private:
    std::wstring pathOf(const std::string& name) const { return path_ + L"\\" + Wide(name); }

    unsigned long processId() const override { return GetCurrentProcessId(); }

    // Held without sharing, so that no other make removes it; CREATE_NEW
    // opens nothing that exists, a link included.
    Created makeHidden(const std::string& part, File& file) override {
        file = File(
            owned(CreateFileW(pathOf(part).c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr)));
        if (file.isOpen())
            return Created::Yes;
        return nameTaken(GetLastError()) ? Created::NameTaken : Created::Failed;
    }

    // Renamed through its own handle, else (a system without that) closed
    // and moved.
    Created publish(File& file, const std::string& part, const std::string& name) override {
        const std::wstring path = pathOf(name);
        std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + path.size() * sizeof(wchar_t));
        auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        rename->ReplaceIfExists = FALSE;
        rename->RootDirectory = nullptr;
        rename->FileNameLength = static_cast<DWORD>(path.size() * sizeof(wchar_t));
        std::copy(path.begin(), path.end(), rename->FileName);
        if (SetFileInformationByHandle(native(file.handle()), FileRenameInfo, rename,
                                       static_cast<DWORD>(buffer.size()))) {
            file.close();
            return Created::Yes;
        }
        if (nameTaken(GetLastError()))
            return Created::NameTaken;
        file.close();
        if (MoveFileExW(pathOf(part).c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
            return Created::Yes;
        return nameTaken(GetLastError()) ? Created::NameTaken : Created::Failed;
    }

    // The file of a handle still open is removed once it is closed; where the
    // handle could not see to it, by its name.
    void discard(File& file, const std::string& part, Created created) override {
        if (file.isOpen()) {
            FILE_DISPOSITION_INFO remove{};
            remove.DeleteFile = TRUE;
            SetFileInformationByHandle(native(file.handle()), FileDispositionInfo, &remove,
                                       sizeof remove);
        }
        if (created != Created::Yes)
            DeleteFileW(pathOf(part).c_str());
    }

    // One a running make holds cannot be removed.
    void removeLeftover(const std::string& part) override { DeleteFileW(pathOf(part).c_str()); }

    File openToRead(const std::string& name, std::uint64_t offset) override {
        Handle file =
            owned(CreateFileW(pathOf(name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        BY_HANDLE_FILE_INFORMATION info{};
        LARGE_INTEGER at{};
        at.QuadPart = static_cast<LONGLONG>(offset);
        if (name.empty() || !file.valid() || !GetFileInformationByHandle(native(file), &info) ||
            (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) ||
            !SetFilePointerEx(native(file), at, nullptr, FILE_BEGIN))
            return File();
        return File(std::move(file));
    }

    std::wstring path_;
};

} // namespace

bool LocalTime(std::time_t t, std::tm& local) {
    return localtime_s(&local, &t) == 0;
}

std::unique_ptr<ArchiveFolder> OpenArchiveFolder(const std::string& dataHome,
                                                 const std::string& board, bool create,
                                                 bool* missing) {
    if (missing)
        *missing = false;
    // Nothing at a path on the way: no copy has been kept there yet.
    const auto absent = [missing](const std::wstring& at) -> std::unique_ptr<ArchiveFolder> {
        if (missing && GetFileAttributesW(at.c_str()) == INVALID_FILE_ATTRIBUTES) {
            const DWORD error = GetLastError();
            *missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        }
        return nullptr;
    };
    std::wstring path = Wide(dataHome);
    if (path.empty())
        return nullptr;
    while (path.size() > 3 && isSeparator(path.back()))
        path.pop_back();
    if (create)
        makeFolders(path);
    // The data folder itself may be wherever the user's profile puts it.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return absent(path);
    for (const std::string& name : {std::string("qmconf"), std::string("archive"), board}) {
        if (name.empty())
            break;
        path += L"\\" + Wide(name);
        if (create)
            CreateDirectoryW(path.c_str(), nullptr);
        if (!plainFolder(path))
            return absent(path);
    }
    return std::make_unique<Win32Folder>(std::move(path));
}

} // namespace qm
