#include "CalendarDrawing.h"
#include "DrawingPrimitives.h"
#include "FittedText.h"
#include "MonthGridParts.h"
#include "Numbers.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// Forgets the geometry of the last drawing, so no stale cell answers a click.
void ClearGeometry(TCalendarAttributes &attributes)
{
    attributes.CellGeometry.fill(TCellGeometry{});
}

} // namespace

void DrawWeekPlanner(QPainter &target, TCalendarAttributes &attributes, const QString &title)
{
    const TPlannerRows rows = WeekPlannerRows(attributes, title);
    DrawPlannerBody(target, attributes, int(rows.RowLabels.size()), rows.DateLabels, rows.RowLabels,
                    rows.Title);
}

void DrawDayPlanner(QPainter &target, TCalendarAttributes &attributes, const QString &title)
{
    const TPlannerRows rows = DayPlannerRows(attributes, title);
    DrawPlannerBody(target, attributes, int(rows.RowLabels.size()), rows.DateLabels, rows.RowLabels,
                    rows.Title);
}

void DrawPlannerBody(QPainter &target, TCalendarAttributes &attributes, int rowCount,
                     const QStringList &dateLabels, const QStringList &rowLabels,
                     const QString &title)
{
    if (rowCount < 1 || rowCount > CellCount)
        return;
    target.save();
    ClearGeometry(attributes);
    const TRect &cal = attributes.CalRect;
    const TRect r = InnerRect(cal);
    FillRect(target, cal, attributes.BackColor);
    FillRect(target, r, attributes.BackColor);

    SetTargetFont(target, attributes.TitleFont);
    const int titleHeight = QFontMetrics(target.font()).height();
    const TRect band{r.Left + 5, r.Top + 1, r.Right - 5, r.Top + 1 + titleHeight};
    attributes.TitleRect = band;
    DrawFittedTextLine(target, band, title, Qt::AlignCenter);

    const TPlannerBody body = PlannerBody(r, band.Bottom, rowCount);
    DrawPlannerFrame(target, body, attributes.HeadersBackColor);
    const TRect &box = body.Box;
    const int rh = body.RowHeight;
    const int xc = body.ColumnEdge;

    SetTargetFont(target, attributes.HeadersFont);
    for (int i = 0; i < rowCount; ++i) {
        const int top = box.Top + i * rh + 1;
        const TRect upper{box.Left + 1, top, xc, top + rh / 2};
        const TRect lower{box.Left + 1, upper.Bottom, xc, upper.Bottom + rh / 2};
        DrawTextLine(target, upper, rowLabels.value(i), Qt::AlignHCenter | Qt::AlignBottom);
        DrawTextLine(target, lower, dateLabels.value(i), Qt::AlignHCenter | Qt::AlignTop);
    }
    VerticalLine(target, xc, box.Top, box.Bottom);
    for (int i = 1; i < rowCount; ++i)
        HorizontalLine(target, box.Left, box.Right, box.Top + i * rh);
    RecordPlannerCells(attributes, body, rowCount, dateLabels);
    target.restore();
}
