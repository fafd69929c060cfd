// qmconf: the configuration editor of the QM-series monitoring board.
#include "Application.h"
#include "TForm1.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Whether there is a screen to show the window on: a desktop session, or a
// platform the user names to the toolkit (-platform, QT_QPA_PLATFORM).
// Without one the toolkit aborts with a text about platform plugins that
// tells a technician nothing.
bool HasScreen(int argc, char* argv[]) {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return true;
    }
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!HasScreen(argc, argv)) {
        // In Russian, as every other text of the program and of qmconf-cli.
        std::fputs("qmconf: для окна нужен графический сеанс "
                   "(не заданы ни DISPLAY, ни WAYLAND_DISPLAY)\n",
                   stderr);
        return 1;
    }
    qm::Application app(argc, argv);
    app.InstallToolkitTexts();
    return app.Run([] { return std::make_unique<qm::TForm1>(); });
}
