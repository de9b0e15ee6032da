// The print commands: the printer set-up, the print job with its margin
// check and copies, and the page drawn on the report.

#include "CalendarMain.h"
#include "CalendarPagePrint.h"
#include "CalendarPanel32.h"
#include "CalendarSet.h"
#include "Messages.h"
#include "PdfExport.h"
#include "PrintJobRules.h"
#include "PrinterSetup.h"
#include "ReportPrinter.h"

#include <QApplication>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

void TCalendarMain::mnuPrintSetupClick()
{
    // Setting up prints nothing: its button says OK.
    ShowPrinterSetup(ReportPrinter1().Device(), this, tr("OK"));
}

void TCalendarMain::mnuPrintCalendarClick()
{
    m_session.SetPrinted(false);
    bool wasModified = m_session.Modified();
    const auto keepModified = qScopeGuard([this, &wasModified] { SetModified(wasModified); });
    DoSaveRichtext();
    const std::optional<TSetChoice> choice = AskCalendarSet(u"Print"_s);
    // Keeping the choice (or the cover) with the document changed it.
    wasModified = m_session.Modified();
    if (!choice)
        return;
    std::unique_ptr<TCalendarSet> set;
    if (!IsPageAlone(*choice)) {
        set = MakeCalendarSet(*choice);
        if (!set)
            return;
    }
    m_printSet = set.get();
    m_printCancelled = false;
    const auto forgetSet = qScopeGuard([this] { m_printSet = nullptr; });
    TReportPrinter &report = ReportPrinter1();
    // The queue names the job after the document, as a PDF's title does.
    report.SetTitle(PdfTitle(*CalendarPage, m_session.FileName()));
    if (ShowPrinterSetup(report.Device(), this)) {
        report.SetOrientation(CalendarPage->CalendarOrientation() == coLandscape ? poLandScape
                                                                                 : poPortrait);
        if (!CheckPrinterMargins())
            return;
        const TCopiesPlan copies =
            PlanCopies(report.Device().DeviceCopies(), report.Device().DeviceMaxCopies());
        if (copies.DrawnCopies == 1)
            report.SetCopies(copies.PrinterCopies);
        m_session.SetCopiesToPrint(copies.DrawnCopies);
        // Without printers the report has told the user; a printer that could
        // not be started must be told too, or the job would seem to vanish.
        if (!report.RunPrintJob() && report.Device().HasPrinter())
            ShowInformation(tr("Unable to start the print job on %1").arg(report.Device().Name()));
        else if (m_printCancelled)
            EndCancelledPrint(report.Device().IsPdf() ? report.Device().Name() : QString());
    }
    if (m_session.Printed())
        ShowInformation(PrintCompletedMessage(CalendarPage->HasSuperText()) +
                        UnreadPicturesNote(set.get()));
}

bool TCalendarMain::CheckPrinterMargins()
{
    const TReportPrinter &report = ReportPrinter1();
    const QString lines = MarginWarningLines(
        report.UnprintableMargins(),
        QMarginsF(CalendarPage->LeftMarginInch(), CalendarPage->TopMarginInch(),
                  CalendarPage->RightMarginInch(), CalendarPage->BottomMarginInch()));
    if (lines.isEmpty())
        return true;
    return AskYesNo(MarginWarningQuestion(lines), MarginWarningCaption());
}

void TCalendarMain::ReportPrinter1Print(TReportPrinter &Report)
{
    DoSaveRichtext();
    SetModified(false);
    m_session.SetPrinted(true);
    ShowBusyCursor();
    // Printing draws the page at full size onto the paper, leaving the page
    // and its zoom on the screen as they are, also when drawing fails.
    const auto restore = qScopeGuard([this] {
        ShowNormalCursor();
        SetModified(false);
    });
    QApplication::processEvents();
    if (m_printSet)
        return PrintSetPages(Report, *m_printSet);
    for (int copy = 1; copy <= m_session.CopiesToPrint(); ++copy) {
        PrintPage(Report, *CalendarPage, 0, 0);
        if (copy < m_session.CopiesToPrint())
            Report.StartNewPage();
    }
}
