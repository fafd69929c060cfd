// Running the file-system tools that the board stand-in drives.
#pragma once

#include <string>
#include <vector>

namespace qmboard {

// The full path of a program found in PATH or, as mkfs.vfat lives there and
// a user's PATH on Debian lacks them, in /usr/sbin and /sbin. Empty when none.
std::string FindProgram(const std::string& name);

// Runs program (a full path) with the arguments, its standard output
// discarded and its error output passed on, and waits for it. The exit code;
// -1 when it could not be started or did not end normally.
int RunProgram(const std::string& program, const std::vector<std::string>& arguments);

} // namespace qmboard
