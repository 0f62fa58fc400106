#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

// One main for every test executable: gtest owns the run, a QApplication exists while tests run.
// Listing the tests (CTest discovery at build time) must work without any display.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests))
        return RUN_ALL_TESTS();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
