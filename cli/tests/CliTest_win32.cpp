#include "CliTest_win32.h"
#include "CliTest.h"

#include "Utf16.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace qmtest {

namespace {

// One argument as CommandLineToArgvW reads it back: in quotes, with the
// backslashes before a quotation mark doubled and the mark escaped.
std::wstring asArgument(const std::wstring& argument) {
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(2 * backslashes, L'\\');
    return out + L"\"";
}

} // namespace

int StartQmconfCli(const std::vector<std::string>& arguments, HANDLE out, HANDLE err,
                   DWORD creationFlags) {
    // qmconf-cli.exe beside the test's own executable.
    std::wstring program(MAX_PATH, L'\0');
    program.resize(GetModuleFileNameW(nullptr, program.data(), MAX_PATH));
    program = program.substr(0, program.find_last_of(L"\\/") + 1) + L"qmconf-cli.exe";
    std::wstring commandLine = asArgument(program);
    for (const std::string& a : arguments)
        commandLine += L" " + asArgument(qm::Wide(a));

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = err;
    PROCESS_INFORMATION process{};
    // Under Wine on a loaded machine a start now and then fails before the
    // program runs at all; that says nothing of the program, so it is said
    // and tried once more.
    for (int attempt = 0;; ++attempt) {
        if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                           creationFlags, nullptr, nullptr, &startup, &process))
            break;
        std::fprintf(stderr, "qmconf-cli.exe could not be started (error %lu)\n", GetLastError());
        if (attempt == 1)
            return -1;
        Sleep(500);
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(code);
}

CliRun RunQmconfCli(const std::vector<std::string>& arguments) {
    // The text as on Linux, so that the command tests hold on both; how it
    // reaches a file, a pipe or a console otherwise: Cli_output_win32Test.
    const EnvVar utf8("QMCONF_UTF8", "1");
    const TempDir streams;
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE files[2];
    for (int i = 0; i < 2; ++i)
        files[i] =
            CreateFileW(qm::Wide(streams.file(std::to_string(i))).c_str(), GENERIC_WRITE,
                        FILE_SHARE_READ, &inherited, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    CliRun run;
    run.status = StartQmconfCli(arguments, files[0], files[1]);
    CloseHandle(files[0]);
    CloseHandle(files[1]);
    // Text on Windows ends its lines in CR LF; a shown text holds no CR of
    // its own (control bytes are escaped).
    run.out = ReadAll(streams.file("0"));
    run.err = ReadAll(streams.file("1"));
    for (std::string* text : {&run.out, &run.err})
        text->erase(std::remove(text->begin(), text->end(), '\r'), text->end());
    return run;
}

BoardStandIn::BoardStandIn(const std::string& dir) : dir_(dir) {
    const char* drive = std::getenv("QMCONF_TEST_BOARD_DRIVE");
    if (drive == nullptr || drive[0] == '\0') {
        missing = "no drive is set up as the board (QMCONF_TEST_BOARD_DRIVE)";
        return;
    }
    settingsPath = std::string(1, drive[0]) + ":\\set.ini";
    original_ = ReadAll(settingsPath);
}

BoardStandIn::~BoardStandIn() {
    // What the board held before the test, for the tests after it.
    if (!settingsPath.empty())
        WriteAll(settingsPath, original_);
}

bool BoardStandIn::unplug() {
    return false;
}

} // namespace qmtest
