#ifdef DW_TEST_WIDGETS
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QGuiApplication>
using TTestApplication = QGuiApplication;
#endif
#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>

// Every test program runs headless and in the C locale, so names, numbers and
// pixels do not depend on the machine.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C");
    QLocale::setDefault(QLocale::c());
    TTestApplication app(argc, argv);
    std::setlocale(LC_ALL, "C");
    return RUN_ALL_TESTS();
}
