// The terminal of the command line: its arguments as UTF-8, and its standard
// output and error output as streams of UTF-8 text. One implementation per
// platform (linux/Console.cpp, win32/Console.cpp).
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace qm {

// The program's arguments after its own name, in UTF-8. Windows: taken from
// the wide command line, so that Cyrillic paths arrive whole whatever the
// system's code page; elsewhere argv as it stands.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// The standard output and error output. Windows: each brought to where it
// leads in the form that reads right there (Output_form.h), the console's
// own code page left as it is; elsewhere std::cout and std::cerr, in UTF-8.
// The error output is written at once, after what is waiting on the output,
// so that the two keep their order on a console and in one file.
class Terminal {
public:
    // json: the output carries JSON.
    explicit Terminal(bool json);
    ~Terminal(); // writes what is left
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    std::ostream& out();
    std::ostream& err();

    struct Streams;

private:
    std::unique_ptr<Streams> streams_;
};

} // namespace qm
