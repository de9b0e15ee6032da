#pragma once

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
    explicit TDayFill(QStringList lines);
    TDayFill(std::shared_ptr<const TEventCalendar> calendar, TEventTextOptions options);

    bool IsEmpty() const;
    // The lines for the days of month in year, as DayLines gives them.
    QList<TDayLine> DayLines(int month, int year) const;

private:
    QStringList m_lines;
    std::shared_ptr<const TEventCalendar> m_calendar;
    TEventTextOptions m_options;
};
