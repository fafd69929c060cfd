// Replacing a file's whole content, on every platform: what the folder
// holds afterwards and what every name of the file reads.
#include "File_replace.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

using namespace qm;
using namespace qmtest;
namespace fs = std::filesystem;

namespace {

std::set<std::string> entriesOf(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::u8path(folder)))
        names.insert(entry.path().filename().u8string());
    return names;
}

enum class Before { Nothing, LongerFile, Leftover, SecondName, LinkToIt };

struct ReplaceCase {
    const char* what;
    Before before;
    const char* path;                   // the name the store is given
    std::set<std::string> entriesAfter; // what the folder then holds
};

TEST(FileReplaceTest, TheFileHoldsTheNewBytesAndNothingElseStays) {
    const std::string bytes(2048, 'n');
    const std::string leftover = ReplacementPrefix("chair.ini") + "k1ll3d00";
    const ReplaceCase cases[] = {
        {"no file yet", Before::Nothing, "chair.ini", {"chair.ini"}},
        {"a longer file", Before::LongerFile, "chair.ini", {"chair.ini"}},
        {"a killed store's new file", Before::Leftover, "chair.ini", {"chair.ini"}},
        {"a file of two names", Before::SecondName, "chair.ini", {"chair.ini", "other.ini"}},
        {"a link to the file", Before::LinkToIt, "link.ini", {"chair.ini", "link.ini"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        const std::string file = dir.file("chair.ini");
        if (c.before != Before::Nothing)
            WriteAll(file, std::string(c.before == Before::LongerFile ? 3000 : 2048, 'o'));
        if (c.before == Before::Leftover)
            WriteAll(dir.file(leftover), "cut short");
        if (c.before == Before::SecondName)
            fs::create_hard_link(fs::u8path(file), fs::u8path(dir.file("other.ini")));
        if (c.before == Before::LinkToIt) {
            std::error_code error;
            fs::create_symlink("chair.ini", fs::u8path(dir.file("link.ini")), error);
            if (error) {
                std::cout << "links left out: " << error.message() << "\n";
                continue;
            }
        }
        ASSERT_EQ(ReplaceFileContent(dir.file(c.path), bytes.data(), bytes.size()), Replaced::Done);
        EXPECT_EQ(ReadAll(file), bytes);
        EXPECT_EQ(entriesOf(dir.path()), c.entriesAfter);
        if (c.before == Before::SecondName) {
            EXPECT_EQ(ReadAll(dir.file("other.ini")), bytes);
        }
        if (c.before == Before::LinkToIt) {
            EXPECT_TRUE(fs::is_symlink(fs::u8path(dir.file("link.ini"))));
        }
    }
}

// A folder that is not there, or a folder at the path, takes nothing.
TEST(FileReplaceTest, NoPlaceForTheFileFails) {
    TempDir dir;
    const std::string bytes(2048, 'n');
    EXPECT_EQ(ReplaceFileContent(dir.file("missing/chair.ini"), bytes.data(), bytes.size()),
              Replaced::Unchanged);
    fs::create_directory(fs::u8path(dir.file("folder")));
    EXPECT_EQ(ReplaceFileContent(dir.file("folder"), bytes.data(), bytes.size()),
              Replaced::Unchanged);
    EXPECT_EQ(entriesOf(dir.path()), (std::set<std::string>{"folder"}));
}

} // namespace
