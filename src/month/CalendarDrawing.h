#pragma once

#include "CalendarAttributes.h"

#include <QList>
#include <QRect>
#include <QStringList>

class QPainter;

// The drawing library of the calendar on a bitmap: each routine draws into
// the painter in its pixels and records the geometry it drew in attributes.
// Fonts are sized for the screen's pixels per inch.

// Makes font the painter's font, in its colour, with its size in points.
void SetTargetFont(QPainter &target, const TFontDesc &font);

// The outline styles: cbAll the closed rectangle from (Left, Top) to
// (Right, Bottom), cbTop and cbBottom one edge, cbTopBottom both. Lines take
// their start point and leave out their end point.
void DrawBorderLines(QPainter &target, const TRect &rect, TCalBorderStyle style);
// The pixels of those lines, added to lines for drawing them together.
void AddBorderLines(QList<QRect> &lines, const TRect &rect, TCalBorderStyle style);

// One month: title band, day-name row, the 42 numbered cells. A non-empty
// title replaces the month name and year.
void DrawMonthGrid(QPainter &target, TCalendarAttributes &attributes, const QString &title);

// A week planner of attributes.PlannerDays days from (Year, Month, Day).
void DrawWeekPlanner(QPainter &target, TCalendarAttributes &attributes, const QString &title);
// A day planner of attributes.PlannerHours hours from PlannerStart.
void DrawDayPlanner(QPainter &target, TCalendarAttributes &attributes, const QString &title);
// The planners' common body: title, a left column of labels, rowCount rows.
void DrawPlannerBody(QPainter &target, TCalendarAttributes &attributes, int rowCount,
                     const QStringList &dateLabels, const QStringList &rowLabels,
                     const QString &title);

// The day name styled: its first character, its first three, or all of it.
QString StyledDayName(const QString &name, TCalHeadersStyle style);
