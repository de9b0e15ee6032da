#include "DayFill.h"

#include "ICalendarLibrary.h"

#include <utility>

TDayFill::TDayFill(QStringList lines) : m_lines(std::move(lines)) {}

TDayFill::TDayFill(std::shared_ptr<const TEventCalendar> calendar, TEventTextOptions options)
    : m_calendar(std::move(calendar)), m_options(std::move(options))
{}

bool TDayFill::IsEmpty() const
{
    return m_calendar ? m_calendar->Events().empty() : m_lines.isEmpty();
}

QList<TDayLine> TDayFill::DayLines(int month, int year) const
{
    if (m_calendar)
        return EventDayLines(*m_calendar, month, year, m_options);
    return ::DayLines(m_lines, month, year);
}

TMonthFill TDayFill::MonthFill(int month, int year) const
{
    if (m_calendar)
        return ::MonthFill(EventDayLines(*m_calendar, month, year, m_options));
    return ::MonthFill(m_lines, month, year);
}
