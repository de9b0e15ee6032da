// The page saved as a picture (bitmap or JPEG, as shown at the zoom) or as a
// PDF file (full size, as printed).

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "CalendarSet.h"
#include "Messages.h"
#include "PdfExport.h"
#include "PictureExport.h"
#include "PictureResolution.h"
#include "Ppi.h"
#include "ProposedNames.h"

#include <QApplication>

using namespace Qt::StringLiterals;

void TCalendarMain::mnuSaveAsBitmapClick()
{
    SavePictureAs(u"SaveAsBitmapDialog"_s, u"Save Calendar As Bitmap"_s, u"Bitmap File"_s, u"BMP"_s,
                  false);
}

void TCalendarMain::mnuSaveAsJPGClick()
{
    SavePictureAs(u"SaveasJPGDialog"_s, u"Save Calendar As JPG"_s, u"JPG File"_s, u"JPG"_s, true);
}

void TCalendarMain::SavePictureAs(const QString &dialogName, const QString &title,
                                  const QString &kind, const QString &extension, bool AsJPEG)
{
    DoSaveRichtext();
    // The file types offer the screen's resolution, as shown, and those for print.
    QString chosenType;
    const QString fileName = AskSaveFileName(
        dialogName, title, ResolutionFilters(kind, u"*."_s + extension).join(u";;"_s), extension,
        ProposedExportName(DocumentFileName, PageMonthName(), CalendarPanel->MainCalYear(),
                           u'.' + extension),
        &chosenType);
    if (fileName.isEmpty())
        return;
    const int dpi = ResolutionOfFilter(chosenType);
    if (!SaveCalendarToBitmap(fileName, AsJPEG, dpi))
        ShowInformation(u"Unable to save "_s + fileName);
    else if (dpi == 0)
        ShowInformation(SavedAsPictureMessage(fileName, CalendarPanel->Scale()));
    else
        ShowInformation(SavedAtResolutionMessage(fileName, dpi));
}

bool TCalendarMain::SaveCalendarToBitmap(const QString &FileName, bool AsJPEG, int dpi)
{
    ShowBusyCursor();
    CalendarPanel->update();
    QApplication::processEvents();
    bool written = false;
    if (dpi == 0) {
        written = !::SaveCalendarToBitmap(*CalendarPanel, CalendarPanel->RenderToBitmap(), FileName,
                                          AsJPEG);
    } else {
        // Drawn at the resolution's scale, unseen, and shown at the zoom again.
        CalendarPanel->SetPaintSuspended(true);
        const float zoom = CalendarPanel->Scale();
        CalendarPanel->SetScale(ScaleForResolution(dpi, ScreenPpi()));
        written = !::SaveCalendarToBitmap(*CalendarPanel, CalendarPanel->RenderToBitmap(), FileName,
                                          AsJPEG);
        CalendarPanel->SetScale(zoom);
    }
    CalendarPanel->SetPaintSuspended(false);
    CalendarPanel->update();
    ShowNormalCursor();
    QApplication::processEvents();
    SetButtons();
    SetCaption();
    return written;
}

void TCalendarMain::mnuSaveAsPDFClick()
{
    DoSaveRichtext();
    const std::optional<TSetChoice> choice = AskCalendarSet(u"Save"_s);
    if (!choice)
        return;
    const QString fileName = AskSaveFileName(
        u"SaveAsPDFDialog"_s, u"Save Calendar As PDF"_s, u"PDF File (*.PDF)"_s, u"PDF"_s,
        ProposedExportName(DocumentFileName, PageMonthName(), CalendarPanel->MainCalYear(),
                           u".PDF"_s));
    if (fileName.isEmpty())
        return;
    std::optional<QString> failure;
    bool cancelled = false;
    if (IsPageAlone(*choice)) {
        ShowBusyCursor();
        failure =
            SavePageAsPdf(*CalendarPanel, fileName, PdfTitle(*CalendarPanel, DocumentFileName));
        ShowNormalCursor();
    } else {
        const std::unique_ptr<TCalendarSet> set = MakeCalendarSet(*choice);
        if (!set)
            return;
        failure = SaveSetAsPdf(*set, fileName, cancelled);
    }
    if (cancelled)
        return;
    if (failure)
        ShowInformation(u"Unable to save "_s + fileName + u": "_s + *failure);
    else
        ShowInformation(u"Saved as "_s + fileName);
}
