#include "GeometryJson.h"

#include "CalendarPage.h"
#include "Ppi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QJsonArray RectJson(const TRect &rect)
{
    return {rect.Left, rect.Top, rect.Right, rect.Bottom};
}

QJsonArray MinisJson(const TCalendarPage &page)
{
    QJsonArray minis;
    for (int k = 1; k <= page.MiniCount(); ++k) {
        const TMonthYear month = page.MiniMonth(k);
        minis.append(QJsonObject{
            {"rect", RectJson(page.MiniRect(k))}, {"month", month.Month}, {"year", month.Year}});
    }
    return minis;
}

QJsonArray CellsJson(const TCalendarPage &page)
{
    QJsonArray cells;
    const auto &geometry = page.MainAttributes().CellGeometry;
    for (int index = 1; index <= CellCount; ++index) {
        const TCellGeometry &cell = geometry[index - 1];
        cells.append(QJsonObject{{"index", index},
                                 {"rTotal", RectJson(cell.rTotal)},
                                 {"iDay", cell.iDay},
                                 {"rFree", RectJson(cell.rFree)}});
    }
    return cells;
}

// Each grid row's week number and its rectangle; only a page that shows
// week numbers has them.
QJsonArray WeekNumbersJson(const TCalendarPage &page)
{
    QJsonArray weeks;
    for (const TWeekCell &week : page.MainAttributes().WeekCells) {
        if (week.Number != 0)
            weeks.append(QJsonObject{{"rect", RectJson(week.Rect)}, {"number", week.Number}});
    }
    return weeks;
}

} // namespace

QByteArray GeometryJson(const TCalendarPage &page)
{
    QJsonObject geometry{
        {"layout", CalendarLayoutName(page.CalendarLayout())},
        {"paper", page.PaperSize() == 1 ? "a4" : "letter"},
        {"orientation", page.CalendarOrientation() == coLandscape ? "landscape" : "portrait"},
        {"scale", double(page.Scale())},
        {"ppi", ScreenPpi()},
        {"pageWidth", page.PageWidth()},
        {"pageHeight", page.PageHeight()},
        {"borderRect", RectJson(page.BorderRect())},
        {"mainRect", RectJson(page.MainRect())},
        {"showMonthGrid", page.ShowMonthGrid()},
        {"showMinis", page.ShowMinis()},
        {"showPlanner", page.ShowPlanner()},
        {"miniCount", page.MiniCount()},
        {"minis", MinisJson(page)},
        {"titleRect", RectJson(page.MainAttributes().TitleRect)},
        {"dayNamesRect", RectJson(page.MainAttributes().DayNamesRect)},
        {"cells", CellsJson(page)},
    };
    if (page.WeekNumbers() != wnNone)
        geometry.insert("weekNumbers", WeekNumbersJson(page));
    return QJsonDocument(geometry).toJson(QJsonDocument::Compact);
}
