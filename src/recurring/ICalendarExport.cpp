#include "ICalendarExport.h"

#include "ICalendarLines.h"
#include "RecurringDescription.h"
#include "RecurringFormula.h"
#include "RecurringResolve.h"

#include <QCryptographicHash>
#include <QHash>

#include <array>
#include <optional>

namespace {

constexpr int FirstDaySearchYears = 40;
constexpr int MaxListedDays = 400;
constexpr std::array<const char *, 7> WeekdayCodes{"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

QString DateText(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

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

QStringList EventLines(const QString &line, const QString &uid, const QString &stamp,
                       const QDate &from)
{
    const QString rule = RuleOf(line);
    // A rule starts on its first day, which may be decades away (a fifth
    // Tuesday of February). The others list their days.
    const QList<QDate> days = rule.isEmpty() ? DaysFrom(line, from, ExportedYears, MaxListedDays)
                                             : DaysFrom(line, from, FirstDaySearchYears, 1);
    if (days.isEmpty())
        return {};
    QStringList event{QStringLiteral("BEGIN:VEVENT"),
                      QStringLiteral("UID:") + uid,
                      QStringLiteral("DTSTAMP:") + stamp,
                      QStringLiteral("SUMMARY:") + EscapeText(EntryName(line)),
                      QStringLiteral("DTSTART;VALUE=DATE:") + DateText(days.first()),
                      QStringLiteral("DTEND;VALUE=DATE:") + DateText(days.first().addDays(1))};
    if (!rule.isEmpty()) {
        event.append(QStringLiteral("RRULE:") + rule);
    } else if (days.size() > 1) {
        QStringList dates;
        for (qsizetype i = 1; i < days.size(); ++i)
            dates.append(DateText(days[i]));
        event.append(QStringLiteral("RDATE;VALUE=DATE:") + dates.join(u','));
    }
    event.append(QStringLiteral("TRANSP:TRANSPARENT"));
    event.append(QStringLiteral("END:VEVENT"));
    return event;
}

} // namespace

TICalendarExport ExportICalendar(const QStringList &lines, const QDate &from,
                                 const QDateTime &stamp)
{
    TICalendarExport result;
    const QString stampText = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QStringList calendar{QStringLiteral("BEGIN:VCALENDAR"), QStringLiteral("VERSION:2.0"),
                         QStringLiteral("PRODID:-//Datewright//Recurring Dates//EN"),
                         QStringLiteral("CALSCALE:GREGORIAN"), QStringLiteral("METHOD:PUBLISH")};
    QHash<QString, int> repeats;
    for (const QString &line : lines) {
        const QStringList event = EventLines(line, Uid(line, repeats[line]++), stampText, from);
        if (event.isEmpty() && !TrimSpaces(line).isEmpty())
            result.Skipped.append(DescribeEntry(line));
        calendar += event;
    }
    calendar.append(QStringLiteral("END:VCALENDAR"));
    for (const QString &line : calendar)
        result.Bytes += FoldContentLine(line);
    return result;
}
