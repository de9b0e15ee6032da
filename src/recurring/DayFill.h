#pragma once

#include "CellAppend.h"
#include "EventOccurrences.h"
#include "RecurringResolve.h"

#include <QList>
#include <QStringList>

#include <memory>

class TEventCalendar;

// What the day cells of pages are filled from: recurring-date lines, or the
// events of an iCalendar file expanded month by month. Copies share the
// calendar, which is read once.
class TDayFill
{
public:
    TDayFill() = default;
    // Lines convert as they are: a set is filled from them.
    TDayFill(QStringList lines);
    TDayFill(std::shared_ptr<const TEventCalendar> calendar, TEventTextOptions options);

    bool IsEmpty() const;
    // The lines it fills from; none for a calendar.
    const QStringList &Lines() const { return m_lines; }
    // The lines for the days of month in year, as DayLines gives them.
    QList<TDayLine> DayLines(int month, int year) const;
    // What each day of month in year is filled with, at most MaxFilledLines
    // lines to a day.
    TMonthFill MonthFill(int month, int year) const;

private:
    QStringList m_lines;
    std::shared_ptr<const TEventCalendar> m_calendar;
    TEventTextOptions m_options;
};
