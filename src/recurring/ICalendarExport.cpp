#include "ICalendarExport.h"

#include "ICalendarEvents.h"
#include "ICalendarLibrary.h"
#include "RecurringDescription.h"
#include "RecurringFormula.h"
#include "RecurringResolve.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QHash>

#include <array>
#include <cstring>
#include <optional>

namespace {

constexpr int FirstDaySearchYears = 40;
constexpr int MaxListedDays = 400;
constexpr std::array<const char *, 7> WeekdayCodes{"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

QString Code(int weekday)
{
    return QLatin1String(WeekdayCodes[weekday]);
}

QString Frequency(int month)
{
    return month == 0 ? QStringLiteral("FREQ=MONTHLY")
                      : QStringLiteral("FREQ=YEARLY;BYMONTH=%1").arg(month);
}

QString DayOfMonthRule(const TDayOfMonth &formula)
{
    return Frequency(formula.Month) + QStringLiteral(";BYMONTHDAY=%1").arg(formula.Day);
}

QString SpecialRule(const TSpecialFormula &formula)
{
    const int ordinal = formula.Occurrence == 5 ? -1 : formula.Occurrence + 1;
    if (formula.Weekday == 7)
        return Frequency(formula.Month) + QStringLiteral(";BYMONTHDAY=%1").arg(ordinal);
    return Frequency(formula.Month) +
           QStringLiteral(";BYDAY=%1%2").arg(ordinal).arg(Code(formula.Weekday));
}

QString WeekdaysRule(const QString &formula)
{
    QStringList codes;
    for (int day = 0; day < 7; ++day) {
        if (formula.contains(QChar(u'1' + day)))
            codes.append(Code(day));
    }
    if (codes.isEmpty())
        return {};
    if (codes.size() == 7)
        return QStringLiteral("FREQ=DAILY");
    return QStringLiteral("FREQ=WEEKLY;BYDAY=") + codes.join(u',');
}

// The seven days of an on-or-before or on-or-after formula as one yearly
// rule, when they lie within the month in every year.
QString WindowRule(const TAnchoredFormula &formula)
{
    if (formula.Rule == TAnchorRule::Observed)
        return {};
    const int first = formula.Rule == TAnchorRule::OnOrAfter ? formula.Day : formula.Day - 6;
    const int shortest = formula.Month == 2 ? 28 : QDate(2001, formula.Month, 1).daysInMonth();
    if (first < 1 || first + 6 > shortest)
        return {};
    QStringList days;
    for (int day = first; day < first + 7; ++day)
        days.append(QString::number(day));
    return QStringLiteral("FREQ=YEARLY;BYMONTH=%1;BYMONTHDAY=%2;BYDAY=%3")
        .arg(formula.Month)
        .arg(days.join(u','))
        .arg(Code(formula.Weekday));
}

// The rule of a line; empty when iCalendar has none for it.
QString RuleOf(const QString &line)
{
    const QString formula = FormulaField(line);
    switch (Marker(line).unicode()) {
    case u'@': {
        const std::optional<TDayOfMonth> read = ReadDayOfMonthFormula(formula);
        return read && InRange(*read) ? DayOfMonthRule(*read) : QString();
    }
    case u'$': {
        const std::optional<TSpecialFormula> read = ReadSpecialFormula(formula);
        return read && InRange(*read) ? SpecialRule(*read) : QString();
    }
    case u'%':
        return WeekdaysRule(formula);
    case u'&': {
        const std::optional<TAnchoredFormula> read = ReadAnchoredFormula(formula);
        return read ? WindowRule(*read) : QString();
    }
    default:
        return {};
    }
}

// The days of line from from on, month by month, up to years later; at most
// limit of them.
QList<QDate> DaysFrom(const QString &line, const QDate &from, int years, int limit)
{
    QList<QDate> dates;
    QDate month(from.year(), from.month(), 1);
    const QDate end = month.addYears(years);
    for (; month < end && dates.size() < limit; month = month.addMonths(1)) {
        for (int day : ResolveDays(line, month.month(), month.year())) {
            const QDate date(month.year(), month.month(), day);
            if (date >= from && dates.size() < limit)
                dates.append(date);
        }
    }
    return dates;
}

QString Uid(const QString &line, int repeat)
{
    const QByteArray hash =
        QCryptographicHash::hash(line.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QString::fromLatin1(hash) + u'-' + QString::number(repeat) +
           QStringLiteral("@datewright");
}

void AddText(icalcomponent *event, icalproperty *property)
{
    icalcomponent_add_property(event, property);
}

icalproperty *DateProperty(icalproperty *property)
{
    icalproperty_add_parameter(property, icalparameter_new_value(ICAL_VALUE_DATE));
    return property;
}

// The first day of a rule: the entry's own start when the rule falls on it,
// else its first day from from on.
std::optional<QDate> RuleStart(const QString &line, const QDate &from)
{
    const QDate start = EntryStart(line);
    if (start.isValid() && ResolveDays(line, start.month(), start.year()).contains(start.day()))
        return start;
    const QList<QDate> days = DaysFrom(line, from, FirstDaySearchYears, 1);
    return days.isEmpty() ? std::nullopt : std::optional<QDate>(days.first());
}

// The event of a line; nothing when it names no day.
TComponentPtr EventOf(const QString &line, const QString &uid, const icaltimetype &stamp,
                      const QDate &from)
{
    QList<QDate> days;
    int length = 1;
    const QString rule = RuleOf(line);
    if (const std::optional<TDatedFormula> dated =
            Marker(line) == u'=' ? ReadDatedFormula(FormulaField(line)) : std::nullopt) {
        days = {dated->Date};
        length = dated->Days;
    } else if (!rule.isEmpty()) {
        if (const std::optional<QDate> start = RuleStart(line, from))
            days = {*start};
    } else {
        days = DaysFrom(line, from, ExportedYears, MaxListedDays);
    }
    if (days.isEmpty())
        return nullptr;
    TComponentPtr event(icalcomponent_new(ICAL_VEVENT_COMPONENT));
    AddText(event.get(), icalproperty_new_uid(uid.toUtf8().constData()));
    AddText(event.get(), icalproperty_new_dtstamp(stamp));
    AddText(event.get(), icalproperty_new_summary(EntryName(line).toUtf8().constData()));
    AddText(event.get(), DateProperty(icalproperty_new_dtstart(LibicalTime(days.first(), true))));
    // Without an end an event of a date lasts that one day.
    if (length > 1)
        AddText(event.get(), DateProperty(icalproperty_new_dtend(
                                 LibicalTime(days.first().addDays(length), true))));
    if (!rule.isEmpty()) {
        AddText(event.get(), icalproperty_new_rrule(
                                 icalrecurrencetype_from_string(rule.toLatin1().constData())));
    }
    for (qsizetype i = 1; i < days.size(); ++i) {
        icaldatetimeperiodtype date{};
        date.time = LibicalTime(days[i], true);
        date.period = icalperiodtype_null_period();
        AddText(event.get(), DateProperty(icalproperty_new_rdate(date)));
    }
    return event;
}

icaltimetype StampOf(const QDateTime &stamp)
{
    const QDateTime utc = stamp.toUTC();
    icaltimetype time = LibicalTime(utc.date(), false);
    time.hour = utc.time().hour();
    time.minute = utc.time().minute();
    time.second = utc.time().second();
    return icaltime_set_timezone(&time, icaltimezone_get_utc_timezone());
}

} // namespace

TICalendarExport ExportICalendar(const QStringList &lines, const QDate &from,
                                 const QDateTime &stamp)
{
    TICalendarExport result;
    TComponentPtr calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid("-//Datewright//Recurring Dates//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    const icaltimetype stampTime = StampOf(stamp);
    QHash<QString, int> repeats;
    for (const QString &line : lines) {
        TComponentPtr event = EventOf(line, Uid(line, repeats[line]++), stampTime, from);
        if (event)
            icalcomponent_add_component(calendar.get(), event.release());
        else if (!TrimSpaces(line).isEmpty())
            result.Skipped.append(DescribeEntry(line));
    }
    const std::unique_ptr<char, TLibicalFree> text(icalcomponent_as_ical_string_r(calendar.get()));
    const qsizetype size = qsizetype(std::strlen(text.get()));
    if (size > MaxICalendarFileSize) {
        result.Error = QCoreApplication::translate("ICalendar",
                                                   "The calendar would be larger than %1 MB, more "
                                                   "than the program reads back; export fewer "
                                                   "dates.")
                           .arg(MaxICalendarFileSize / (qint64(1024) * 1024));
        return result;
    }
    result.Bytes = QByteArray(text.get(), size);
    return result;
}
