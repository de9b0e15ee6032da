#include "EasterDates.h"

#include <optional>

namespace {

// The remainder of a division, never negative, so the arithmetic gives a
// date in March or April for any year.
int Modulo(int value, int divisor)
{
    const int remainder = value % divisor;
    return remainder < 0 ? remainder + divisor : remainder;
}

int FloorDivide(int value, int divisor)
{
    return (value - Modulo(value, divisor)) / divisor;
}

// The last day before easter that falls on weekday (1 Monday ... 7 Sunday).
QDate LastWeekdayBefore(const QDate &easter, int weekday)
{
    QDate day = easter.addDays(-1);
    while (day.dayOfWeek() != weekday)
        day = day.addDays(-1);
    return day;
}

constexpr int MaxOffsetDigits = 3;

// The days from Easter Sunday of "#EASTER" (0), "#EASTER+N" and "#EASTER-N".
std::optional<int> EasterOffset(const QString &keyword)
{
    static const QString prefix = QStringLiteral("#EASTER");
    if (keyword == prefix)
        return 0;
    if (!keyword.startsWith(prefix) || keyword.size() < prefix.size() + 2 ||
        keyword.size() > prefix.size() + 1 + MaxOffsetDigits)
        return std::nullopt;
    const QChar sign = keyword[prefix.size()];
    if (sign != u'+' && sign != u'-')
        return std::nullopt;
    int days = 0;
    for (qsizetype at = prefix.size() + 1; at < keyword.size(); ++at) {
        const QChar c = keyword[at];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        days = days * 10 + (c.unicode() - u'0');
    }
    return sign == u'-' ? -days : days;
}

} // namespace

QDate EasterSunday(int year)
{
    const int b = 225 - 11 * Modulo(year, 19);
    int d = Modulo(b - 21, 30) + 21;
    if (d > 48)
        --d;
    const int e = Modulo(year + FloorDivide(year, 4) + d + 1, 7);
    const int q = d + 7 - e;
    return q < 32 ? QDate(year, 3, q) : QDate(year, 4, q - 31);
}

QDate GoodFriday(int year)
{
    return LastWeekdayBefore(EasterSunday(year), Qt::Friday);
}

QDate PalmSunday(int year)
{
    return LastWeekdayBefore(EasterSunday(year), Qt::Sunday);
}

bool IsEasterKeyword(const QString &keyword)
{
    return keyword == u"#GOODFRIDAY" || keyword == u"#PALMSUNDAY" ||
           EasterOffset(keyword).has_value();
}

QDate EasterFeast(const QString &keyword, int year)
{
    if (keyword == u"#GOODFRIDAY")
        return GoodFriday(year);
    if (keyword == u"#PALMSUNDAY")
        return PalmSunday(year);
    const std::optional<int> offset = EasterOffset(keyword);
    return offset ? EasterSunday(year).addDays(*offset) : QDate();
}
