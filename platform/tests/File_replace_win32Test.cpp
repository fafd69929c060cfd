// What Windows names that is no file on a disk gets nothing: a device by its
// kept name (with an extension too, and where no such device is present), a
// pipe that a program reads. Nothing of that name is made either.
#include "File_replace.h"

#include "TestSupport.h"
#include "Utf16.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

TEST(FileReplaceWin32Test, DevicesByTheirKeptNamesGetNothing) {
    TempDir dir;
    const std::string bytes(2048, 'n');
    for (const char* name : {"aux.ini", "com1.ini", "COM1", "nul", "CON", "lpt1.txt", "conin$",
                             "Com9 .ini", "aux.ini."}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(ReplaceFileContent(dir.file(name), bytes.data(), bytes.size()),
                  Replaced::Unchanged);
        EXPECT_TRUE(fs::is_empty(fs::u8path(dir.path())));
    }
}

TEST(FileReplaceWin32Test, APipeThatAProgramReadsGetsNothing) {
    const std::wstring name =
        L"\\\\.\\pipe\\qmconf-replace-" + std::to_wstring(GetCurrentProcessId());
    const HANDLE server = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_INBOUND,
                                           PIPE_TYPE_BYTE | PIPE_NOWAIT, 1, 4096, 4096, 0, nullptr);
    ASSERT_NE(server, INVALID_HANDLE_VALUE);
    const std::string bytes(2048, 'n');
    EXPECT_EQ(ReplaceFileContent(Utf8(name), bytes.data(), bytes.size()), Replaced::Unchanged);
    DWORD waiting = 0;
    PeekNamedPipe(server, nullptr, 0, nullptr, &waiting, nullptr);
    EXPECT_EQ(waiting, 0u);
    CloseHandle(server);
}

} // namespace
