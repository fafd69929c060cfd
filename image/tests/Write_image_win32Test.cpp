// Stores on Windows: the target or T held by another program, a drive letter
// that names no drive, T not to be had, and paths named in Cyrillic.
#include "Image_transfer.h"

#include "ImageTestSupport.h"
#include "ImageTestWin32.h"
#include "Settings.h"
#include "Utf16.h"
#include "Write_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

using WriteImageWin32Test = ImageTest;

std::string readWide(const std::string& utf8Path) {
    std::ifstream in(fs::u8path(utf8Path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(WriteImageWin32Test, TargetOpenInAnotherProgramEndsInS5) {
    const std::string target = dir.file("set.ini");
    WriteAll(target, "as the board holds it");
    HeldFile other(target, HeldFile::Sharing::None);
    ASSERT_TRUE(other.held());
    EXPECT_EQ(store(target), ImageResult::S5);
    other.release();
    EXPECT_EQ(ReadAll(target), "as the board holds it");
    EXPECT_TRUE(messages.shown.empty());
}

// The writer cannot create T, but an earlier run left a complete, readable T:
// it must not reach the board.
TEST_F(WriteImageWin32Test, StaleTempFileHeldByAnotherProgramIsNotStored) {
    CopyText(settings.SET01, kLongTextSize, "stale.apn");
    WriteAll(tempPath(), SettingsFileText(settings, false));
    CopyText(settings.SET01, kLongTextSize, "fresh.apn");
    HeldFile other(tempPath(), HeldFile::Sharing::None);
    ASSERT_TRUE(other.held());

    const std::string target = dir.file("set.ini");
    EXPECT_EQ(store(target), ImageResult::S1);
    EXPECT_EQ(messages.shown, (std::vector<Message>{{"Не удаётся создать файл ", tempPath()}}));
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(WriteImageWin32Test, DriveLetterWithoutADriveEndsInS5) {
    const DWORD drives = GetLogicalDrives();
    char letter = 0;
    for (char c = 'Z'; c >= 'D' && letter == 0; --c)
        if (!(drives & (1u << (c - 'A'))))
            letter = c;
    if (letter == 0)
        GTEST_SKIP() << "every drive letter is taken";
    EXPECT_EQ(store(std::string(1, letter) + ":\\set.ini"), ImageResult::S5);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WriteImageWin32Test, TargetAndTempFolderNamedInCyrillic) {
    const std::string userTemp = dir.file("Иван");
    fs::create_directory(fs::u8path(userTemp));
    TempDirEnv inside(userTemp);
    const std::string target = dir.file("кресло 1.ini");
    ASSERT_EQ(store(target), ImageResult::Success);
    const std::string image = ReferenceImage(SettingsFileText(settings, false));
    EXPECT_EQ(readWide(target), image);
    EXPECT_EQ(readWide(TempPathIn(userTemp)), image.substr(0, image.find("\r\n", 540) + 2));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WriteImageWin32Test, NoTemporaryDirectoryEndsInS1) {
    CurrentDirectory current(dir.path());
    TempDirEnv overlong("C:\\" + std::string(300, 'a'));
    if (SystemGivesTempDirectory())
        GTEST_SKIP() << "this system gives a temporary directory for an overlong %TMP%";
    const std::string target = dir.file("set.ini");
    EXPECT_EQ(store(target), ImageResult::S1);
    EXPECT_EQ(messages.shown, (std::vector<Message>{{"Не удаётся создать файл ", ""}}));
    EXPECT_FALSE(fs::exists(target));
    EXPECT_FALSE(fs::exists("\\set_tmp.ini"));
}

// A second name of another file planted at T gives way to a fresh T on both
// roads; the file keeps its bytes.
TEST_F(WriteImageWin32Test, HardLinkPlantedAtTheTempFileIsReplaced) {
    const std::string victim = dir.file("victim");
    const std::string source = dir.file("source.ini");
    WriteAll(source, DefaultsImage());
    for (const bool storing : {true, false}) {
        WriteAll(victim, "victim's bytes");
        fs::remove(tempPath());
        ASSERT_TRUE(CreateHardLinkW(Wide(tempPath()).c_str(), Wide(victim).c_str(), nullptr));
        const ImageResult result = storing ? store(dir.file("set.ini")) : load(source);
        EXPECT_EQ(result, ImageResult::Success);
        EXPECT_EQ(ReadAll(victim), "victim's bytes");
        EXPECT_NE(ReadAll(tempPath()), "victim's bytes");
    }
}

// Windows takes the temporary folder as the system reports it, usable or not.
TEST_F(WriteImageWin32Test, UnusableTempFolderEndsInS1AfterTheWritersMessage) {
    const std::string plain = dir.file("plain");
    WriteAll(plain, "a regular file");
    TempDirEnv inside(plain);
    const std::string target = dir.file("set.ini");
    EXPECT_EQ(store(target), ImageResult::S1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0], (Message{"Не удаётся создать файл ", TempPathIn(plain)}));
    EXPECT_FALSE(fs::exists(target));
}

} // namespace
