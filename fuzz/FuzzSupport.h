#pragma once

#include <QGuiApplication>

// Fonts and text layout need a GUI application; fuzz targets make one,
// offscreen, on their first input and keep it for the run.
inline void EnsureGuiApplication()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    if (QCoreApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
}
