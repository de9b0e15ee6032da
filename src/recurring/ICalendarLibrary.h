#pragma once

// What the iCalendar code shares of libical: the events as read, owning
// pointers that free what the library returns, and the conversions of its
// times. Only the recurring core includes this header.

#include "ICalendarEvents.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QSet>
#include <QString>

#include <libical/ical.h>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

struct TLibicalFree
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
    void operator()(icalrecur_iterator *iterator) const { icalrecur_iterator_free(iterator); }
    void operator()(char *text) const { icalmemory_free_buffer(text); }
};
using TComponentPtr = std::unique_ptr<icalcomponent, TLibicalFree>;
using TIteratorPtr = std::unique_ptr<icalrecur_iterator, TLibicalFree>;

// Longer events are taken as lasting this many days: a page shows at most a
// few weeks, and the expansion looks back by an event's length.
inline constexpr int MaxEventDays = 366;

// One RRULE of an event, and what its starts depend on besides the dates
// looked at when they do not depend on the day the event began (empty when
// they do): rules of one shape are expanded once for all their events.
struct TEventRule
{
    icalproperty *Property = nullptr;
    QByteArray Shape;
};

// One VEVENT. The component and the times' zones belong to the calendar's
// tree.
struct TCalendarEvent
{
    icalcomponent *Component = nullptr;
    QString Summary;
    QByteArray Uid;
    // DTSTART; a null time when it is missing or unreadable.
    icaltimetype Start = icaltime_null_time();
    bool AllDay = false;
    // Whole days for all-day events (at least 1), seconds for timed ones.
    qint64 Length = 0;
    bool Cancelled = false;
    // A RECURRENCE-ID: the event replaces one occurrence of another.
    bool Override = false;
    // The RRULEs; whether RDATE and EXDATE are there. An event with neither
    // RRULE nor RDATE is one day, found without asking libical.
    std::vector<TEventRule> Rules;
    bool HasDates = false;
    bool Excepts = false;
    // The first RRULE repeats yearly: the occurrences are anniversaries.
    bool Yearly = false;
    // The start year is a real year: no "year omitted" mark and not a
    // placeholder year of the distant past.
    bool YearKnown = true;
};

// The moment a time stands for, for comparing occurrences with exceptions
// and replaced occurrences: seconds since 1970 in UTC for times in a zone,
// the time as written for dates and floating times; the smallest number for
// a time of no real date.
qint64 InstantKey(const icaltimetype &time);

class TEventCalendar
{
public:
    TEventCalendar(TComponentPtr root, std::vector<TCalendarEvent> events);

    const std::vector<TCalendarEvent> &Events() const { return m_events; }
    // Whether an override replaces the occurrence of uid at InstantKey key.
    bool IsReplaced(const QByteArray &uid, qint64 key) const;
    // libical fills its time zones in as they are used: every use of the
    // tree holds this lock, so pages can be filled on several threads.
    std::mutex &Lock() const { return m_lock; }

private:
    TComponentPtr m_root;
    std::vector<TCalendarEvent> m_events;
    QSet<std::pair<QByteArray, qint64>> m_replaced;
    mutable std::mutex m_lock;
};

// A time of libical as a date, or as a date and time on the wall clock of
// zone (floating times as written).
QDate DateOf(const icaltimetype &time);
QDateTime LocalDateTime(const icaltimetype &time, const QTimeZone &zone);
// The wall time of date and time of day in libical's form, floating.
icaltimetype LibicalTime(const QDate &date, bool isDate);
// A date-time of a property (RDATE, EXDATE) in the zone its TZID names,
// looked up in the event's calendar and then among the system's zones;
// floating without one.
icaltimetype ZonedTime(icalproperty *property, icaltimetype time, const TCalendarEvent &event);
