#include "GeometryJson.h"

#include "CalendarDrawing.h"
#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "Numbers.h"
#include "Ppi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPicture>

namespace {

QJsonArray RectJson(const TRect &rect)
{
    return {rect.Left, rect.Top, rect.Right, rect.Bottom};
}

// Each numbered grid row's week number and its rectangle.
QJsonArray WeekCellsJson(const std::array<TWeekCell, 6> &cells)
{
    QJsonArray weeks;
    for (const TWeekCell &week : cells) {
        if (week.Number != 0)
            weeks.append(QJsonObject{{"rect", RectJson(week.Rect)}, {"number", week.Number}});
    }
    return weeks;
}

// The week cells of mini k at scale, as its drawing records them.
QJsonArray MiniWeeksJson(const TCalendarPage &page, float scale, int k)
{
    TCalendarAttributes attributes = MiniDrawingAttributes(page, scale);
    const TMonthYear month = page.MiniMonth(k);
    attributes.Month = month.Month;
    attributes.Year = month.Year;
    const TRect &rect = page.MiniRect(k);
    const double zoom = double(scale);
    attributes.CalRect = {Trunc(rect.Left * zoom), Trunc(rect.Top * zoom), Trunc(rect.Right * zoom),
                          Trunc(rect.Bottom * zoom)};
    QPicture nothing;
    QPainter painter(&nothing);
    DrawMonthGrid(painter, attributes, {});
    return WeekCellsJson(attributes.WeekCells);
}

// The minis; with week numbers each lists its numbered rows.
QJsonArray MinisJson(const TCalendarPage &page, float scale)
{
    QJsonArray minis;
    for (int k = 1; k <= page.MiniCount(); ++k) {
        const TMonthYear month = page.MiniMonth(k);
        QJsonObject mini{
            {"rect", RectJson(page.MiniRect(k))}, {"month", month.Month}, {"year", month.Year}};
        if (page.WeekNumbers() != wnNone && page.ShowMinis())
            mini.insert("weekNumbers", MiniWeeksJson(page, scale, k));
        minis.append(mini);
    }
    return minis;
}

QJsonArray CellsJson(const TCalendarAttributes &drawn)
{
    QJsonArray cells;
    const auto &geometry = drawn.CellGeometry;
    for (int index = 1; index <= CellCount; ++index) {
        const TCellGeometry &cell = geometry[index - 1];
        cells.append(QJsonObject{{"index", index},
                                 {"rTotal", RectJson(cell.rTotal)},
                                 {"iDay", cell.iDay},
                                 {"rFree", RectJson(cell.rFree)}});
    }
    return cells;
}

} // namespace

QByteArray GeometryJson(const TCalendarPage &page, float scale, const TCalendarAttributes &drawn)
{
    QJsonObject geometry{
        {"layout", CalendarLayoutName(page.CalendarLayout())},
        {"paper", page.PaperSize() == 1 ? "a4" : "letter"},
        {"orientation", page.CalendarOrientation() == coLandscape ? "landscape" : "portrait"},
        {"scale", double(scale)},
        {"ppi", ScreenPpi()},
        {"pageWidth", page.PageWidth()},
        {"pageHeight", page.PageHeight()},
        {"borderRect", RectJson(page.BorderRect())},
        {"mainRect", RectJson(page.MainRect())},
        {"showMonthGrid", page.ShowMonthGrid()},
        {"showMinis", page.ShowMinis()},
        {"showPlanner", page.ShowPlanner()},
        {"miniCount", page.MiniCount()},
        {"minis", MinisJson(page, scale)},
        {"titleRect", RectJson(drawn.TitleRect)},
        {"dayNamesRect", RectJson(drawn.DayNamesRect)},
        {"cells", CellsJson(drawn)},
    };
    if (page.WeekNumbers() != wnNone)
        geometry.insert("weekNumbers", WeekCellsJson(drawn.WeekCells));
    return QJsonDocument(geometry).toJson(QJsonDocument::Compact);
}
