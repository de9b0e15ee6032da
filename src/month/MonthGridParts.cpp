#include "MonthGridParts.h"

#include "CalendarDrawing.h"
#include "DrawingPrimitives.h"
#include "Numbers.h"
#include "PlannerLabels.h"

#include <QCoreApplication>

TRect InnerRect(const TRect &calRect)
{
    return {calRect.Left, calRect.Top, calRect.Right - 1, calRect.Bottom - 1};
}

TRect TitleBand(const TRect &inner)
{
    return {inner.Left, inner.Top + 1, inner.Right,
            inner.Top + 1 + Trunc((inner.Bottom - inner.Top) * 0.17)};
}

TRect PlaceTitleBand(TCalendarAttributes &attributes, const TRect &inner)
{
    TRect band = TitleBand(inner);
    attributes.TitleRect = band;
    if (band.Height() < attributes.MinTitleHeight)
        band.Bottom = band.Top + attributes.MinTitleHeight;
    return band;
}

QString MonthTitle(const TCalendarAttributes &attributes, const QString &title)
{
    if (!title.isEmpty())
        return title;
    const int month = attributes.Month;
    QString name = month >= 1 && month <= 12 ? attributes.MonthNames[month - 1] : QString();
    if (!attributes.TitleShowYear)
        return name;
    return name + u' ' + QString::number(attributes.Year);
}

QString ColumnDayName(const TCalendarAttributes &attributes, int column)
{
    const int index = attributes.StartOfWeek == 1 ? column : (column + 1) % 7;
    return StyledDayName(attributes.DayNames[index], attributes.HeadersStyle);
}

TRect CellRect(const TCalendarAttributes &attributes, const TRect &inner, int gt, int rh, int row,
               int column, int leftInset)
{
    const int cw = (inner.Right - inner.Left) / 7;
    TRect cell{inner.Left + column * cw + 1, gt + row * rh + 1, inner.Left + column * cw + cw - 1,
               gt + row * rh + rh - 1};
    if (attributes.NumberPosition == cnpUpperRight) {
        cell.Left += leftInset;
        cell.Right -= 5;
    }
    return cell;
}

std::pair<int, int> HorizontalGridLines(TCalBorderStyle style)
{
    if (style == cbNone)
        return {1, 0};
    const int first = style == cbAll || style == cbTop || style == cbTopBottom ? 0 : 1;
    const int last = style == cbAll || style == cbBottom || style == cbTopBottom ? 6 : 5;
    return {first, last};
}

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

} // namespace

TPlannerRows WeekPlannerRows(const TCalendarAttributes &attributes, const QString &title)
{
    const int days = attributes.PlannerDays;
    const QDate first = PlannerDate(attributes);
    TPlannerRows rows;
    for (int i = 0; i < days; ++i) {
        const QDate day = first.addDays(i);
        rows.RowLabels << StyledDayName(attributes.DayNames[SundayFirstIndex(day)],
                                        attributes.HeadersStyle);
        rows.DateLabels << WeekPlannerDateLabel(day, attributes.MonthNames);
    }
    rows.RowLabels << QCoreApplication::translate("PlannerLabels", "Notes");
    rows.DateLabels << QString();
    rows.Title = title.isEmpty()
                     ? WeekPlannerTitle(first, first.addDays(days - 1), attributes.MonthNames)
                     : title;
    return rows;
}

TPlannerRows DayPlannerRows(const TCalendarAttributes &attributes, const QString &title)
{
    TPlannerRows rows;
    QTime time = attributes.PlannerStart.isValid() ? attributes.PlannerStart : QTime(0, 0);
    for (int i = 0; i < attributes.PlannerHours; ++i) {
        rows.RowLabels << PlannerTimeLabel(time);
        rows.DateLabels << QString();
        time = time.addSecs(3600);
    }
    rows.RowLabels << QCoreApplication::translate("PlannerLabels", "Notes");
    rows.DateLabels << QString();
    rows.Title = title.isEmpty() ? DayPlannerTitle(PlannerDate(attributes), attributes.DayNames,
                                                   attributes.MonthNames)
                                 : title;
    return rows;
}

int DayOfDateLabel(const QString &label)
{
    bool ok = false;
    const int day = label.left(2).trimmed().toInt(&ok);
    return ok ? day : 0;
}

TPlannerBody PlannerBody(const TRect &inner, int titleBottom, int rowCount)
{
    const TRect box{inner.Left, titleBottom + 1, inner.Right, inner.Bottom};
    return {box, box.Height() / rowCount, box.Left + Trunc(box.Width() * 0.15)};
}

void DrawPlannerFrame(QPainter &target, const TPlannerBody &body, TColor columnColor)
{
    const TRect &box = body.Box;
    FillRect(target, box, clWhite);
    DrawBorderLines(target, {box.Left, box.Top, box.Right - 1, box.Bottom - 1}, cbAll);
    FillRect(target, {box.Left + 1, box.Top + 1, body.ColumnEdge, box.Bottom - 1}, columnColor);
}

void RecordPlannerCells(TCalendarAttributes &attributes, const TPlannerBody &body, int rowCount,
                        const QStringList &dateLabels, int inset)
{
    const TRect &box = body.Box;
    for (int i = 1; i <= rowCount && i <= CellCount; ++i) {
        const int bottom =
            i == rowCount ? box.Bottom - inset : box.Top + i * body.RowHeight - inset;
        const TRect cell{body.ColumnEdge + inset, box.Top + (i - 1) * body.RowHeight + inset,
                         box.Right - inset, bottom};
        attributes.CellGeometry[i - 1] = {cell, DayOfDateLabel(dateLabels.value(i - 1)), cell};
    }
}
