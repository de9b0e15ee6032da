#include "PdfExport.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CalendarPagePrint.h"
#include "PdfReport.h"
#include "SaveFiles.h"

#include <QFileInfo>
#include <QPageSize>
#include <QSaveFile>

#include <utility>

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

std::optional<QString> SavePagesAsPdf(const TCalendarPage &paper, const QString &FileName,
                                      const QString &Title,
                                      const std::function<void(const TPdfPagePrinter &)> &EachPage)
{
    QSaveFile target(FileName);
    if (!target.open(QIODevice::WriteOnly))
        return target.errorString();
    TPdfReport report(PagePaper(paper), PageOrientation(paper));
    report.SetTitle(Title);
    const bool begun = report.Write(target, [&](TPdfReport &printer) {
        bool first = true;
        EachPage([&](const TCalendarPage &page) {
            if (!std::exchange(first, false))
                printer.StartNewPage();
            PrintPage(printer, page, 0, 0);
        });
    });
    if (!begun)
        return QStringLiteral("the PDF could not be begun");
    return CommitSaveFile(target);
}

std::optional<QString> SavePageAsPdf(TCalendarPage &page, const QString &FileName,
                                     const QString &Title, int PageCount,
                                     const std::function<void(TCalendarPage &)> &NextPage)
{
    return SavePagesAsPdf(page, FileName, Title, [&](const TPdfPagePrinter &print) {
        for (int number = 1; number <= PageCount; ++number) {
            if (number > 1 && NextPage)
                NextPage(page);
            // Cells' text breaks where it breaks on screen, so their screen
            // geometry must be that of this page.
            if (page.HasCellContent())
                RecordDrawingGeometry(page);
            print(page);
        }
    });
}
