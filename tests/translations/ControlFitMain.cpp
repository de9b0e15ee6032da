#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

#include <clocale>
#include <cstring>

// Headless, in the C locale, on a screen at the scale --screen-scale=N gives
// (1 without it).
int main(int argc, char **argv)
{
    testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const char *const scaleOption = "--screen-scale=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], scaleOption, std::strlen(scaleOption)) == 0)
            qputenv("QT_SCALE_FACTOR", argv[i] + std::strlen(scaleOption));
    }
    qputenv("LC_ALL", "C");
    QLocale::setDefault(QLocale::c());
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "C");
    return RUN_ALL_TESTS();
}
