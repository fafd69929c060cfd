#include "CliTest.h"

#include "platform/Win32Text.h"

#include <windows.h>

#include <cstdlib>
#include <stdexcept>

namespace qmtest {

namespace {

// One argument as CommandLineToArgvW reads it back: in quotes, with the
// backslashes before a quotation mark doubled and the mark escaped.
std::wstring quoted(const std::wstring& argument) {
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

// qmconf-cli.exe beside the test's own executable.
std::wstring programPath() {
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    return self.substr(0, self.find_last_of(L"\\/") + 1) + L"qmconf-cli.exe";
}

HANDLE inheritable(const std::string& path) {
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    return CreateFileW(qm::WideFromUtf8(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa,
                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Text written to the console's streams ends its lines in CR LF.
std::string lines(std::string text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            out += text[i];
    return out;
}

} // namespace

CliRun RunQmconfCli(const std::vector<std::string>& arguments) {
    const TempDir streams;
    const std::string outPath = streams.file("out"), errPath = streams.file("err");
    const std::wstring program = programPath();
    std::wstring commandLine = quoted(program);
    for (const std::string& a : arguments)
        commandLine += L" " + quoted(qm::WideFromUtf8(a));

    CliRun run;
    {
        const HANDLE out = inheritable(outPath), err = inheritable(errPath);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = out;
        startup.hStdError = err;
        PROCESS_INFORMATION process{};
        const BOOL started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr,
                                            TRUE, 0, nullptr, nullptr, &startup, &process);
        if (started) {
            WaitForSingleObject(process.hProcess, INFINITE);
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            run.status = static_cast<int>(code);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        CloseHandle(out);
        CloseHandle(err);
        if (!started)
            throw std::runtime_error("cannot start qmconf-cli.exe");
    }
    run.out = lines(ReadAll(outPath));
    run.err = lines(ReadAll(errPath));
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
