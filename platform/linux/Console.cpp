#include "Console.h"

#include <iostream>

namespace qm {

std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

struct Terminal::Streams {};

Terminal::Terminal(bool) {}

Terminal::~Terminal() = default;

std::ostream& Terminal::out() {
    return std::cout;
}

std::ostream& Terminal::err() {
    return std::cerr;
}

} // namespace qm
