// The document of the main window: new, open, save, cancel changes and the
// question before unsaved changes are lost.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "FileNamePrompt.h"
#include "MRUFileList.h"
#include "Messages.h"
#include "ModalDialog.h"
#include "ProgramFolder.h"
#include "PropertiesRules.h"
#include "ProposedNames.h"
#include "StartFolder.h"
#include "TemplateDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// The zoom to restore after a document was read at scale 1.0; 1.0 when there
// is nothing to restore or the zoom is not a sensible one.
float ZoomToRestore(float scale)
{
    if (scale == 1.0f || scale < 0.1f || scale > 1.1f)
        return 1.0f;
    return scale;
}

// How often a given file that waits for a dialog or a command asks again.
constexpr int givenFileRetryMs = 200;

bool IsDocumentName(const QString &fileName)
{
    return QFileInfo(fileName).suffix().compare(u"DWC"_s, Qt::CaseInsensitive) == 0;
}

QString UnopenableMessage(const QString &fileName)
{
    return TCalendarMain::tr(
               "Unable to open %1. Possibly \rcorrupted, possibly not a Calendar file")
        .arg(fileName);
}

} // namespace

void TCalendarMain::New1Click()
{
    if (!CheckSaveNeeded())
        return;
    ShowBusyCursor();
    DoSaveRichtext();
    ShowNormalCursor();
    m_session.SetNewDocument(true);
    mnuPropertiesClick();
    if (!m_session.PropertiesAccepted())
        return;
    SetModified(true);
    m_session.SetFileName(QString());
    CalendarPage->ClearCells();
    CalendarPage->DeleteAllObjects();
    CalendarPage->SetStoredSet({});
    CalendarPanel->ShowPage(true);
    SetButtons();
    SetCaption();
    ResetHistory(false);
}

void TCalendarMain::NewFromTemplateClick()
{
    DoSaveRichtext();
    if (!CheckSaveNeeded())
        return;
    OfferTemplates();
}

bool TCalendarMain::OfferTemplates()
{
    TTemplateDialog dialog(ProgramFolder(), this);
    if (ExecModal(dialog) != QDialog::Accepted || dialog.ChosenFile().isEmpty())
        return false;
    return OpenCalendarFile(dialog.ChosenFile(), true);
}

void TCalendarMain::Open1Click()
{
    DoSaveRichtext();
    if (!CheckSaveNeeded())
        return;
    QFileDialog OpenDialog(this, tr("Open Calendar File"), FileDialogFolder(),
                           tr("Calendar File (*.DWC)"));
    OpenDialog.setObjectName(u"OpenDialog"_s);
    OpenDialog.setAcceptMode(QFileDialog::AcceptOpen);
    OpenDialog.setFileMode(QFileDialog::ExistingFile);
    OpenDialog.setDefaultSuffix(u"DWC"_s);
    const QString fileName = AskFileName(OpenDialog);
    if (fileName.isEmpty())
        return;
    NoteFileFolder(fileName);
    if (QFileInfo(fileName).suffix().toUpper() != u"DWC"_s) {
        ShowInformation(tr("Must be a Calendar file (*.DWC)"));
        return;
    }
    OpenCalendarFile(fileName);
}

