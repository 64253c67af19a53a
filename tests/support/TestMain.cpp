// GoogleTest's main inside a Qt application with the test services wired, so that tests drive real
// widgets (offscreen unless a platform is chosen).
#include <QApplication>
#include <gtest/gtest.h>

#include "tests/support/TestServices.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests (CTest's discovery) needs no widgets: no platform plugin is loaded for it.
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    test_services::Install();
    return RUN_ALL_TESTS();
}
