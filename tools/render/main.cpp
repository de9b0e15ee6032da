#include "HeapTuning.h"
#include "RenderCommand.h"
#include "Translations.h"

#include <QGuiApplication>

int main(int argc, char **argv)
{
    KeepFreedMemory();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // The application sees the program's name only: it would take options of
    // its own ("-style", "-platform", ...) out of the renderer's.
    int toolkitArgc = 1;
    // Help and unusable options are answered before the toolkit starts, in
    // the system's language.
    {
        const QCoreApplication core(toolkitArgc, argv);
        const TInstalledTranslations translations(ResolveInterfaceLanguage({}));
        if (const std::optional<int> answered = AnswerWithoutToolkit(arguments))
            return *answered;
    }
    // Rendering needs fonts but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(toolkitArgc, argv);
    const TInstalledTranslations translations(ResolveInterfaceLanguage({}));
    return RunRenderCommand(arguments);
}
