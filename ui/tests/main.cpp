// The window suites run real widgets on Qt's offscreen platform.
#include "Application.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The toolkit's own settings (the file dialogs' history), caches and
    // runtime files go to a home of the run's own, never into the user's
    // home or loose into the temporary folder.
    const QTemporaryDir home;
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, home.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    qm::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
