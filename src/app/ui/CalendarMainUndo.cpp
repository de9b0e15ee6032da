// Undo and redo. Every change that marks the document changed schedules a
// record; once the command that made it is over (a drag, a dialog's OK, a
// command of several changes), the history compares the page with the state
// it last saw and keeps what differs as one step.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "DesignMenu.h"

#include <QAction>
#include <QToolButton>

using namespace Qt::StringLiterals;

void TCalendarMain::ConnectUndo()
{
    connect(mnuUndo, &QAction::triggered, this, &TCalendarMain::UndoClick);
    connect(mnuRedo, &QAction::triggered, this, &TCalendarMain::RedoClick);
    connect(UndoButton, &QToolButton::clicked, this, &TCalendarMain::UndoClick);
    connect(RedoButton, &QToolButton::clicked, this, &TCalendarMain::RedoClick);
    CalendarPanel->MenuHead = [this] { return PageMenuHead(); };
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
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_recordPending)
                RecordChange();
        },
        Qt::QueuedConnection);
}

void TCalendarMain::RecordChange()
{
    m_recordPending = false;
    if (m_history.Record(*CalendarPanel, std::exchange(m_changeName, QString())))
        NoteRecoverableChange();
    UpdateUndoCommands();
}

void TCalendarMain::ResetHistory(bool saved)
{
    m_recordPending = false;
    m_changeName.clear();
    m_history.Reset(*CalendarPanel, saved);
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
    if (m_history.Undo(*CalendarPanel))
        AfterUndoStep();
}

void TCalendarMain::RedoClick()
{
    DoSaveRichtext();
    RecordChange();
    if (m_history.Redo(*CalendarPanel))
        AfterUndoStep();
}

void TCalendarMain::AfterUndoStep()
{
    CalendarPanel->update();
    CheckFloaterStatus();
    ShowModified(!m_history.IsSaved());
    SetButtons();
    UpdateUndoCommands();
    if (Modified)
        NoteRecoverableChange();
    else
        RemoveRecoveryCopy();
}

void TCalendarMain::UpdateUndoCommands()
{
    const bool page = CalendarPanel->Visible();
    const QString undo =
        m_history.CanUndo() ? tr("Undo %1").arg(m_history.UndoText()) : tr("Undo");
    const QString redo =
        m_history.CanRedo() ? tr("Redo %1").arg(m_history.RedoText()) : tr("Redo");
    mnuUndo->setEnabled(page && m_history.CanUndo());
    mnuRedo->setEnabled(page && m_history.CanRedo());
    mnuUndo->setText(undo);
    mnuRedo->setText(redo);
    UndoButton->setEnabled(mnuUndo->isEnabled());
    RedoButton->setEnabled(mnuRedo->isEnabled());
    UndoButton->setToolTip(undo + u" (Ctrl+Z)"_s);
    RedoButton->setToolTip(redo + u" (Ctrl+Y)"_s);
}

TDesignMenu TCalendarMain::PageMenuHead()
{
    // The steps recorded up to the moment the menu opens.
    RecordChange();
    return {MenuCommand(
                mnuUndo->text(), [this] { UndoClick(); }, mnuUndo->isEnabled()),
            MenuCommand(
                mnuRedo->text(), [this] { RedoClick(); }, mnuRedo->isEnabled()),
            MenuSeparator()};
}
