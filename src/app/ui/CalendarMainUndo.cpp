// Undo and redo. Every change that marks the document changed schedules a
// record; once the command that made it is over (a drag, a dialog's OK, a
// command of several changes), the history compares the page with the state
// it last saw and keeps what differs as one step.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "DesignMenu.h"
#include "ModalDialog.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QToolButton>

using namespace Qt::StringLiterals;

void TCalendarMain::ConnectUndo()
{
    connect(UndoButton, &QToolButton::clicked, this, &TCalendarMain::UndoClick);
    connect(RedoButton, &QToolButton::clicked, this, &TCalendarMain::RedoClick);
    CalendarPage->MenuHead = [this] { return PageMenuHead(); };
    UpdateUndoCommands();
}

void TCalendarMain::NameChange(const QString &name)
{
    m_changeName = name;
}

void TCalendarMain::ScheduleRecord()
{
    if (std::exchange(m_recordPending, true))
        return;
    QMetaObject::invokeMethod(this, &TCalendarMain::RecordWhenCommandEnds, Qt::QueuedConnection);
}

void TCalendarMain::RecordWhenCommandEnds()
{
    if (!m_recordPending)
        return;
    // A dialog the command opened runs its own event loop, where this comes
    // first: the command is not over until the dialog has ended and the
    // command has gone on, so that its change is one step.
    if (InModalDialog()) {
        AfterModalDialogs(this, [this] { RecordWhenCommandEnds(); });
        return;
    }
    if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
        connect(
            dialog, &QDialog::finished, this,
            [this] {
                QMetaObject::invokeMethod(this, &TCalendarMain::RecordWhenCommandEnds,
                                          Qt::QueuedConnection);
            },
            Qt::SingleShotConnection);
        return;
    }
    RecordChange();
}

void TCalendarMain::RecordChange()
{
    m_recordPending = false;
    if (ActiveHistory().Record(*CalendarPage, std::exchange(m_changeName, QString())))
        NoteRecoverableChange();
    UpdateUndoCommands();
}

void TCalendarMain::ResetHistory(bool saved)
{
    m_recordPending = false;
    m_changeName.clear();
    m_history.Reset(*CalendarPage, saved);
    RemoveRecoveryCopy();
    UpdateUndoCommands();
}

void TCalendarMain::MarkSaved()
{
    RecordChange();
    m_history.MarkSaved();
    RemoveRecoveryCopy();
}

void TCalendarMain::UndoClick()
{
    DoSaveRichtext();
    RecordChange();
    if (ActiveHistory().Undo(*CalendarPage))
        AfterUndoStep();
}

void TCalendarMain::RedoClick()
{
    DoSaveRichtext();
    RecordChange();
    if (ActiveHistory().Redo(*CalendarPage))
        AfterUndoStep();
}

void TCalendarMain::AfterUndoStep()
{
    CalendarPanel->update();
    CheckFloaterStatus();
    // The cover's history starts from the document as it stood.
    ShowModified(!ActiveHistory().IsSaved() || (EditingCover() && m_monthsModified));
    SetButtons();
    UpdateUndoCommands();
    if (m_session.Modified())
        NoteRecoverableChange();
    else
        RemoveRecoveryCopy();
}

void TCalendarMain::UpdateUndoCommands()
{
    const bool page = CalendarPanel->PageShown();
    // Text typed into the open cell is a step once the cell is stored, which
    // undoing does first.
    const bool typed = m_session.CellTyped();
    const TUndoHistory &history = ActiveHistory();
    const QString undo = typed               ? tr("Undo Cell Text")
                         : history.CanUndo() ? tr("Undo %1").arg(history.UndoText())
                                             : tr("Undo");
    const bool canRedo = history.CanRedo() && !typed;
    const QString redo = canRedo ? tr("Redo %1").arg(history.RedoText()) : tr("Redo");
    QAction *const undoCommand = Command(u"mnuUndo"_s);
    QAction *const redoCommand = Command(u"mnuRedo"_s);
    undoCommand->setEnabled(page && (history.CanUndo() || typed));
    redoCommand->setEnabled(page && canRedo);
    undoCommand->setText(undo);
    redoCommand->setText(redo);
    UndoButton->setEnabled(undoCommand->isEnabled());
    RedoButton->setEnabled(redoCommand->isEnabled());
    UndoButton->setToolTip(undo + u" (Ctrl+Z)"_s);
    RedoButton->setToolTip(redo + u" (Ctrl+Y)"_s);
}

TDesignMenu TCalendarMain::PageMenuHead()
{
    // The steps recorded up to the moment the menu opens.
    RecordChange();
    const QAction *undo = Command(u"mnuUndo"_s);
    const QAction *redo = Command(u"mnuRedo"_s);
    return {MenuCommand(
                undo->text(), [this] { UndoClick(); }, undo->isEnabled()),
            MenuCommand(
                redo->text(), [this] { RedoClick(); }, redo->isEnabled()),
            MenuSeparator()};
}
