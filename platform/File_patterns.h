// File patterns in a SOURCE. cmd.exe and PowerShell hand "*" and "?" on to a
// program as typed (and Windows quoting cannot tell a quoted argument from
// one that is not), so on Windows the program expands them itself; on Linux
// the shell has done it, and a word is taken as it is. One implementation
// per platform (linux/File_patterns.cpp, win32/File_patterns.cpp) over the
// matching every platform shares (File_patterns.cpp).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qm {

// A path's folder as given, with its separator ("C:\work\", "кресла/", "C:",
// or empty), and its last part.
std::pair<std::string, std::string> SplitName(const std::string& path);

// Whether a name matches a pattern character for character, "*" standing for
// any run of characters and "?" for exactly one. Letter case is the caller's
// to fold.
bool WildcardMatch(std::wstring_view name, std::wstring_view pattern);

// The files a word names: the word itself, unless its last part holds a
// pattern and no file is named so literally; then every file (not a folder,
// nor a hidden or system file) in the folder it names whose name matches,
// letter case aside, in the order Explorer lists them ("кресло2" before
// "кресло10"), each as the folder given and its name. A pattern that matches
// nothing stays as it is, to be reported as a file that cannot be read.
// Windows only; elsewhere the word itself.
std::vector<std::string> ExpandPattern(const std::string& word);

} // namespace qm
