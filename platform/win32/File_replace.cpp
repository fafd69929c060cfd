// Win32 implementation of ReplaceFileContent: a new file beside the target,
// flushed, then moved over it with MoveFileExW, written through.
#include "File_replace.h"

#include "File.h"
#include "File_replace_steps.h"
#include "Native.h"
#include "Utf16.h"
#include "Wait.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qm {

using replace::Made;

namespace {

// How long the move waits for a reader that holds the target without sharing
// (another editor's load): a load takes milliseconds.
constexpr std::chrono::milliseconds kBusyWait{2000};

std::wstring folderOf(const std::wstring& path) {
    const std::size_t at = path.find_last_of(L"\\/");
    return at == std::wstring::npos ? std::wstring(L".") : path.substr(0, at);
}

std::wstring nameOf(const std::wstring& path) {
    return path.substr(path.find_last_of(L"\\/") + 1); // npos + 1 is 0
}

// Removes the new files that stores killed before their end left beside the
// file. A running store holds its new file without sharing, so it cannot be
// removed meanwhile.
void removeLeftovers(const std::wstring& folder, const std::string& fileName) {
    WIN32_FIND_DATAW found{};
    const std::wstring prefix = Wide(ReplacementPrefix(fileName));
    const HANDLE search = FindFirstFileW((folder + L"\\" + prefix + L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        const std::wstring name = found.cFileName;
        if (replace::IsNewFileOf(Utf8(name), fileName) &&
            !(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)))
            DeleteFileW((folder + L"\\" + name).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

bool noRoom(DWORD error) {
    return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
}

bool moveOver(const std::wstring& from, const std::wstring& to) {
    bool moved = false;
    TryWithin(kBusyWait, [&] {
        moved = MoveFileExW(from.c_str(), to.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        const DWORD error = GetLastError();
        return moved || (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED &&
                         error != ERROR_LOCK_VIOLATION);
    });
    return moved;
}

// The new file beside the target, moved over it once flushed. A volume or
// folder that admits no new file, or a target that may not be renamed over,
// has the target written inPlace instead; a new file that failed otherwise
// never reached the target.
Replaced replaceThroughNewFile(const std::wstring& target, DWORD oldAttributes, const void* data,
                               std::size_t size, const std::function<Replaced()>& inPlace) {
    const std::wstring folder = folderOf(target);
    const std::string fileName = Utf8(nameOf(target));
    removeLeftovers(folder, fileName);

    File file;
    const std::string made = replace::MakeNewFile(fileName, [&](const std::string& newName) {
        file = File(owned(CreateFileW((folder + L"\\" + Wide(newName)).c_str(), GENERIC_WRITE, 0,
                                      nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr)));
        if (file.isOpen())
            return Made::Yes;
        return GetLastError() == ERROR_FILE_EXISTS ? Made::NameTaken : Made::Failed;
    });
    if (made.empty())
        return inPlace();
    const std::wstring name = folder + L"\\" + Wide(made);
    const auto fail = [&](DWORD error) {
        file.close();
        DeleteFileW(name.c_str());
        return noRoom(error) ? inPlace() : Replaced::Unchanged;
    };
    if (!file.write(data, size) || !FlushFileBuffers(native(file.handle())))
        return fail(GetLastError());
    if (!file.close())
        return fail(GetLastError());
    // The file's own marks (hidden, system, archive) stay with it.
    if (oldAttributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesW(name.c_str(),
                           oldAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                            FILE_ATTRIBUTE_ARCHIVE));
    if (!moveOver(name, target)) {
        // Held past the wait by a program that lets others write but not
        // rename (a viewer, a preview): the file is written in place, as
        // that program allows.
        DeleteFileW(name.c_str());
        return inPlace();
    }
    return Replaced::Done;
}

class Win32InPlace : public replace::InPlaceFile {
public:
    Win32InPlace(File& file, std::wstring folder)
        : file_(file), h_(native(file.handle())), folder_(std::move(folder)) {}

    std::optional<std::uint64_t> length() override {
        LARGE_INTEGER length{};
        if (!GetFileSizeEx(h_, &length))
            return std::nullopt;
        return static_cast<std::uint64_t>(length.QuadPart);
    }

    bool fits(std::uint64_t length, std::size_t size) override {
        ULARGE_INTEGER free{};
        return length >= size || !GetDiskFreeSpaceExW(folder_.c_str(), &free, nullptr, nullptr) ||
               free.QuadPart >= size - length;
    }

    bool readAll(std::string& bytes, std::uint64_t length) override {
        bytes.resize(static_cast<std::size_t>(length));
        LARGE_INTEGER zero{};
        return SetFilePointerEx(h_, zero, nullptr, FILE_BEGIN) &&
               file_.read(&bytes[0], bytes.size()) == bytes.size();
    }

    std::size_t writeAt0(const void* data, std::size_t size) override {
        LARGE_INTEGER zero{};
        return SetFilePointerEx(h_, zero, nullptr, FILE_BEGIN) ? WriteAll(h_, data, size) : 0;
    }

    bool setLength(std::uint64_t length) override {
        LARGE_INTEGER at{};
        at.QuadPart = static_cast<LONGLONG>(length);
        return SetFilePointerEx(h_, at, nullptr, FILE_BEGIN) && SetEndOfFile(h_);
    }

    bool flush() override { return FlushFileBuffers(h_) != 0; }

private:
    File& file_;
    HANDLE h_;
    std::wstring folder_;
};

// The file written over in place: every name of it keeps the new content.
Replaced writeInPlace(const std::wstring& target, const void* data, std::size_t size) {
    // Shared as a program that holds the file may let others share it: for
    // reading and writing, not for renaming it.
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    File file(owned(CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file.isOpen() || GetFileType(native(file.handle())) != FILE_TYPE_DISK)
        return Replaced::Unchanged;
    Win32InPlace inPlace(file, folderOf(target));
    const Replaced result = replace::WriteInPlace(inPlace, data, size);
    if (!file.close() && result == Replaced::Done)
        return Replaced::Damaged;
    return result;
}

} // namespace

Replaced ReplaceFileContent(const std::string& path, const void* data, std::size_t size) {
    const std::wstring wide = Wide(path);
    if (wide.empty() || nameOf(wide).empty() || File::namesDevice(path))
        return Replaced::Unchanged;
    // Opened for its kind and its names only, which no other open refuses.
    Handle probe =
        owned(CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!probe.valid()) {
        if (GetLastError() != ERROR_FILE_NOT_FOUND)
            return Replaced::Unchanged;
        return replaceThroughNewFile(wide, INVALID_FILE_ATTRIBUTES, data, size,
                                     [] { return Replaced::Unchanged; });
    }
    // A serial port, a printer, the console, a pipe: the image is for a file
    // on a disk, and nothing else gets it.
    if (GetFileType(native(probe)) != FILE_TYPE_DISK)
        return Replaced::Unchanged;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(native(probe), &info) ||
        (info.dwFileAttributes &
         (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DEVICE)))
        return Replaced::Unchanged;
    std::wstring target = FinalPath(native(probe));
    probe.close();
    if (target.empty())
        target = wide;
    if (File::namesDevice(Utf8(target)))
        return Replaced::Unchanged;
    if (info.nNumberOfLinks > 1)
        return writeInPlace(target, data, size);
    return replaceThroughNewFile(target, info.dwFileAttributes, data, size,
                                 [&] { return writeInPlace(target, data, size); });
}

} // namespace qm
