// Loads on Windows: the source held by another program, T held or not to be
// had, and paths named in Cyrillic.
#include "Image_transfer.h"

#include "ImageTestSupport.h"
#include "ImageTestWin32.h"
#include "Settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

using ReadImageWin32Test = ImageTest;

std::string readWide(const std::string& utf8Path) {
    std::ifstream in(fs::u8path(utf8Path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST_F(ReadImageWin32Test, SourceOpenInAnotherProgramEndsInL1) {
    const std::string source = dir.file("set.ini");
    WriteAll(source, DefaultsImage());
    HeldFile other(source, HeldFile::Sharing::None);
    ASSERT_TRUE(other.held());
    EXPECT_EQ(load(source), ImageResult::L1);
    EXPECT_FALSE(fs::exists(tempPath()));

    other.release();
    EXPECT_EQ(load(source), ImageResult::Success);
    EXPECT_STREQ(settings.SET01, "internet.mts.ru");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadImageWin32Test, TempFileOpenInAnotherProgramEndsInL3) {
    const std::string source = dir.file("set.ini");
    WriteAll(source, DefaultsImage());
    WriteAll(tempPath(), "an earlier T");
    HeldFile other(tempPath(), HeldFile::Sharing::None);
    ASSERT_TRUE(other.held());
    EXPECT_EQ(load(source), ImageResult::L3);
    other.release();
    EXPECT_EQ(ReadAll(tempPath()), "an earlier T");
}

TEST_F(ReadImageWin32Test, SourceAndTempFolderNamedInCyrillic) {
    const std::string userTemp = dir.file("Иван");
    fs::create_directory(fs::u8path(userTemp));
    TempDirEnv inside(userTemp);
    const std::string source = dir.file("кресло 1.ini");
    {
        std::ofstream out(fs::u8path(source), std::ios::binary);
        out << DefaultsImage();
    }
    EXPECT_EQ(load(source), ImageResult::Success);
    EXPECT_STREQ(settings.SET01, "internet.mts.ru");
    EXPECT_EQ(readWide(TempPathIn(userTemp)), DefaultsImage());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ReadImageWin32Test, NoTemporaryDirectoryEndsInL3) {
    const std::string source = dir.file("set.ini");
    WriteAll(source, DefaultsImage());
    CurrentDirectory current(dir.path());
    TempDirEnv overlong("C:\\" + std::string(300, 'a'));
    if (SystemGivesTempDirectory())
        GTEST_SKIP() << "this system gives a temporary directory for an overlong %TMP%";
    EXPECT_EQ(load(source), ImageResult::L3);
    EXPECT_FALSE(fs::exists("\\set_tmp.ini"));
}

// Windows takes the temporary folder as the system reports it, usable or not.
TEST_F(ReadImageWin32Test, UnwritableTempFolderEndsInL3) {
    const std::string source = dir.file("set.ini");
    WriteAll(source, DefaultsImage());
    const std::string plain = dir.file("plain");
    WriteAll(plain, "a regular file");
    TempDirEnv inside(plain);
    EXPECT_EQ(load(source), ImageResult::L3);
    EXPECT_EQ(ReadAll(plain), "a regular file");
}

} // namespace
