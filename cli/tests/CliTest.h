// The command-line tests: the built qmconf-cli run as a process with its
// arguments, its output, error output and exit status collected, in a folder
// of the test's own (its working folder, with the user's temporary directory
// and data folder pointed there); file names in Cyrillic.
#pragma once

#include "ImageTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qmtest {

struct CliRun {
    int status = -1;
    std::string out; // line ends as "\n" on every platform
    std::string err;
};

// Runs qmconf-cli with the arguments (UTF-8). One implementation per
// platform (CliTest_posix.cpp, CliTest_win32.cpp).
CliRun RunQmconfCli(const std::vector<std::string>& arguments);

inline std::string ImageWith(const std::vector<std::pair<std::string, std::string>>& lines) {
    return ReferenceImage(DefaultsTextWith(lines));
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::current_path(std::filesystem::u8path(dir.path())); }
    void TearDown() override { std::filesystem::current_path(previousFolder_); }
    CliRun run(const std::vector<std::string>& arguments) { return RunQmconfCli(arguments); }
    std::string file(const std::string& name) const { return dir.file(name); }
    bool exists(const std::string& name) const {
        return std::filesystem::exists(std::filesystem::u8path(file(name)));
    }

    TempDir dir, data;

private:
    const std::filesystem::path previousFolder_ = std::filesystem::current_path();
    const TempDirEnv tempEnv_{dir.path()};
    const DataHomeEnv dataEnv_{data.path()};
};

// The board as the program finds it: on Linux the stand-in qmboard makes,
// named by a mount table of the test's own (QMCONF_MOUNTINFO), its set.ini in
// a folder; on Windows the drive the test run set up as the board
// (QMCONF_TEST_BOARD_DRIVE), its set.ini put back when the object goes.
struct BoardStandIn {
    explicit BoardStandIn(const std::string& dir);
    ~BoardStandIn();
    bool unplug(); // false where a test cannot take the board away

    std::string missing; // why there is no board here; empty when there is one
    std::string settingsPath;

private:
    std::string dir_, original_;
    std::unique_ptr<EnvVar> mountinfo_;
};

} // namespace qmtest
