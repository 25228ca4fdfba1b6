#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs headless with one application object, so that
// widgets, fonts and pixmaps work in any test.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
