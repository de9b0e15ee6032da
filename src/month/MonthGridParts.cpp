#include "MonthGridParts.h"

#include "CalendarDrawing.h"
#include "DrawingPrimitives.h"
#include "Numbers.h"
#include "PlannerLabels.h"
#include "WeekNumbers.h"

#include <QCoreApplication>

#include <algorithm>

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

int WeekColumnWidth(const TCalendarAttributes &attributes, const TRect &inner)
{
    return attributes.WeekNumbers == wnNone ? 0 : Trunc(inner.Width() * 0.08);
}

TRect DayColumns(const TCalendarAttributes &attributes, const TRect &inner)
{
    TRect days = inner;
    days.Left += WeekColumnWidth(attributes, inner);
    return days;
}

TFontDesc WeekNumberFont(const TCalendarAttributes &attributes)
{
    TFontDesc font = attributes.HeadersFont;
    font.Size = std::max(1, font.Size * 3 / 4);
    const QColor ink = ToQColor(font.Color);
    const QColor paper = ToQColor(attributes.HeadersBackColor);
    font.Color = FromQColor(QColor((ink.red() + paper.red()) / 2, (ink.green() + paper.green()) / 2,
                                   (ink.blue() + paper.blue()) / 2));
    return font;
}

void RecordWeekCells(TCalendarAttributes &attributes, const TRect &inner, int gt, int rh)
{
    attributes.WeekCells.fill(TWeekCell{});
    const int right = DayColumns(attributes, inner).Left;
    if (right == inner.Left)
        return;
    for (int row = 0; row < 6; ++row)
        attributes.WeekCells[size_t(row)] = {
            {inner.Left + 1, gt + row * rh + 1, right - 1, gt + row * rh + rh - 1},
            GridRowWeekNumber(attributes.WeekNumbers, attributes.Month, attributes.Year,
                              attributes.StartOfWeek, row)};
}

QString WithWeekNumber(const QString &title, TWeekNumbers rule, QDate first, int days)
{
    const int week = days == 1 ? WeekNumber(rule, first) : WeekNumberOfDays(rule, first);
    if (week == 0)
        return title;
    if (days > 7)
        return QCoreApplication::translate("PlannerLabels", "%1, Weeks %2-%3",
                                           "title, first and last week number")
            .arg(title, QString::number(week),
                 QString::number(WeekNumberOfDays(rule, first.addDays(7))));
    return QCoreApplication::translate("PlannerLabels", "%1, Week %2", "title, week number")
        .arg(title, QString::number(week));
}

TRect CellRect(const TCalendarAttributes &attributes, const TRect &inner, int gt, int rh, int row,
               int column, int leftInset)
{
    const TRect days = DayColumns(attributes, inner);
    const int cw = (days.Right - days.Left) / 7;
    TRect cell{days.Left + column * cw + 1, gt + row * rh + 1, days.Left + column * cw + cw - 1,
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
    rows.Title = WithWeekNumber(
        title.isEmpty() ? WeekPlannerTitle(first, first.addDays(days - 1), attributes.MonthNames)
                        : title,
        attributes.WeekNumbers, first, days);
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
    const QDate day = PlannerDate(attributes);
    rows.Title = WithWeekNumber(
        title.isEmpty() ? DayPlannerTitle(day, attributes.DayNames, attributes.MonthNames) : title,
        attributes.WeekNumbers, day, 1);
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
