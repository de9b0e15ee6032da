#include "PdfExport.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CalendarPagePrint.h"
#include "PdfReport.h"
#include "SaveFiles.h"

#include <QCoreApplication>
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
                                      const std::function<bool(const TPdfPagePrinter &)> &EachPage)
{
    return SaveThrough(FileName, [&](QSaveFile &target) -> std::optional<QString> {
        TPdfReport report(PagePaper(paper), PageOrientation(paper));
        report.SetTitle(Title);
        bool whole = true;
        const bool begun = report.Write(target, [&](TPdfReport &printer) {
            bool first = true;
            whole = EachPage([&](const TCalendarPage &page, const TCalendarAttributes &screen) {
                if (!std::exchange(first, false))
                    printer.StartNewPage();
                PrintPage(printer, page, screen, 0, 0);
            });
        });
        if (!begun)
            return QCoreApplication::translate("PdfExport", "the PDF could not be begun");
        // The save file is dropped unwritten: a stopped export leaves no part.
        if (!whole)
            return QCoreApplication::translate("PdfExport", "stopped");
        return std::nullopt;
    });
}

std::optional<QString> SavePageAsPdf(TCalendarPage &page, const QString &FileName,
                                     const QString &Title, int PageCount,
                                     const std::function<void(TCalendarPage &)> &NextPage,
                                     const std::function<bool(int number)> &Proceed, float Scale)
{
    int stoppedAt = 0;
    bool measured = false;
    TCalendarAttributes screen;
    auto failure = SavePagesAsPdf(page, FileName, Title, [&](const TPdfPagePrinter &print) {
        for (int number = 1; number <= PageCount; ++number) {
            if (Proceed && !Proceed(number)) {
                stoppedAt = number;
                return false;
            }
            if (number > 1 && NextPage)
                NextPage(page);
            // Cells' text breaks where it breaks on screen, so their screen
            // geometry must be known. Later pages differ in their dates only,
            // and the cells' rectangles do not depend on those.
            if (!measured && page.HasCellContent()) {
                screen = DrawingGeometryAt(page, Scale);
                measured = true;
            }
            print(page, screen);
        }
        return true;
    });
    if (stoppedAt > 0)
        return QCoreApplication::translate("PdfExport", "stopped before page %1 of %2")
            .arg(stoppedAt)
            .arg(PageCount);
    return failure;
}
