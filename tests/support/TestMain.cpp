#include <QCoreApplication>
#include <gtest/gtest.h>

#ifdef SCRIBORA_GUI_TESTS
#include <QApplication>
#endif

// A Qt application object for the whole run: many Qt classes (timers, events,
// the font database) need one. GUI test programs get a QApplication.
int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
#ifdef SCRIBORA_GUI_TESTS
    // Windows are never shown on a screen unless a test run asks for one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#else
    QCoreApplication app(argc, argv);
#endif
    return RUN_ALL_TESTS();
}
