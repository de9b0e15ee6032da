// The recurring dates: their editor, the conversion of the older file at
// start-up and the fill of the page's month.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "CellAppend.h"
#include "EditRecurringDates.h"
#include "EventOccurrences.h"
#include "FileNamePrompt.h"
#include "FloatingPalette.h"
#include "ICalendarEvents.h"
#include "Messages.h"
#include "ModalDialog.h"
#include "ProgramFolder.h"
#include "RecurringFile.h"
#include "RecurringResolve.h"
#include "SelectRecurringDates.h"
#include "WindowPlacement.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

// The icon palette is out of the way while a recurring-dates dialog is
// shown, and back however the command ends.
class TPaletteAway
{
public:
    explicit TPaletteAway(TCalendarMain &window) : m_window(window)
    {
        if (m_window.Preferences.IconToolVisible)
            m_window.Parts().IconPalette->hide();
    }
    ~TPaletteAway()
    {
        if (m_window.Preferences.IconToolVisible)
            m_window.Parts().IconPalette->show();
    }
    TPaletteAway(const TPaletteAway &) = delete;
    TPaletteAway &operator=(const TPaletteAway &) = delete;

private:
    TCalendarMain &m_window;
};

void TellUnreadable(const QString &error)
{
    ShowInformation(TCalendarMain::tr("The recurring dates could not be read.\r\n") + error);
}

} // namespace

void TCalendarMain::ConvertLegacyRecurringDates()
{
    if (const std::optional<QString> error = ConvertLegacyRecurringFile())
        ShowInformation(tr("The old recurring dates file DWRECUR.DAT could not be "
                           "converted; it is kept.\r\n") +
                        *error);
}

void TCalendarMain::mnuEditrecurringDatesClick()
{
    // A file that exists but cannot be read must not be replaced by an
    // empty list.
    const TRecurringRead read = ReadRecurringFile(RecurringFilePath());
    if (!read.Error.isEmpty())
        return TellUnreadable(read.Error);
    TPaletteAway away(*this);
    TEditRecurringDates EditRecurringDates(read.Lines, ProgramFolder(), this);
    EditRecurringDates.FileFolder() = TFileFolder(FileDialogFolder());
    CenterForm(EditRecurringDates);
    ExecModal(EditRecurringDates);
    NoteChosenFolder(EditRecurringDates.FileFolder());
}

void TCalendarMain::mnuFillCalendarwithRecurringDatesClick()
{
    if (!QFileInfo::exists(RecurringFilePath()))
        return;
    {
        TPaletteAway away(*this);
        FillFromRecurringDates();
    }
    SetButtons();
}

void TCalendarMain::mnuFillCalendarFromICalendarClick()
{
    QFileDialog dialog(this, tr("Fill Calendar from iCalendar File"), FileDialogFolder(),
                       tr("iCalendar files (*.ics);;All files (*)"));
    dialog.setObjectName(QStringLiteral("FillFromICalendarDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QString fileName = AskFileName(dialog);
    if (fileName.isEmpty())
        return;
    const TICalendarRead read = ReadICalendarFile(fileName);
    if (!read.Calendar)
        return ShowInformation(tr("The calendar could not be read.\r\n") + read.Error);
    const QList<TDayLine> lines = EventDayLines(*read.Calendar, CalendarPage->MainCalMonth(),
                                                CalendarPage->MainCalYear(), {});
    if (lines.isEmpty())
        return ShowInformation(tr("No events of the calendar fall in the current month"));
    PuttextOnDays(lines);
    SetButtons();
}

void TCalendarMain::FillFromRecurringDates()
{
    const TRecurringRead read = ReadRecurringFile(RecurringFilePath());
    if (!read.Error.isEmpty())
        return TellUnreadable(read.Error);
    const int month = CalendarPage->MainCalMonth();
    const int year = CalendarPage->MainCalYear();
    const QStringList lines = PreselectForMonth(read.Lines, month, year);
    if (lines.isEmpty())
        return ShowInformation(tr("No predefined dates match the current month"));
    TSelectRecurringDates SelectRecurringDates(lines, this);
    CenterForm(SelectRecurringDates);
    if (ExecModal(SelectRecurringDates) == QDialog::Accepted)
        PuttextOnDays(DayLines(SelectRecurringDates.SelectedLines(), month, year));
}

void TCalendarMain::PuttextOnDays(const QList<TDayLine> &lines)
{
    if (lines.isEmpty())
        return;
    const int lastClicked = m_session.CurrentCell();
    DoSaveRichtext();
    if (AppendLinesToDays(*CalendarPage, lines, DefaultFillFont()) == 0)
        return;
    // Marked here, the step recorded below under the fill's name.
    m_session.SetModified(true);
    NameChange(tr("Fill from Recurring Dates"));
    ScheduleRecord();
    if (lastClicked > 0)
        CalendarPage->RaiseCellEvent(lastClicked);
}
