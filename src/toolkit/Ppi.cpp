#include "Ppi.h"

#include <QGuiApplication>
#include <QScreen>

int ScreenPpi()
{
    constexpr int defaultPpi = 96;
    // Only a GUI application has screens; a QCoreApplication (or none) has not.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return defaultPpi;
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : defaultPpi;
}
