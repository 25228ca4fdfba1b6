#include <QApplication>
#include <gtest/gtest.h>

#include "platform/format_settings.h"

// Every test program runs headless with one application object, so that
// widgets, fonts and pixmaps work in any test, and with the same number and
// date formats on every machine (tests that need others set them).
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    qputenv("LANG", "C.UTF-8");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    platform::formatSettings() = platform::FormatSettings{};
    return RUN_ALL_TESTS();
}
