#include "Startup.h"

#include "CalendarMain.h"
#include "MessageBoxes.h"
#include "Messages.h"
#include "PreviousInstance.h"
#include "ProgramStyle.h"
#include "StartupWarmUp.h"

#include <QApplication>

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

} // namespace

int RunDatewright(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Datewright"));
    InstallProgramStyle();
    // Unattended, messages keep to the error output and questions are
    // answered No.
    if (!TimingStartup())
        SetMessageAnswerer(MessageBoxes());
    QString folderError;
    const QString folder = TPreviousInstance::DefaultFolder(&folderError);
    const TStartCheck others =
        CheckOtherCopies(folder, folderError, TPreviousInstance::DefaultName());
    if (!others.Warning.isEmpty())
        ShowWarning(others.Warning, QStringLiteral("Datewright"));
    if (!others.Run)
        return others.ExitCode;
    const TStartupWarmUp warmUp;

    TCalendarMain window;
    if (others.Instance)
        QObject::connect(others.Instance.get(), &TPreviousInstance::RaiseRequested, &window,
                         &TCalendarMain::BringToFront);
    if (TimingStartup())
        ExitAfterFirstPaint(window);
    window.ShowNormalCursor();
    // The first activation completes the start-up once the event loop runs.
    QMetaObject::invokeMethod(&window, &TCalendarMain::FormActivate, Qt::QueuedConnection);
    return app.exec();
}
