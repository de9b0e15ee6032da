// The page saved as a picture (bitmap or JPEG, as shown at the zoom) or as a
// PDF file (full size, as printed).

#include "CalendarMain.h"
#include "CalendarPagePaint.h"
#include "CalendarPanel32.h"
#include "CalendarSet.h"
#include "Messages.h"
#include "ModalDialog.h"
#include "PdfExport.h"
#include "PictureExport.h"
#include "PictureResolution.h"
#include "Ppi.h"
#include "PrintSheetDialog.h"
#include "ProposedNames.h"
#include "WindowPlacement.h"

#include <QApplication>

using namespace Qt::StringLiterals;

void TCalendarMain::mnuSaveAsBitmapClick()
{
    SavePictureAs(u"SaveAsBitmapDialog"_s, tr("Save Calendar As Bitmap"), tr("Bitmap File"),
                  u"BMP"_s, TPictureKind::Bitmap);
}

void TCalendarMain::mnuSaveAsJPGClick()
{
    SavePictureAs(u"SaveasJPGDialog"_s, tr("Save Calendar As JPG"), tr("JPG File"), u"JPG"_s,
                  TPictureKind::Jpeg);
}

void TCalendarMain::mnuSaveAsPNGClick()
{
    SavePictureAs(u"SaveAsPNGDialog"_s, tr("Save Calendar As PNG"), tr("PNG File"), u"PNG"_s,
                  TPictureKind::Png);
}

void TCalendarMain::SavePictureAs(const QString &dialogName, const QString &title,
                                  const QString &kind, const QString &extension,
                                  TPictureKind format)
{
    DoSaveRichtext();
    // The file types offer the screen's resolution, as shown, and those for print.
    QString chosenType;
    const QString fileName = AskSaveFileName(
        dialogName, title, ResolutionFilters(kind, u"*."_s + extension).join(u";;"_s), extension,
        ProposedExportName(m_session.FileName(), PageMonthName(), CalendarPage->MainCalYear(),
                           u'.' + extension),
        &chosenType);
    if (fileName.isEmpty())
        return;
    const int dpi = ResolutionOfFilter(chosenType);
    if (!SaveCalendarToBitmap(fileName, format, dpi))
        ShowInformation(tr("Unable to save %1").arg(fileName));
    else if (dpi == 0)
        ShowInformation(SavedAsPictureMessage(fileName, CalendarPanel->Zoom()));
    else
        ShowInformation(SavedAtResolutionMessage(fileName, dpi));
}

bool TCalendarMain::SaveCalendarToBitmap(const QString &FileName, TPictureKind format, int dpi)
{
    ShowBusyCursor();
    CalendarPanel->update();
    QApplication::processEvents();
    bool written = false;
    if (dpi == 0) {
        written = !::SaveCalendarToBitmap(*CalendarPage, CalendarPanel->Zoom(),
                                          CalendarPanel->RenderToBitmap(), FileName, format);
    } else {
        // Drawn at the resolution's scale, unseen; the screen keeps its zoom.
        const float scale = ScaleForResolution(dpi, ScreenPpi());
        written = !::SaveCalendarToBitmap(*CalendarPage, scale, PageBitmapAt(*CalendarPage, scale),
                                          FileName, format);
    }
    CalendarPanel->update();
    ShowNormalCursor();
    QApplication::processEvents();
    SetButtons();
    SetCaption();
    return written;
}

void TCalendarMain::mnuSaveAsPDFClick()
{
    SaveAsPdf(std::nullopt);
}

void TCalendarMain::mnuSaveAsPDFForPrintingClick()
{
    TPrintSheetDialog dialog(this);
    dialog.SetSheet(m_lastPrintSheet);
    CenterForm(dialog);
    if (ExecModal(dialog) != QDialog::Accepted)
        return;
    m_lastPrintSheet = dialog.Sheet();
    SaveAsPdf(m_lastPrintSheet);
}

void TCalendarMain::SaveAsPdf(const std::optional<TPrintSheet> &sheet)
{
    DoSaveRichtext();
    const std::optional<TSetChoice> choice = AskCalendarSet(u"Save"_s);
    if (!choice)
        return;
    const QString fileName = AskSaveFileName(
        u"SaveAsPDFDialog"_s, tr("Save Calendar As PDF"), tr("PDF File (*.PDF)"), u"PDF"_s,
        ProposedExportName(m_session.FileName(), PageMonthName(), CalendarPage->MainCalYear(),
                           u".PDF"_s));
    if (fileName.isEmpty())
        return;
    std::optional<QString> failure;
    bool cancelled = false;
    QString note;
    if (IsPageAlone(*choice)) {
        ShowBusyCursor();
        failure =
            SavePageAsPdf(*CalendarPage, fileName, PdfTitle(*CalendarPage, m_session.FileName()), 1,
                          {}, {}, sheet, CalendarPanel->Zoom());
        ShowNormalCursor();
    } else {
        const std::unique_ptr<TCalendarSet> set = MakeCalendarSet(*choice);
        if (!set)
            return;
        failure = SaveSetAsPdf(*set, fileName, cancelled, sheet);
        note = UnreadPicturesNote(set.get());
    }
    if (cancelled)
        return;
    if (failure)
        ShowInformation(tr("Unable to save %1: %2").arg(fileName, *failure));
    else
        ShowInformation(tr("Saved as %1").arg(fileName) + note);
}
