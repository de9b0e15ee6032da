// The commands that change the page's style and content: the properties
// dialog, the user title, clearing the cells and the default editor font.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "CalendarProperties.h"
#include "FloatingPalette.h"
#include "HelpViewer.h"
#include "ModalDialog.h"
#include "PropertiesPrompts.h"
#include "UserTitleForm.h"
#include "WindowPlacement.h"
#include "ZoomSteps.h"

#include <QBuffer>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

QByteArray StyleSheetOf(const TCalendarPage &page)
{
    QBuffer sheet;
    sheet.open(QIODevice::WriteOnly);
    page.SaveStyleSheetToDevice(sheet);
    return sheet.data();
}

// Whether the preview's style is another than the page's. The sizes of the
// fonts count too, which SameStyle leaves out: a size changed alone is a
// change the document must not lose.
bool StyleChanged(const TCalendarPage &page, const TCalendarPage &preview)
{
    return !page.SameStyle(preview) || StyleSheetOf(page) != StyleSheetOf(preview);
}

TPropertiesHooks PropertiesHooks()
{
    TPropertiesHooks hooks;
    hooks.RestorePlacement = [](QWidget &dialog) { RestorePlacement(dialog); };
    hooks.SavePlacement = [](QWidget &dialog) { SavePlacement(dialog); };
    hooks.CenterForm = [](QWidget &dialog) { CenterForm(dialog); };
    hooks.ShowHelpContext = [](int context) { ShowHelpContext(context); };
    return hooks;
}

} // namespace

void TCalendarMain::mnuPropertiesClick()
{
    if (Preferences.IconToolVisible)
        IconPalette->hide();
    const int month = CalendarPage->MainCalMonth();
    const int year = CalendarPage->MainCalYear();
    DoSaveRichtext();

    TCalendarProperties CalendarProperties(this);
    CalendarProperties.SetHooks(PropertiesHooks());
    CalendarProperties.FileFolder() = TFileFolder(FileDialogFolder());
    CenterForm(CalendarProperties);
    // The preview is a second view, at its own zoom, of a copy of the page.
    TCalendarPanel32 &preview = CalendarProperties.ExampleCalendar();
    TCalendarPage &example = CalendarProperties.ExamplePage();
    preview.SetZoom(PercentToScale(Preferences.PropZoomPercent));
    // A new document has neither cell text nor objects to lose.
    if (m_session.NewDocument())
        CalendarProperties.SetDocumentState(CalendarPage->LayoutKind(), false, false);
    else if (CalendarPanel->PageShown())
        CalendarProperties.SetDocumentState(
            CalendarPage->LayoutKind(), CalendarPage->HasCellContent(), CalendarPage->HasObjects());
    example.AssignStyle(*CalendarPage);
    const bool accepted = ExecModal(CalendarProperties) == QDialog::Accepted;

    m_session.SetPropertiesAccepted(false);
    NoteChosenFolder(CalendarProperties.FileFolder());
    Preferences.PropZoomPercent = ScaleToPercent(preview.Zoom());
    if (accepted) {
        if (StyleChanged(*CalendarPage, example))
            SetModified(true);
        m_session.SetPropertiesAccepted(true);
        const int layoutKind = CalendarPage->LayoutKind();
        CalendarPage->AssignStyle(example);
        // Cell texts never stay on the dates of another month or layout.
        if (CalendarPage->LayoutKind() != layoutKind)
            CalendarPage->ClearCells();
        if ((CalendarPage->MainCalMonth() != month || CalendarPage->MainCalYear() != year) &&
            CellsFollowDate())
            CalendarPage->ClearCells();
    }
    m_session.SetNewDocument(false);
    CalendarPanel->update();
    CheckFloaterStatus();
    if (Preferences.IconToolVisible)
        IconPalette->show();
    SetButtons();
    SavePreferences();
}

void TCalendarMain::mnuUserTitleClick()
{
    DoSaveRichtext();
    TUserTitleForm UserTitleForm(this);
    UserTitleForm.TitleText->setText(CalendarPage->UserTitle());
    CenterForm(UserTitleForm);
    if (ExecModal(UserTitleForm) != QDialog::Accepted)
        return;
    CalendarPage->SetUserTitle(UserTitleForm.TitleText->text());
    NameChange(tr("Title"));
    SetModified(true);
}

void TCalendarMain::mnuClearAllCellContentsClick()
{
    DoSaveRichtext();
    CalendarPage->ClearCells();
    CalendarPanel->update();
    NameChange(tr("Clear All"));
    SetModified(true);
}

void TCalendarMain::DefaultEditorFont1Click()
{
    LoadPreferences();
    if (const std::optional<TFontDesc> font = AskFont(this, Preferences.DefaultFont())) {
        Preferences.SetDefaultFont(*font);
        SavePreferences();
    }
    SetDefaultFontNow();
}
