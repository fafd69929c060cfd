// qmconf-cli.exe carries its manifest, built in: the Windows versions it is
// made for, from 7 on, and no elevation asked for.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace qmtest {
namespace {

TEST(ManifestTest, IsBuiltInFromWindows7OnWithoutElevation) {
    std::wstring program(MAX_PATH, L'\0');
    program.resize(GetModuleFileNameW(nullptr, program.data(), MAX_PATH));
    program = program.substr(0, program.find_last_of(L"\\/") + 1) + L"qmconf-cli.exe";
    const HMODULE image = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(image, nullptr);
    const HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1),
                                      MAKEINTRESOURCEW(24)); // RT_MANIFEST 1: read at start
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(image, found))),
                               SizeofResource(image, found));
    FreeLibrary(image);
    EXPECT_NE(manifest.find("<supportedOS Id=\"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}\"/>"),
              std::string::npos)
        << "Windows 7";
    EXPECT_NE(manifest.find("level=\"asInvoker\""), std::string::npos);
}

} // namespace
} // namespace qmtest
