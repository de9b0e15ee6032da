#include "PdfExport.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CalendarPagePrint.h"
#include "PdfReport.h"
#include "SaveFiles.h"

#include <QFileInfo>
#include <QPageSize>
#include <QSaveFile>

namespace {

QPageSize PagePaper(const TCalendarPage &page)
{
    return QPageSize(page.PaperSize() == 1 ? QPageSize::A4 : QPageSize::Letter);
}

QPageLayout::Orientation PageOrientation(const TCalendarPage &page)
{
    return page.CalendarOrientation() == coLandscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait;
}

} // namespace

QString PdfTitle(const TCalendarPage &page, const QString &DocumentFileName)
{
    if (!DocumentFileName.isEmpty())
        return QFileInfo(DocumentFileName).completeBaseName();
    return page.GetMonthName(page.MainCalMonth()) + u' ' + QString::number(page.MainCalYear());
}

std::optional<QString> SavePageAsPdf(TCalendarPage &page, const QString &FileName,
                                     const QString &Title, int PageCount,
                                     const std::function<void(TCalendarPage &)> &NextPage,
                                     const std::function<bool(int number)> &Proceed)
{
    QSaveFile target(FileName);
    if (!target.open(QIODevice::WriteOnly))
        return target.errorString();
    TPdfReport report(PagePaper(page), PageOrientation(page));
    report.SetTitle(Title);
    int stoppedAt = 0;
    const bool begun = report.Write(target, [&](TPdfReport &printer) {
        for (int number = 1; number <= PageCount; ++number) {
            if (Proceed && !Proceed(number)) {
                stoppedAt = number;
                return;
            }
            if (number > 1) {
                if (NextPage)
                    NextPage(page);
                printer.StartNewPage();
            }
            // Cells' text breaks where it breaks on screen, so their screen
            // geometry must be that of this page.
            if (page.HasCellContent())
                RecordDrawingGeometry(page);
            PrintPage(printer, page, 0, 0);
        }
    });
    if (!begun)
        return QStringLiteral("the PDF could not be begun");
    // The save file is dropped unwritten: a stopped export leaves no part.
    if (stoppedAt > 0)
        return QStringLiteral("stopped before page %1 of %2").arg(stoppedAt).arg(PageCount);
    return CommitSaveFile(target);
}
