// The cover of the document's set, designed on the page itself. While it is
// shown, the document's own page waits aside as its bytes and the cover has
// an undo history of its own; going back to the document's page keeps the
// cover in the set as one undo step of the document.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "StoredSet.h"

#include <QAction>
#include <QBuffer>

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
    const std::optional<TStoredSet> set = StoredSetOf(*CalendarPanel);
    const QByteArray design =
        set && !set->CoverDesign.isEmpty() ? set->CoverDesign : NewCoverDesign(*CalendarPanel);
    QBuffer months;
    months.open(QIODevice::WriteOnly);
    CalendarPanel->SaveToDevice(months);
    m_monthsPage = months.data();
    m_monthsModified = Modified;
    ReplacePage(design, true);
    m_coverShown = CoverDesignOf(*CalendarPanel);
    m_coverHistory = std::make_unique<TUndoHistory>();
    m_coverHistory->Reset(*CalendarPanel, true);
    AfterCoverSwitch();
}

void TCalendarMain::ShowMonthsPage()
{
    if (!EditingCover())
        return;
    DoSaveRichtext();
    const QByteArray design = CoverDesignOf(*CalendarPanel);
    m_recordPending = false;
    m_coverHistory.reset();
    ReplacePage(std::exchange(m_monthsPage, {}), false);
    ShowModified(m_monthsModified);
    // A cover only looked at changes nothing; one designed starts the set.
    if (design != m_coverShown) {
        TStoredSet set = StoredSetOf(*CalendarPanel).value_or(DefaultStoredSet(*CalendarPanel));
        if (!set.Choice.Cover)
            set.Choice.Count = std::min(set.Choice.Count + 1, MaxSetPages);
        set.Choice.Cover = true;
        set.CoverDesign = design;
        StoreSet(*CalendarPanel, set);
        NameChange(tr("Cover Page"));
        SetModified(true);
    }
    AfterCoverSwitch();
}

void TCalendarMain::ReplacePage(QByteArray bytes, bool cover)
{
    CalendarPanel->SetPaintSuspended(true);
    const float zoom = CalendarPanel->Scale();
    CalendarPanel->SetLoading(true);
    CalendarPanel->ClearCells();
    CalendarPanel->DeleteAllObjects();
    CalendarPanel->SetUserTitle(QString());
    CalendarPanel->SetStoredSet({});
    CalendarPanel->SetScale(1.0f);
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    // Both were written by the page a moment ago.
    if (cover)
        CalendarPanel->LoadPageFromDevice(device);
    else
        CalendarPanel->LoadFromDevice(device);
    CalendarPanel->SetCalendarHidden(cover);
    CalendarPanel->HookAllObjects();
    CalendarPanel->SetScale(zoom);
    CalendarPanel->SetLoading(false);
    CalendarPanel->SetPaintSuspended(false);
    CalendarPanel->update();
}

void TCalendarMain::AfterCoverSwitch()
{
    mnuCoverPage->setChecked(EditingCover());
    CheckFloaterStatus();
    SetButtons();
    SetCaption();
    UpdateUndoCommands();
}
