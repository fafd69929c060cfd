// qmconf.exe: the configuration editor's window on the platform's own
// controls.
#include "Native_window.h"
#include "Utf16.h"

#include <windows.h>

#include <exception>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    try {
        qm::NativeWindow window;
        window.show();
        return qm::RunMessageLoop(window);
    } catch (const std::exception& error) {
        MessageBoxW(nullptr, qm::Wide(error.what()).c_str(), qm::Wide(qm::ProgramTitle()).c_str(),
                    MB_OK | MB_ICONERROR);
        return 1;
    }
}
