#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>

// Headless, in the C locale, on a screen scaled to 200 %.
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    qputenv("LC_ALL", "C");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "C");
    return RUN_ALL_TESTS();
}
