// The archive's folders on Windows. They live under Local AppData, which
// only the user can reach; a folder or file that is a reparse point (a
// symbolic link or junction) is never entered, read or written through.
#include "Archive_folder.h"

#include "Utf16.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qm {

namespace {

constexpr unsigned kMaxPartTries = 100;

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    void reset(HANDLE h) {
        close();
        h_ = h;
    }
    bool close() {
        if (!valid())
            return true;
        const bool ok = CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE h_;
};

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

class Win32Folder : public ArchiveFolder {
public:
    explicit Win32Folder(std::wstring path) : path_(std::move(path)) {}

    std::vector<FolderFile> files() override {
        std::vector<FolderFile> result;
        walk([&](const WIN32_FIND_DATAW& data, const std::string& name) {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                result.push_back(
                    {name, (std::uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow});
        });
        return result;
    }

    std::vector<std::string> folders() override {
        std::vector<std::string> result;
        walk([&](const WIN32_FIND_DATAW& data, const std::string& name) {
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                result.push_back(name);
        });
        return result;
    }

    Created createFile(const std::string& name, const ByteSource& source) override {
        const std::wstring path = pathOf(name);
        if (path.empty())
            return Created::Failed;
        removeLeftovers();
        // Under its hidden name the copy is held without sharing until it
        // has its name or is gone, so that no other make removes it.
        static unsigned made = 0;
        std::wstring part;
        Handle file(INVALID_HANDLE_VALUE);
        for (unsigned attempt = 0; !file.valid(); ++attempt) {
            if (attempt == kMaxPartTries)
                return Created::Failed;
            part = pathOf(PartName(name, std::to_string(GetCurrentProcessId()) + "-" +
                                             std::to_string(++made)));
            // CREATE_NEW opens nothing that exists, a link included.
            file.reset(CreateFileW(part.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
            if (!file.valid() && GetLastError() != ERROR_FILE_EXISTS &&
                GetLastError() != ERROR_ALREADY_EXISTS)
                return Created::Failed;
        }
        Created created = Created::Failed;
        if (copy(source, file.get()) && FlushFileBuffers(file.get()))
            created = publish(file, part, path);
        if (file.valid())
            dispose(file.get());
        if (created != Created::Yes)
            DeleteFileW(part.c_str()); // where the handle could not see to it
        return created;
    }

    std::optional<std::string> readFile(const std::string& name, std::size_t max,
                                        std::uint64_t offset) override {
        const std::wstring path = pathOf(name);
        if (path.empty())
            return std::nullopt;
        Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        BY_HANDLE_FILE_INFORMATION info{};
        LARGE_INTEGER at{};
        at.QuadPart = static_cast<LONGLONG>(offset);
        if (!file.valid() || !GetFileInformationByHandle(file.get(), &info) ||
            (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) ||
            !SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN))
            return std::nullopt;
        std::string bytes;
        char chunk[4096];
        while (bytes.size() < max) {
            DWORD got = 0;
            const DWORD want = static_cast<DWORD>(std::min(sizeof chunk, max - bytes.size()));
            if (!ReadFile(file.get(), chunk, want, &got, nullptr))
                return std::nullopt;
            if (got == 0)
                break;
            bytes.append(chunk, got);
        }
        return bytes;
    }

    bool removeFile(const std::string& name) override {
        const std::wstring path = pathOf(name);
        return !path.empty() && DeleteFileW(path.c_str()) != 0;
    }

private:
    // Hidden copies that makes killed before their end left; one a running
    // make holds cannot be removed.
    void removeLeftovers() {
        std::vector<std::string> parts;
        walk([&](const WIN32_FIND_DATAW& data, const std::string& entry) {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsPartName(entry))
                parts.push_back(entry);
        });
        for (const std::string& part : parts)
            DeleteFileW(pathOf(part).c_str());
    }

    static bool copy(const ByteSource& source, HANDLE h) {
        std::vector<char> chunk(64 * 1024);
        for (;;) {
            const std::optional<std::size_t> got = source(chunk.data(), chunk.size());
            if (!got)
                return false;
            if (*got == 0)
                return true;
            for (std::size_t done = 0; done < *got;) {
                DWORD put = 0;
                if (!WriteFile(h, chunk.data() + done, static_cast<DWORD>(*got - done), &put,
                               nullptr) ||
                    put == 0)
                    return false;
                done += put;
            }
        }
    }

    // The hidden copy under its name, never over anything that has it:
    // renamed through its own handle, else (a system without that) closed
    // and moved.
    static Created publish(Handle& file, const std::wstring& part, const std::wstring& path) {
        std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + path.size() * sizeof(wchar_t));
        auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
        rename->ReplaceIfExists = FALSE;
        rename->RootDirectory = nullptr;
        rename->FileNameLength = static_cast<DWORD>(path.size() * sizeof(wchar_t));
        std::copy(path.begin(), path.end(), rename->FileName);
        if (SetFileInformationByHandle(file.get(), FileRenameInfo, rename,
                                       static_cast<DWORD>(buffer.size()))) {
            file.close();
            return Created::Yes;
        }
        if (nameTaken(GetLastError()))
            return Created::NameTaken;
        file.close();
        if (MoveFileExW(part.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH))
            return Created::Yes;
        return nameTaken(GetLastError()) ? Created::NameTaken : Created::Failed;
    }

    static bool nameTaken(DWORD error) {
        return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
    }

    // The file of an open handle removed once it is closed.
    static void dispose(HANDLE h) {
        FILE_DISPOSITION_INFO remove{};
        remove.DeleteFile = TRUE;
        SetFileInformationByHandle(h, FileDispositionInfo, &remove, sizeof remove);
    }

    std::wstring pathOf(const std::string& name) const {
        const std::wstring wide = Wide(name);
        return wide.empty() ? std::wstring() : path_ + L"\\" + wide;
    }

    // Every entry but "." and "..", and no reparse point.
    template <class Visit> void walk(Visit visit) {
        WIN32_FIND_DATAW data{};
        HANDLE find = FindFirstFileExW((path_ + L"\\*").c_str(), FindExInfoBasic, &data,
                                       FindExSearchNameMatch, nullptr, 0);
        if (find == INVALID_HANDLE_VALUE)
            return;
        do {
            const std::wstring name = data.cFileName;
            if (name != L"." && name != L".." &&
                !(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
                visit(data, Utf8(name));
        } while (FindNextFileW(find, &data));
        FindClose(find);
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