bool TCalendarMain::OpenCalendarFile(const QString &FileName, bool AsTemplate)
{
    // FileName may be the session's file name itself, which is cleared below.
    const QString fileName = FileName; // NOLINT(performance-unnecessary-copy-initialization)
    ShowMonthsPage();
    DoSaveRichtext();
    // A file that cannot be opened leaves the calendar open as it was: it is
    // read aside first, and only a file that reads replaces the calendar.
    if (!QFileInfo::exists(fileName)) {
        ShowInformation(tr("File %1 no longer exists").arg(fileName));
        return false;
    }
    ShowBusyCursor();
    const bool readable = !TCalendarPage().LoadFromFile(fileName);
    ShowNormalCursor();
    if (!readable) {
        ShowInformation(UnopenableMessage(fileName));
        return false;
    }
    CalendarPanel->HoldPainting(true);
    m_session.SetFileName(QString());
    ShowBusyCursor();
    CalendarPage->SetLoading(true);
    // A document holds its geometry at full size: it reads alike at any zoom.
    const bool read =
        ReadIntoPage([&fileName](TCalendarPage &page) { return !page.LoadFromFile(fileName); });
    if (read) {
        ShowNormalCursor();
        // A template opens untitled, as a new calendar does.
        if (!AsTemplate) {
            m_session.SetFileName(fileName);
            MRUFileList->AddFile(fileName);
            MRUFileList->SaveToIni();
        }
        if (const QString refused = CalendarPage->RefusedPicturesMessage(); !refused.isEmpty())
            ShowInformation(refused);
    } else {
        // Changed since it was read aside: nothing of it read in part stays.
        CalendarPage->ClearCells();
        CalendarPage->DeleteAllObjects();
        CalendarPage->ResetStyle();
        ShowInformation(UnopenableMessage(fileName));
        ShowNormalCursor();
    }
    QApplication::processEvents();
    CalendarPanel->ShowPage(read);
    CalendarPanel->update();
    SetModified(read && AsTemplate);
    SetButtons();
    CheckFloaterStatus();
    ShowNormalCursor();
    // A zoom beyond what a document opens at goes back to full size.
    ZoomStep([](float scale) -> std::optional<float> {
        const float zoom = ZoomToRestore(scale);
        return zoom != scale ? std::optional(zoom) : std::nullopt;
    });
    SetCaption();
    // During start-up the page stays unpainted until the start-up is over.
    CalendarPanel->HoldPainting(Starting);
    CalendarPanel->update();
    QApplication::processEvents();
    CalendarPage->SetLoading(false);
    ResetHistory(!(read && AsTemplate));
    return read;
}

bool TCalendarMain::ReadIntoPage(const std::function<bool(TCalendarPage &)> &read)
{
    CalendarPage->ClearCells();
    CalendarPage->DeleteAllObjects();
    CalendarPage->SetUserTitle(QString());
    const bool done = read(*CalendarPage);
    if (done)
        CalendarPage->HookAllObjects();
    return done;
}

void TCalendarMain::OpenGivenFile(const QString &FileName)
{
    if (Starting) {
        m_givenFile = FileName;
        return;
    }
    if (m_busyCursorShown || QApplication::activeModalWidget()) {
        QTimer::singleShot(givenFileRetryMs, this, [this, FileName] { OpenGivenFile(FileName); });
        return;
    }
    const bool document = IsDocumentName(FileName);
    if (!document && !IsStyleSheetName(FileName)) {
        ShowInformation(tr("Must be a Calendar file (*.DWC) or a Calendar Style Sheet (*.DWS)"));
        return;
    }
    DoSaveRichtext();
    if (!CheckSaveNeeded())
        return;
    if (document)
        OpenCalendarFile(FileName);
    else
        NewFromStyleSheet(FileName);
}

void TCalendarMain::NewFromStyleSheet(const QString &FileName)
{
    TCalendarPage sheet;
    sheet.ResetStyle();
    if (sheet.LoadStyleSheet(FileName)) {
        ShowInformation(
            tr("Unable to open %1. Possibly \r\ncorrupted, possibly not a Calendar Style file")
                .arg(FileName));
        return;
    }
    m_session.SetFileName(QString());
    CalendarPage->ClearCells();
    CalendarPage->DeleteAllObjects();
    CalendarPage->SetUserTitle(QString());
    CalendarPage->SetStoredSet({});
    CalendarPage->AssignStyle(sheet);
    CalendarPanel->ShowPage(true);
    CalendarPanel->update();
    SetModified(true);
    SetButtons();
    SetCaption();
    CheckFloaterStatus();
    ResetHistory(false);
}

