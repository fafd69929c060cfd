// file_holder.exe: another program that holds a file, for the store tests
// under Windows (run by them, never by hand):
//
//   file_holder none|read|readwrite PATH MS
//       opens PATH for reading and writing, letting others share it only as
//       named (none: no one; read: readers; readwrite: readers and writers,
//       as an editor or a sync client does), says "held" and keeps it MS ms;
//   file_holder grab PATH MS
//       says "watching", waits for PATH to change (its time of last writing),
//       looking without opening it, and then opens it letting no one share
//       it, as an on-access scanner does, and keeps it MS ms.
//
// Exit status 0, or 1 when the file could not be opened.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

void say(const char* word) {
    std::printf("%s\n", word);
    std::fflush(stdout);
}

bool writtenAt(const std::wstring& path, FILETIME& written) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return false;
    written = data.ftLastWriteTime;
    return true;
}

int hold(const std::wstring& path, DWORD share, DWORD ms) {
    const HANDLE h = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, share, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    say("held");
    Sleep(ms);
    CloseHandle(h);
    return 0;
}

int grab(const std::wstring& path, DWORD ms) {
    FILETIME before{}, now{};
    if (!writtenAt(path, before))
        return 1;
    say("watching");
    while (!writtenAt(path, now) || CompareFileTime(&now, &before) == 0) {
    }
    HANDLE h = INVALID_HANDLE_VALUE;
    while (h == INVALID_HANDLE_VALUE)
        h = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    Sleep(ms);
    CloseHandle(h);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 4)
        return 2;
    const std::wstring mode = argv[1], path = argv[2];
    const DWORD ms = static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10));
    if (mode == L"grab")
        return grab(path, ms);
    const DWORD share = mode == L"none"   ? 0
                        : mode == L"read" ? FILE_SHARE_READ
                                          : FILE_SHARE_READ | FILE_SHARE_WRITE;
    return hold(path, share, ms);
}
