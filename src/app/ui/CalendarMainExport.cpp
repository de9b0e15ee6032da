// The page saved as a picture (bitmap or JPEG, as shown at the zoom) or as a
// PDF file (full size, as printed).

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "Messages.h"
#include "PdfExport.h"
#include "PictureExport.h"
#include "ProposedNames.h"

#include <QApplication>

using namespace Qt::StringLiterals;

void TCalendarMain::mnuSaveAsBitmapClick()
{
    SavePictureAs(u"SaveAsBitmapDialog"_s, u"Save Calendar As Bitmap"_s, u"Bitmap File (*.BMP)"_s,
                  u"BMP"_s, false);
}

void TCalendarMain::mnuSaveAsJPGClick()
{
    SavePictureAs(u"SaveasJPGDialog"_s, u"Save Calendar As JPG"_s, u"JPG File (*.JPG)"_s, u"JPG"_s,
                  true);
}

void TCalendarMain::SavePictureAs(const QString &dialogName, const QString &title,
                                  const QString &filter, const QString &extension, bool AsJPEG)
{
    DoSaveRichtext();
    const QString fileName =
        AskSaveFileName(dialogName, title, filter, extension,
                        ProposedExportName(DocumentFileName, PageMonthName(),
                                           CalendarPanel->MainCalYear(), u'.' + extension));
    if (fileName.isEmpty())
        return;
    if (SaveCalendarToBitmap(fileName, AsJPEG))
        ShowInformation(SavedAsPictureMessage(fileName, CalendarPanel->Scale()));
    else
        ShowInformation(u"Unable to save "_s + fileName);
}

bool TCalendarMain::SaveCalendarToBitmap(const QString &FileName, bool AsJPEG)
{
    ShowBusyCursor();
    CalendarPanel->update();
    QApplication::processEvents();
    const QImage pageBitmap = CalendarPanel->RenderToBitmap();
    const bool written = ::SaveCalendarToBitmap(*CalendarPanel, pageBitmap, FileName, AsJPEG);
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
    const QString fileName = AskSaveFileName(
        u"SaveAsPDFDialog"_s, u"Save Calendar As PDF"_s, u"PDF File (*.PDF)"_s, u"PDF"_s,
        ProposedExportName(DocumentFileName, PageMonthName(), CalendarPanel->MainCalYear(),
                           u".PDF"_s));
    if (fileName.isEmpty())
        return;
    ShowBusyCursor();
    const std::optional<QString> failure =
        SavePageAsPdf(*CalendarPanel, fileName, PdfTitle(*CalendarPanel, DocumentFileName));
    ShowNormalCursor();
    if (failure)
        ShowInformation(u"Unable to save "_s + fileName + u": "_s + *failure);
    else
        ShowInformation(u"Saved as "_s + fileName);
}
