// qmconf-cli: the command-line companion of the configuration editor.
#include "Cli.h"
#include "Console.h"

#include <exception>

int main(int argc, char* argv[]) {
    const std::vector<std::string> arguments = qm::Utf8Arguments(argc, argv);
    qm::Terminal terminal(qm::WritesJson(arguments));
    std::ostream& out = terminal.out();
    std::ostream& err = terminal.err();
    try {
        const int status = qm::RunCli(arguments, out, err);
        out.flush();
        if (!out) {
            err << "qmconf-cli: не удаётся вывести результат\n";
            return 3;
        }
        return status;
    } catch (const std::exception& error) {
        err << "qmconf-cli: " << error.what() << '\n';
        return 3;
    }
}
