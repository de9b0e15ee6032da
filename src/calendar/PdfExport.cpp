#include "PdfExport.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CalendarPagePrint.h"
#include "ReportPrinter.h"

#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

// Prints the pages into fileName, which the printer writes directly.
bool PrintPdf(TCalendarPage &page, const QString &fileName, int pageCount,
              const std::function<void(TCalendarPage &)> &nextPage)
{
    TReportPrinter report;
    report.Device().SelectPdfFile(fileName);
    report.Device().SetPaper(QPageSize(page.PaperSize() == 1 ? QPageSize::A4 : QPageSize::Letter));
    report.SetOrientation(page.CalendarOrientation() == coLandscape ? poLandScape : poPortrait);
    report.OnPrint = [&page, pageCount, &nextPage](TReportPrinter &printer) {
        for (int number = 1; number <= pageCount; ++number) {
            if (number > 1) {
                if (nextPage)
                    nextPage(page);
                printer.StartNewPage();
            }
            RecordDrawingGeometry(page); // the screen geometry the cells' text follows
            PrintPage(printer, page, 0, 0);
        }
    };
    return report.RunPrintJob() && QFile::exists(fileName);
}

} // namespace

std::optional<QString> SavePageAsPdf(TCalendarPage &page, const QString &FileName, int PageCount,
                                     const std::function<void(TCalendarPage &)> &NextPage)
{
    // The printer writes its file as it goes; it writes into a scratch folder
    // and the finished file is then saved over the target in one step.
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return scratch.errorString();
    const QString printed = scratch.filePath(QStringLiteral("page.pdf"));
    if (!PrintPdf(page, printed, PageCount, NextPage))
        return QStringLiteral("the PDF could not be written");
    QFile source(printed);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    QSaveFile target(FileName);
    if (!target.open(QIODevice::WriteOnly))
        return target.errorString();
    if (target.write(source.readAll()) != source.size() || !target.commit())
        return target.errorString();
    return std::nullopt;
}
