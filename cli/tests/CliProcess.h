// The command line driven as a user drives it: the built qmconf-cli run as a
// process with its arguments, its output, error output and exit status
// collected. Helpers for files with names in Cyrillic on every platform.
#pragma once

#include <string>
#include <vector>

namespace qmtest {

struct CliRun {
    int status = -1;
    std::string out; // line ends as "\n" on every platform
    std::string err;
};

// Runs qmconf-cli with the arguments (UTF-8) in the environment of the test,
// its working folder that of the test; throws when it cannot be started.
// One implementation per platform (CliProcess_posix.cpp, CliProcess_win32.cpp).
CliRun RunQmconfCli(const std::vector<std::string>& arguments);

// Whole-file reads and writes by UTF-8 path, through the settings core's own
// file access, so that Cyrillic names work on Windows as well.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::string& bytes);

} // namespace qmtest
