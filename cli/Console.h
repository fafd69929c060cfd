// The terminal of the command line: its arguments as UTF-8, and its output
// as UTF-8. One implementation per platform (platform/Console_posix.cpp,
// Console_win32.cpp).
#pragma once

#include <string>
#include <vector>

namespace qm {

// The program's arguments after its own name, in UTF-8. Windows: taken from
// the wide command line, so that Cyrillic paths arrive whole whatever the
// system's code page; elsewhere argv as it stands.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Makes the console show the UTF-8 the program writes (Windows: its output
// code page becomes UTF-8; elsewhere nothing to do).
void PrepareConsole();

} // namespace qm
