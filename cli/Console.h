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

// While it lives, the console shows the UTF-8 the program writes. Windows:
// the console's output code page becomes UTF-8 and goes back to what it was
// when the object goes, as the console and its code page are those of the
// shell the program runs in; elsewhere there is nothing to do.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;

private:
    [[maybe_unused]] unsigned previousCodePage_ = 0; // to set back (Windows); 0 for none
};

} // namespace qm
