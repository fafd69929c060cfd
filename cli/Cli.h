// qmconf-cli: the settings of boards and settings files from the command
// line, with the window's own rules.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace qm {

// Runs one command line (the arguments after the program's name, UTF-8)
// and returns the exit status. The results go to out, every error to err.
int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

// Whether the command line asks for JSON on the output (--json).
bool WritesJson(const std::vector<std::string>& arguments);

// The text of --help.
const char* UsageText();

} // namespace qm
