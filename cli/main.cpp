// qmconf-cli: the command-line companion of the configuration editor.
#include "Cli.h"
#include "Console.h"

#include <exception>
#include <iostream>

int main(int argc, char* argv[]) {
    // Everything is written and flushed before the console goes back.
    const qm::Utf8Console console;
    try {
        const int status = qm::RunCli(qm::Utf8Arguments(argc, argv), std::cout, std::cerr);
        std::cout.flush();
        if (!std::cout) {
            std::cerr << "qmconf-cli: не удаётся вывести результат\n";
            return 3;
        }
        return status;
    } catch (const std::exception& error) {
        std::cerr << "qmconf-cli: " << error.what() << '\n';
        return 3;
    }
}
