#include "PageSummary.h"

#include "CalendarPage.h"

QString PageSummary(const TCalendarPage &page)
{
    const QString paper = page.PaperSize() == 1 ? QStringLiteral("A4") : QStringLiteral("Letter");
    const QString orientation = page.CalendarOrientation() == coLandscape
                                    ? QStringLiteral("landscape")
                                    : QStringLiteral("portrait");
    return QStringLiteral("%1 %2, %3 \u00d7 %4 pixels, layout %5")
        .arg(paper, orientation)
        .arg(page.PageWidth())
        .arg(page.PageHeight())
        .arg(CalendarLayoutName(page.CalendarLayout()));
}
