// The cover of the document's set, designed on the page itself. While it is
// shown, the document's own page waits aside as its bytes and the cover has
// an undo history of its own; going back to the document's page keeps the
// cover in the set as one undo step of the document.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "StoredSet.h"

#include <QAction>
#include <QBuffer>

using namespace Qt::StringLiterals;

void TCalendarMain::mnuCoverPageClick()
{
    if (EditingCover())
        ShowMonthsPage();
    else
        ShowCoverPage();
}

void TCalendarMain::ShowCoverPage()
{
    DoSaveRichtext();
    RecordChange();
    const std::optional<TStoredSet> set = StoredSetOf(*CalendarPage);
    const QByteArray design =
        set && !set->CoverDesign.isEmpty() ? set->CoverDesign : NewCoverDesign(*CalendarPage);
    QBuffer months;
    months.open(QIODevice::WriteOnly);
    CalendarPage->SaveToDevice(months);
    m_monthsPage = months.data();
    m_monthsModified = m_session.Modified();
    ReplacePage(design, true);
    m_coverShown = CoverDesignOf(*CalendarPage);
    m_coverHistory = std::make_unique<TUndoHistory>();
    m_coverHistory->Reset(*CalendarPage, true);
    AfterCoverSwitch();
}

void TCalendarMain::ShowMonthsPage()
{
    if (!EditingCover())
        return;
    DoSaveRichtext();
    const QByteArray design = CoverDesignOf(*CalendarPage);
    m_recordPending = false;
    m_coverHistory.reset();
    ReplacePage(std::exchange(m_monthsPage, {}), false);
    ShowModified(m_monthsModified);
    // A cover only looked at changes nothing; one designed starts the set.
    if (design != m_coverShown) {
        TStoredSet set = StoredSetOf(*CalendarPage).value_or(DefaultStoredSet(*CalendarPage));
        if (!set.Choice.Cover)
            set.Choice.Count = std::min(set.Choice.Count + 1, MaxSetPages);
        set.Choice.Cover = true;
        set.CoverDesign = design;
        StoreSet(*CalendarPage, set);
        NameChange(tr("Cover Page"));
        SetModified(true);
    }
    AfterCoverSwitch();
}

void TCalendarMain::ReplacePage(QByteArray bytes, bool cover)
{
    CalendarPanel->HoldPainting(true);
    CalendarPage->SetLoading(true);
    CalendarPage->SetStoredSet({});
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    // Both were written by the page a moment ago, so they read whole.
    ReadIntoPage([&device, cover](TCalendarPage &page) {
        if (cover)
            page.LoadPageFromDevice(device);
        else
            page.LoadFromDevice(device);
        return true;
    });
    CalendarPage->SetCalendarHidden(cover);
    CalendarPage->SetLoading(false);
    CalendarPanel->HoldPainting(false);
    CalendarPanel->update();
}

void TCalendarMain::AfterCoverSwitch()
{
    Command(u"mnuCoverPage"_s)->setChecked(EditingCover());
    CheckFloaterStatus();
    SetButtons();
    SetCaption();
    UpdateUndoCommands();
}
