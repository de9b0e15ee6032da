#include "RenderCommand.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    // Rendering needs fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    return RunRenderCommand(arguments);
}
