// The fixture of the command-line tests: each test in a folder of its own,
// which is also the working folder of the program it runs, with the user's
// temporary directory and data folder (the board archive) pointed there.
#pragma once

#include "CliProcess.h"
#include "ImageTestSupport.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace qmtest {

// The settings file text of the factory defaults with the given lines: a key
// of the file takes the value given, any other key ("ID", "SET99") is put
// right after the section header. Values are code page 1251 bytes.
std::string DefaultsTextWith(const std::vector<std::pair<std::string, std::string>>& lines);

// Its image, as the editor stores it.
inline std::string ImageWith(const std::vector<std::pair<std::string, std::string>>& lines) {
    return ReferenceImage(DefaultsTextWith(lines));
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    CliRun run(const std::vector<std::string>& arguments) { return RunQmconfCli(arguments); }
    // A file of the test's folder, by the name the program is given.
    std::string file(const std::string& name) const { return dir.file(name); }
    bool exists(const std::string& name) const;

    TempDir dir;
    TempDir data;

private:
    std::filesystem::path previousFolder_;
    std::unique_ptr<TempDirEnv> tempEnv_;
    std::unique_ptr<DataHomeEnv> dataEnv_;
};

// The board as the program finds it: on Linux the stand-in qmboard makes,
// named by a mount table of the test's own (QMCONF_MOUNTINFO), its set.ini in
// a folder; on Windows the drive a test run set up as the board
// (QMCONF_TEST_BOARD_DRIVE), its set.ini put back when the object goes.
class BoardStandIn {
public:
    explicit BoardStandIn(const std::string& dir);
    ~BoardStandIn();
    BoardStandIn(const BoardStandIn&) = delete;
    BoardStandIn& operator=(const BoardStandIn&) = delete;

    // Why there is no board here; empty when there is one.
    const std::string& missing() const { return missing_; }
    const std::string& settingsPath() const { return settingsPath_; }
    // Takes the board away; false where a test cannot do so.
    bool unplug();

private:
    std::string dir_;
    std::string missing_;
    std::string settingsPath_;
    std::string original_;
};

} // namespace qmtest
