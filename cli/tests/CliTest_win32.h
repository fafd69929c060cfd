// qmconf-cli.exe started with standard handles of the test's own choosing
// (Windows only): files, pipes, console screen buffers.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace qmtest {

// Runs qmconf-cli with the arguments (UTF-8), its standard output and error
// output the handles given (inheritable), created with the flags given, and
// returns its exit status (-1 when it cannot be started). It inherits the
// test's environment and console.
int StartQmconfCli(const std::vector<std::string>& arguments, HANDLE out, HANDLE err,
                   DWORD creationFlags = 0);

} // namespace qmtest