bool TCalendarMain::SaveCalendarFile(const QString &FileName)
{
    // The page writes its bounds at 100 % whatever the zoom it is shown at.
    ShowMonthsPage();
    ShowBusyCursor();
    DoSaveRichtext();
    const std::optional<QString> failure = CalendarPage->SaveToFile(FileName);
    ShowNormalCursor();
    if (!failure) {
        m_session.SetFileName(FileName);
        SetModified(false);
        MarkSaved();
    } else {
        // The document is still only in memory: the user must know.
        ShowInformation(
            tr("Unable to save %1: %2").arg(QDir::toNativeSeparators(FileName), *failure));
    }
    SetButtons();
    SetCaption();
    return !failure;
}

void TCalendarMain::mnuSaveClick()
{
    if (m_session.Untitled())
        mnuSaveAsClick();
    else
        SaveCalendarFile(m_session.FileName());
}

QString TCalendarMain::AskSaveFileName(const QString &dialogName, const QString &title,
                                       const QString &filter, const QString &extension,
                                       const QString &proposed, QString *chosenType)
{
    QFileDialog dialog(this, title, FileDialogFolder(), filter);
    dialog.setObjectName(dialogName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(extension);
    dialog.selectFile(proposed);
    const QString fileName = AskFileName(dialog);
    NoteFileFolder(fileName);
    if (chosenType)
        *chosenType = dialog.selectedNameFilter();
    return fileName;
}

QString TCalendarMain::FileDialogFolder() const
{
    return StartFolder(m_session.FileName(), Preferences.LastFolder);
}

void TCalendarMain::NoteFileFolder(const QString &fileName)
{
    if (!fileName.isEmpty())
        Preferences.LastFolder = FolderOf(fileName);
}

void TCalendarMain::NoteChosenFolder(const TFileFolder &folder)
{
    if (!folder.Chosen().isEmpty())
        Preferences.LastFolder = folder.Chosen();
}

QString TCalendarMain::PageMonthName() const
{
    return CalendarPage->GetMonthName(CalendarPage->MainCalMonth());
}

bool TCalendarMain::mnuSaveAsClick()
{
    const QString fileName = AskSaveFileName(
        u"SaveDialog1"_s, tr("Save Calendar File"), tr("Calendar File (*.DWC)"), u"DWC"_s,
        ProposedDocumentName(m_session.FileName(), PageMonthName(), CalendarPage->MainCalYear()));
    // A file that could not be written is neither the document's nor recent.
    const bool saved = !fileName.isEmpty() && SaveCalendarFile(fileName);
    if (saved) {
        SetModified(false);
        MRUFileList->AddFile(fileName);
        MRUFileList->SaveToIni();
    }
    SetButtons();
    return saved;
}

void TCalendarMain::mnuCancelChangesClick()
{
    if (!AskYesNo(tr("Cancel all changes?"), tr("CANCEL")))
        return;
    ShowMonthsPage();
    // A saved file that can no longer be read keeps the changes made.
    if (!m_session.Untitled() && !OpenCalendarFile(m_session.FileName()))
        return;
    QApplication::processEvents();
    SetModified(false);
    MarkSaved();
}

bool TCalendarMain::CheckSaveNeeded()
{
    ShowMonthsPage();
    DoSaveRichtext();
    if (!m_session.Modified())
        return true;
    switch (AskYesNoCancel(tr("Save changes?"), tr("Save"))) {
    case TAnswer::Cancel:
        return false;
    case TAnswer::No:
        return true;
    case TAnswer::Yes:
        break;
    }
    const bool saved =
        m_session.Untitled() ? mnuSaveAsClick() : SaveCalendarFile(m_session.FileName());
    if (saved)
        SetModified(false);
    return saved;
}

void TCalendarMain::RecentFileClick(const QString &FileName)
{
    // Unsaved changes are asked about first, as before any other open. When
    // they could not be saved, the file stays in the list for later.
    if (!CheckSaveNeeded()) {
        MRUFileList->AddFile(FileName);
        return;
    }
    OpenCalendarFile(FileName);
}
