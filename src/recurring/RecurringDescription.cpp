#include "RecurringDescription.h"

#include "RecurringFormula.h"
#include "Translations.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

QString DescribeDayOfMonth(const QString &formula)
{
    const std::optional<TDayOfMonth> read = ReadDayOfMonthFormula(formula);
    if (!read || !InRange(*read))
        return {};
    return QCoreApplication::translate("RecurringDescription", "%1 of %2")
        .arg(Ordinal(read->Day), MonthOrEachMonth(read->Month));
}

QString DescribeSpecial(const QString &formula)
{
    const std::optional<TSpecialFormula> read = ReadSpecialFormula(formula);
    if (!read || !InRange(*read))
        return {};
    const QString month = MonthOrEachMonth(read->Month);
    const bool last = read->Occurrence == 5;
    if (read->Weekday == 7)
        return last ? QCoreApplication::translate("RecurringDescription", "Last Day %1").arg(month)
                    : QCoreApplication::translate("RecurringDescription", "%1 Day %2")
                          .arg(Ordinal(read->Occurrence + 1), month);
    const QString weekday = ShortWeekdayName(read->Weekday);
    return last ? QCoreApplication::translate("RecurringDescription", "Last %1 of %2")
                      .arg(weekday, month)
                : QCoreApplication::translate("RecurringDescription", "%1 %2 of %3")
                      .arg(Ordinal(read->Occurrence + 1), weekday, month);
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
    const QString date = QCoreApplication::translate("RecurringDescription", "%1 of %2")
                             .arg(Ordinal(read->Day), MonthOrEachMonth(read->Month));
    switch (read->Rule) {
    case TAnchorRule::OnOrBefore:
        return QCoreApplication::translate("RecurringDescription", "%1 on or before %2")
            .arg(ShortWeekdayName(read->Weekday), date);
    case TAnchorRule::OnOrAfter:
        return QCoreApplication::translate("RecurringDescription", "%1 on or after %2")
            .arg(ShortWeekdayName(read->Weekday), date);
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
    return QCoreApplication::translate("RecurringDescription", "%1 on %2")
        .arg(date, shifts.join(QStringLiteral(", ")));
}

QString DayOfYear(const QDate &date)
{
    return QCoreApplication::translate("RecurringDescription", "%1 of %2 %3")
        .arg(Ordinal(date.day()), MonthOrEachMonth(date.month()), QString::number(date.year()));
}

QString DescribeDated(const QString &formula)
{
    const std::optional<TDatedFormula> read = ReadDatedFormula(formula);
    if (!read)
        return {};
    if (read->Days == 1)
        return DayOfYear(read->Date);
    return QCoreApplication::translate("RecurringDescription", "%1 to %2")
        .arg(DayOfYear(read->Date), DayOfYear(read->Date.addDays(read->Days - 1)));
}

} // namespace

QString ShortWeekdayName(int weekday)
{
    if (weekday < 0 || weekday > 6)
        return {};
    // The locale counts from Monday = 1 to Sunday = 7.
    return InterfaceLocale().dayName(weekday == 0 ? 7 : weekday, QLocale::ShortFormat);
}

QString MonthOrEachMonth(int month)
{
    if (month == 0)
        return QCoreApplication::translate("RecurringDescription", "Each Month");
    if (month < 1 || month > 12)
        return {};
    return InterfaceLocale().monthName(month, QLocale::LongFormat);
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
