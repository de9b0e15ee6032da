#include "PdfExport.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CalendarPagePrint.h"
#include "PdfReport.h"
#include "PrintSheet.h"
#include "SaveFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
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

// The trimmed page in millimetres, turned as the page is.
QSizeF TrimSizeMm(const TCalendarPage &page)
{
    const QSizeF size = PagePaper(page).size(QPageSize::Millimeter);
    return PageOrientation(page) == QPageLayout::Landscape ? size.transposed() : size;
}

TPdfReport SheetReport(const TCalendarPage &paper, const std::optional<TPrintSheet> &sheet)
{
    if (!sheet)
        return TPdfReport(PagePaper(paper), PageOrientation(paper));
    const QSizeF size = SheetSizeMm(TrimSizeMm(paper), *sheet);
    return TPdfReport(QPageSize(size, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                      QPageLayout::Portrait);
}

// Where the page lands on a sheet with a bleed; the bleed around it takes
// what reaches the page's edge, and nothing else shows beyond it.
class SheetPlacement
{
public:
    SheetPlacement(const TCalendarPage &paper, const std::optional<TPrintSheet> &sheet)
        : m_sheet(sheet), m_offset(sheet ? SheetMarginMm(*sheet) / 25.4 : 0.0),
          m_trim(TrimSizeMm(paper) / 25.4)
    {}

    double Offset() const { return m_offset; }

    void Begin(TCanvasReport &report) const
    {
        if (!m_sheet)
            return;
        const TRect trim = report.RectU2D(m_offset, m_offset, m_offset + m_trim.width(),
                                          m_offset + m_trim.height());
        const int bleed = Bleed(report);
        report.SetTrim(trim, bleed);
        report.Canvas()->setClipRect(QRect(trim.Left - bleed, trim.Top - bleed,
                                           trim.Width() + 2 * bleed, trim.Height() + 2 * bleed));
    }

    void End(TCanvasReport &report) const
    {
        if (m_sheet && m_sheet->CropMarks)
            DrawCropMarks(*report.Canvas(),
                          report.RectU2D(m_offset, m_offset, m_offset + m_trim.width(),
                                         m_offset + m_trim.height()),
                          Bleed(report), report.XDpi());
    }

private:
    int Bleed(const TCanvasReport &report) const
    {
        const double mm = std::clamp(m_sheet->BleedMm, 0.0, TPrintSheet::MaxBleedMm);
        return int(std::lround(mm / 25.4 * report.XDpi()));
    }

    std::optional<TPrintSheet> m_sheet;
    double m_offset;
    QSizeF m_trim;
};

} // namespace

QString PdfTitle(const TCalendarPage &page, const QString &DocumentFileName)
{
    if (!DocumentFileName.isEmpty())
        return QFileInfo(DocumentFileName).completeBaseName();
    return page.GetMonthName(page.MainCalMonth()) + u' ' + QString::number(page.MainCalYear());
}

std::optional<QString> SavePagesAsPdf(const TCalendarPage &paper, const QString &FileName,
                                      const QString &Title,
                                      const std::function<bool(const TPdfPagePrinter &)> &EachPage,
                                      const std::optional<TPrintSheet> &Sheet)
{
    return SaveThrough(FileName, [&](QSaveFile &target) -> std::optional<QString> {
        TPdfReport report = SheetReport(paper, Sheet);
        const SheetPlacement placement(paper, Sheet);
        report.SetTitle(Title);
        bool whole = true;
        const bool begun = report.Write(target, [&](TPdfReport &printer) {
            bool first = true;
            whole = EachPage([&](const TCalendarPage &page, const TCalendarAttributes &screen) {
                if (!std::exchange(first, false))
                    printer.StartNewPage();
                placement.Begin(printer);
                PrintPage(printer, page, screen, placement.Offset(), placement.Offset());
                placement.End(printer);
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
                                     const std::function<bool(int number)> &Proceed,
                                     const std::optional<TPrintSheet> &Sheet, float Scale)
{
    int stoppedAt = 0;
    bool measured = false;
    TCalendarAttributes screen;
    auto failure = SavePagesAsPdf(
        page, FileName, Title,
        [&](const TPdfPagePrinter &print) {
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
        },
        Sheet);
    if (stoppedAt > 0)
        return QCoreApplication::translate("PdfExport", "stopped before page %1 of %2")
            .arg(stoppedAt)
            .arg(PageCount);
    return failure;
}
