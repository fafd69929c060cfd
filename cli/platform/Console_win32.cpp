#include "Console.h"

#include "platform/Win32Text.h"

#include <windows.h>

#include <shellapi.h>

namespace qm {

std::vector<std::string> Utf8Arguments(int, char**) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    if (!wide)
        return arguments;
    for (int i = 1; i < count; ++i)
        arguments.push_back(Utf8FromWide(wide[i]));
    LocalFree(wide);
    return arguments;
}

Utf8Console::Utf8Console() {
    const UINT previous = GetConsoleOutputCP(); // 0 without a console
    if (previous != 0 && previous != CP_UTF8 && SetConsoleOutputCP(CP_UTF8))
        previousCodePage_ = previous;
}

Utf8Console::~Utf8Console() {
    if (previousCodePage_ != 0)
        SetConsoleOutputCP(previousCodePage_);
}

} // namespace qm
