// The window suites run real widgets on Qt's offscreen platform.
#include "Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    qm::Application app(argc, argv);
    return RUN_ALL_TESTS();
}
