#include "CalendarDrawing.h"
#include "DrawingPrimitives.h"
#include "Numbers.h"
#include "PlannerLabels.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

// The planner's first date; a page that never had a day set starts on the
// 1st, and a date no calendar has on the 1st of January 2000.
QDate PlannerDate(const TCalendarAttributes &attributes)
{
    for (const QDate date : {QDate(attributes.Year, attributes.Month, attributes.Day),
                             QDate(attributes.Year, attributes.Month, 1)}) {
        if (date.isValid())
            return date;
    }
    return QDate(2000, 1, 1);
}

// The day of the month in the first two characters of a date label, or 0.
int DayOfLabel(const QString &label)
{
    bool ok = false;
    const int day = label.left(2).trimmed().toInt(&ok);
    return ok ? day : 0;
}

// Forgets the geometry of the last drawing, so no stale cell answers a click.
void ClearGeometry(TCalendarAttributes &attributes)
{
    attributes.CellGeometry.fill(TCellGeometry{});
}

} // namespace

void DrawWeekPlanner(QPainter &target, TCalendarAttributes &attributes, const QString &title)
{
    const int days = attributes.PlannerDays;
    const QDate first = PlannerDate(attributes);
    QStringList rowLabels, dateLabels;
    for (int i = 0; i < days; ++i) {
        const QDate day = first.addDays(i);
        rowLabels << StyledDayName(attributes.DayNames[SundayFirstIndex(day)],
                                   attributes.HeadersStyle);
        dateLabels << WeekPlannerDateLabel(day, attributes.MonthNames);
    }
    rowLabels << QStringLiteral("Notes");
    dateLabels << QString();
    const QString heading =
        title.isEmpty() ? WeekPlannerTitle(first, first.addDays(days - 1), attributes.MonthNames)
                        : title;
    DrawPlannerBody(target, attributes, days + 1, dateLabels, rowLabels, heading);
}

void DrawDayPlanner(QPainter &target, TCalendarAttributes &attributes, const QString &title)
{
    const int hours = attributes.PlannerHours;
    QStringList rowLabels, dateLabels;
    QTime time = attributes.PlannerStart.isValid() ? attributes.PlannerStart : QTime(0, 0);
    for (int i = 0; i < hours; ++i) {
        rowLabels << PlannerTimeLabel(time);
        dateLabels << QString();
        time = time.addSecs(3600);
    }
    rowLabels << QStringLiteral("Notes");
    dateLabels << QString();
    const QString heading =
        title.isEmpty()
            ? DayPlannerTitle(PlannerDate(attributes), attributes.DayNames, attributes.MonthNames)
            : title;
    DrawPlannerBody(target, attributes, hours + 1, dateLabels, rowLabels, heading);
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
    const TRect r{cal.Left, cal.Top, cal.Right - 1, cal.Bottom - 1};
    FillRect(target, cal, attributes.BackColor);
    FillRect(target, r, attributes.BackColor);

    SetTargetFont(target, attributes.TitleFont);
    const int titleHeight = QFontMetrics(target.font()).height();
    const TRect band{r.Left + 5, r.Top + 1, r.Right - 5, r.Top + 1 + titleHeight};
    attributes.TitleRect = band;
    DrawTextLine(target, band, title, Qt::AlignCenter);

    const TRect body{r.Left, band.Bottom + 1, r.Right, r.Bottom};
    FillRect(target, body, clWhite);
    DrawBorderLines(target, {body.Left, body.Top, body.Right - 1, body.Bottom - 1}, cbAll);
    const int rh = body.Height() / rowCount;
    const int xc = body.Left + Trunc(body.Width() * 0.15);
    FillRect(target, {body.Left + 1, body.Top + 1, xc, body.Bottom - 1},
             attributes.HeadersBackColor);

    SetTargetFont(target, attributes.HeadersFont);
    for (int i = 0; i < rowCount; ++i) {
        const int top = body.Top + i * rh + 1;
        const TRect upper{body.Left + 1, top, xc, top + rh / 2};
        const TRect lower{body.Left + 1, upper.Bottom, xc, upper.Bottom + rh / 2};
        DrawTextLine(target, upper, rowLabels.value(i), Qt::AlignHCenter | Qt::AlignBottom);
        DrawTextLine(target, lower, dateLabels.value(i), Qt::AlignHCenter | Qt::AlignTop);
    }
    VerticalLine(target, xc, body.Top, body.Bottom);
    for (int i = 1; i < rowCount; ++i)
        HorizontalLine(target, body.Left, body.Right, body.Top + i * rh);

    for (int i = 1; i <= rowCount; ++i) {
        const int bottom = i == rowCount ? body.Bottom - 4 : body.Top + i * rh - 4;
        const TRect cell{xc + 4, body.Top + (i - 1) * rh + 4, body.Right - 4, bottom};
        attributes.CellGeometry[i - 1] = {cell, DayOfLabel(dateLabels.value(i - 1)), cell};
    }
    target.restore();
}
