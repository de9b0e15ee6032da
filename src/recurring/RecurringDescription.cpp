#include "RecurringDescription.h"

#include "RecurringFormula.h"

#include <QLocale>

namespace {

QString DescribeDayOfMonth(const QString &formula)
{
    const std::optional<TDayOfMonth> read = ReadDayOfMonthFormula(formula);
    if (!read || !InRange(*read))
        return {};
    return Ordinal(read->Day) + QStringLiteral(" of ") + MonthOrEachMonth(read->Month);
}

QString DescribeSpecial(const QString &formula)
{
    const std::optional<TSpecialFormula> read = ReadSpecialFormula(formula);
    if (!read || !InRange(*read))
        return {};
    QString text =
        read->Occurrence == 5 ? QStringLiteral("Last ") : Ordinal(read->Occurrence + 1) + u' ';
    text += read->Weekday == 7 ? QStringLiteral("Day ")
                               : ShortWeekdayName(read->Weekday) + QStringLiteral(" of ");
    return text + MonthOrEachMonth(read->Month);
}

QString DescribeWeekdays(const QString &formula)
{
    const QString digits = formula.mid(1, FormulaWidth - 1);
    QStringList names;
    for (int day = 0; day < 7; ++day) {
        if (digits.contains(QChar(u'1' + day)))
            names.append(ShortWeekdayName(day));
    }
    return names.join(u',');
}

QString ShiftText(int weekday, int shift)
{
    return ShortWeekdayName(weekday) + QStringLiteral(" +") + QString::number(shift);
}

QString DescribeAnchored(const QString &formula)
{
    const std::optional<TAnchoredFormula> read = ReadAnchoredFormula(formula);
    if (!read)
        return {};
    QString date = Ordinal(read->Day) + QStringLiteral(" of ") + MonthOrEachMonth(read->Month);
    switch (read->Rule) {
    case TAnchorRule::OnOrBefore:
        return ShortWeekdayName(read->Weekday) + QStringLiteral(" on or before ") + date;
    case TAnchorRule::OnOrAfter:
        return ShortWeekdayName(read->Weekday) + QStringLiteral(" on or after ") + date;
    case TAnchorRule::Observed:
        break;
    }
    QStringList shifts;
    if (read->SaturdayShift != 0)
        shifts.append(ShiftText(6, read->SaturdayShift));
    if (read->SundayShift != 0)
        shifts.append(ShiftText(0, read->SundayShift));
    if (shifts.isEmpty())
        return date;
    return date + QStringLiteral(" on ") + shifts.join(QStringLiteral(", "));
}

QString DayOfYear(const QDate &date)
{
    return Ordinal(date.day()) + QStringLiteral(" of ") + MonthOrEachMonth(date.month()) + u' ' +
           QString::number(date.year());
}

QString DescribeDated(const QString &formula)
{
    const std::optional<TDatedFormula> read = ReadDatedFormula(formula);
    if (!read)
        return {};
    if (read->Days == 1)
        return DayOfYear(read->Date);
    return DayOfYear(read->Date) + QStringLiteral(" to ") +
           DayOfYear(read->Date.addDays(read->Days - 1));
}

} // namespace

QString ShortWeekdayName(int weekday)
{
    if (weekday < 0 || weekday > 6)
        return {};
    // The locale counts from Monday = 1 to Sunday = 7.
    return QLocale::system().dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat);
}

QString MonthOrEachMonth(int month)
{
    if (month == 0)
        return QStringLiteral("Each Month");
    if (month < 1 || month > 12)
        return {};
    return QLocale::system().monthName(month, QLocale::LongFormat);
}

QString DescribeFormula(const QString &formula)
{
    if (formula.isEmpty())
        return {};
    switch (formula[0].unicode()) {
    case u'@':
        return DescribeDayOfMonth(formula);
    case u'$':
        return DescribeSpecial(formula);
    case u'%':
        return DescribeWeekdays(formula);
    case u'&':
        return DescribeAnchored(formula);
    case u'=':
        return DescribeDated(formula);
    default:
        return {};
    }
}

QString DescribeEntry(const QString &line)
{
    switch (Marker(line).unicode()) {
    case u'@':
    case u'$':
    case u'%':
    case u'&':
    case u'=':
        return EntryName(line) + QStringLiteral(" (") + DescribeFormula(FormulaField(line)) + u')';
    default:
        return NameField(line);
    }
}
