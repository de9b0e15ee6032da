// A run of the main window for the recovery tests, in a process of its own
// so that it can be killed.
//
//   dw_recovery_helper edit FOLDER RECOVERY DOCUMENT
//     opens DOCUMENT, types "Swim" into cell 10 and places a label, prints
//     "written" once the recovery copy is on disk, then runs until killed.
//   dw_recovery_helper start FOLDER RECOVERY yes|no
//     starts as the program does, answering the recovery question, prints
//     what it was asked and what the page holds, and exits.
//
// FOLDER is the program folder (settings), RECOVERY the recovery folder.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "LabelPrompts.h"
#include "Messages.h"
#include "ProgramFolder.h"

#include <QApplication>
#include <QFileInfo>
#include <QTextCursor>
#include <QThread>

#include <cstdio>

namespace {

TPrinterQuery NoPrinterCheck()
{
    return {[] { return true; }, [] { return QStringLiteral("Office"); }};
}

void Print(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

int Edit(TCalendarMain &window, const QString &document)
{
    window.FormActivate();
    window.OpenCalendarFile(document);
    TWPRtfStorage cell;
    QTextCursor(&cell.RtfText().Document()).insertText(QStringLiteral("Swim"));
    window.Parts().CalendarPage->SetCellText(10, cell);
    window.SetModified(true);
    TLabelPrompts prompts;
    prompts.EditText = [](const QString &) { return std::optional<QString>("Picnic"); };
    SetLabelPrompts(prompts);
    window.Parts().CalendarPanel->SetTool(psLabel);
    window.Parts().CalendarPage->MouseDown(Qt::LeftButton, Qt::NoModifier, 100, 100);
    window.Parts().CalendarPage->MouseMove(Qt::LeftButton, Qt::NoModifier, 260, 140);
    window.Parts().CalendarPage->MouseUp(Qt::LeftButton, Qt::NoModifier, 260, 140);
    for (;;) {
        QApplication::processEvents();
        if (!window.RecoveryFileName().isEmpty() && QFileInfo::exists(window.RecoveryFileName()))
            break;
        QThread::msleep(10);
    }
    Print(QStringLiteral("written"));
    for (;;) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

int Start(TCalendarMain &window)
{
    window.FormActivate();
    TWPRtfStorage cell;
    window.Parts().CalendarPage->GetCellText(10, cell);
    Print(QStringLiteral("document=") + window.Session().FileName());
    Print(QStringLiteral("modified=%1").arg(window.Session().Modified()));
    Print(QStringLiteral("cell10=") + cell.RtfText().Document().toPlainText());
    Print(QStringLiteral("objects=%1").arg(window.Parts().CalendarPage->Objects().Count()));
    Print(QStringLiteral("undo=") + window.Command(QStringLiteral("mnuUndo"))->text());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Datewright"));
    const QStringList args = QApplication::arguments();
    if (args.size() != 5)
        return 2;
    SetProgramFolder(args[2]);
    const bool answer = args[4] == QStringLiteral("yes");
    TMessageAnswerer answerer;
    answerer.Information = [](const QString &text) { Print(QStringLiteral("told=") + text); };
    answerer.Question = [answer](const QString &text, const QString &caption) {
        Print(QStringLiteral("asked=") + caption + QStringLiteral(": ") +
              QString(text).replace(u'\r', u' '));
        return answer;
    };
    SetMessageAnswerer(answerer);
    TCalendarMain window(NoPrinterCheck());
    window.SetRecoveryFolder(args[3]);
    window.SetRecoveryInterval(50);
    return args[1] == QStringLiteral("edit") ? Edit(window, args[4]) : Start(window);
}
