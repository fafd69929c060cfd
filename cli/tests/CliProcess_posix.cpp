#include "CliProcess.h"

#include "TestSupport.h"

#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace qmtest {

CliRun RunQmconfCli(const std::vector<std::string>& arguments) {
    const TempDir streams;
    const std::string outPath = streams.file("out"), errPath = streams.file("err");
    std::vector<char*> argv;
    std::string program = QMCONF_CLI_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies(arguments);
    for (std::string& a : copies)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("cannot start qmconf-cli");
    if (pid == 0) {
        const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0)
            ::_exit(127);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
    }
    CliRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = ReadBytes(outPath);
    run.err = ReadBytes(errPath);
    return run;
}

} // namespace qmtest
