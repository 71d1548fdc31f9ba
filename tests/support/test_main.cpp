// Test programs start here: a headless QApplication, then GoogleTest.

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Test discovery runs this program at build time, outside CTest's
    // environment, so choose the headless platform here when none is set.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never read or write the user's real configuration.
    qputenv("XDG_CONFIG_HOME", "/nonexistent/jubilo-tests");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
