#include "Startup.h"

#include "CalendarMain.h"
#include "LanguageSetting.h"
#include "MessageBoxes.h"
#include "Messages.h"
#include "PreviousInstance.h"
#include "ProgramStyle.h"
#include "StartupWarmUp.h"
#include "Translations.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

// For timing the start-up: with DW_EXIT_AFTER_FIRST_PAINT set, the program runs
// unattended (messages go to the error output, questions are answered No),
// prints "first-paint" once the reopened document is on screen, and closes.
bool TimingStartup()
{
    return qEnvironmentVariableIsSet("DW_EXIT_AFTER_FIRST_PAINT");
}

void ExitAfterFirstPaint(TCalendarMain &window)
{
    QObject::connect(&window, &TCalendarMain::FirstPagePainted, &window, [&window] {
        std::puts("first-paint");
        std::fflush(stdout);
        window.close();
    });
}

// The file the program was started to open (by a file manager, or on the
// command line): the first argument, made absolute so that a copy running in
// another folder finds it too. Empty when there is none.
QString GivenFile()
{
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() < 2 || arguments.at(1).isEmpty())
        return {};
    return QFileInfo(arguments.at(1)).absoluteFilePath();
}

} // namespace

int RunDatewright(QApplication &app)
{
    const QString given = GivenFile();
    QApplication::setApplicationName(QStringLiteral("Datewright"));
    // The interface speaks the language chosen, else the system's, from the
    // first window on.
    const TInstalledTranslations translations(ResolveInterfaceLanguage(ReadLanguageSetting()));
    InstallProgramStyle();
    // Unattended, messages keep to the error output and questions are
    // answered No.
    if (!TimingStartup())
        SetMessageAnswerer(MessageBoxes());
    QString folderError;
    const QString folder = TPreviousInstance::DefaultFolder(&folderError);
    const TStartCheck others =
        CheckOtherCopies(folder, folderError, TPreviousInstance::DefaultName(), given);
    if (!others.Warning.isEmpty())
        ShowWarning(others.Warning, QStringLiteral("Datewright"));
    if (!others.Run)
        return others.ExitCode;
    const TStartupWarmUp warmUp;

    TCalendarMain window;
    if (others.Instance) {
        QObject::connect(others.Instance.get(), &TPreviousInstance::RaiseRequested, &window,
                         &TCalendarMain::BringToFront);
        QObject::connect(others.Instance.get(), &TPreviousInstance::OpenRequested, &window,
                         [&window](const QString &fileName) {
                             window.BringToFront();
                             window.OpenGivenFile(fileName);
                         });
    }
    if (!given.isEmpty())
        window.OpenGivenFile(given);
    if (TimingStartup()) {
        ExitAfterFirstPaint(window);
        window.KeepFirstStartQuiet();
    }
    window.ShowNormalCursor();
    // The first activation completes the start-up once the event loop runs.
    QMetaObject::invokeMethod(&window, &TCalendarMain::FormActivate, Qt::QueuedConnection);
    return app.exec();
}
