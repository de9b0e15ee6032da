#include "RecurringFormula.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr QChar Space(u' ');

// A number field: its characters without spaces at both ends, read as a
// decimal number with an optional sign; nothing when that is empty or holds
// anything else. The fields are at most two characters wide, so the value
// cannot overflow.
std::optional<int> ReadField(const QString &formula, int position, int width)
{
    const QString field = TrimSpaces(formula.mid(position, width));
    if (field.isEmpty())
        return std::nullopt;
    int sign = 1;
    qsizetype at = 0;
    if (field[0] == u'-' || field[0] == u'+') {
        sign = field[0] == u'-' ? -1 : 1;
        at = 1;
    }
    if (at == field.size())
        return std::nullopt;
    int value = 0;
    for (; at < field.size(); ++at) {
        const QChar c = field[at];
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return sign * value;
}

// A single digit at position, or nothing.
std::optional<int> ReadDigit(const QString &formula, int position)
{
    if (position >= formula.size())
        return std::nullopt;
    const QChar c = formula[position];
    if (c < u'0' || c > u'9')
        return std::nullopt;
    return c.unicode() - u'0';
}

QString TwoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

QString TrimSpaces(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == Space)
        ++first;
    while (last > first && text[last - 1] == Space)
        --last;
    return text.mid(first, last - first);
}

QString PadToWidth(const QString &text, int width)
{
    return text.left(width).leftJustified(width, Space);
}

QString MakeDayOfMonthFormula(int day, int month)
{
    return u'@' + TwoDigits(month) + TwoDigits(day);
}

QString MakeSpecialFormula(int occurrence, int weekday, int month)
{
    return u'$' + PadToWidth(QString::number(occurrence), 2) +
           PadToWidth(QString::number(weekday), 2) + PadToWidth(QString::number(month), 2);
}

QString MakeWeekdayFormula(const std::array<bool, 7> &days)
{
    QString formula(u'%');
    for (int day = 0; day < 7; ++day) {
        if (days[day])
            formula += QChar(u'1' + day);
    }
    return formula;
}

QString MakeEntry(const QString &name, const QString &formula)
{
    return PadToWidth(name, NameWidth) + PadToWidth(formula, FormulaWidth);
}

std::optional<TDayOfMonth> ReadDayOfMonthFormula(const QString &formula)
{
    const std::optional<int> month = ReadField(formula, 1, 2);
    const std::optional<int> day = ReadField(formula, 3, 2);
    if (!month || !day)
        return std::nullopt;
    return TDayOfMonth{*day, *month};
}

std::optional<TSpecialFormula> ReadSpecialFormula(const QString &formula)
{
    const std::optional<int> occurrence = ReadField(formula, 1, 2);
    const std::optional<int> weekday = ReadField(formula, 3, 2);
    const std::optional<int> month = ReadField(formula, 5, 2);
    if (!occurrence || !weekday || !month)
        return std::nullopt;
    return TSpecialFormula{*occurrence, *weekday, *month};
}

bool InRange(const TDayOfMonth &formula)
{
    return formula.Month >= 0 && formula.Month <= 12 && formula.Day >= 1 && formula.Day <= 31;
}

bool InRange(const TSpecialFormula &formula)
{
    return formula.Occurrence >= 0 && formula.Occurrence <= 5 && formula.Weekday >= 0 &&
           formula.Weekday <= 7 && formula.Month >= 0 && formula.Month <= 12;
}

QString MakeAnchoredFormula(const TAnchoredFormula &formula)
{
    QString text = u'&' + TwoDigits(formula.Month) + TwoDigits(formula.Day);
    switch (formula.Rule) {
    case TAnchorRule::OnOrBefore:
        return text + u'<' + QString::number(formula.Weekday);
    case TAnchorRule::OnOrAfter:
        return text + u'>' + QString::number(formula.Weekday);
    case TAnchorRule::Observed:
        break;
    }
    return text + u'+' + QString::number(formula.SaturdayShift) +
           QString::number(formula.SundayShift);
}

std::optional<TAnchoredFormula> ReadAnchoredFormula(const QString &formula)
{
    const std::optional<int> month0 = ReadDigit(formula, 1);
    const std::optional<int> month1 = ReadDigit(formula, 2);
    const std::optional<int> day0 = ReadDigit(formula, 3);
    const std::optional<int> day1 = ReadDigit(formula, 4);
    if (!month0 || !month1 || !day0 || !day1 || formula.size() < 7)
        return std::nullopt;
    TAnchoredFormula anchored;
    anchored.Month = *month0 * 10 + *month1;
    anchored.Day = *day0 * 10 + *day1;
    if (anchored.Month < 1 || anchored.Month > 12 || anchored.Day < 1 || anchored.Day > 31)
        return std::nullopt;
    const QChar rule = formula[5];
    const std::optional<int> first = ReadDigit(formula, 6);
    if (!first)
        return std::nullopt;
    if (rule == u'<' || rule == u'>') {
        if (*first > 6)
            return std::nullopt;
        anchored.Rule = rule == u'<' ? TAnchorRule::OnOrBefore : TAnchorRule::OnOrAfter;
        anchored.Weekday = *first;
        return anchored;
    }
    const std::optional<int> second = ReadDigit(formula, 7);
    if (rule != u'+' || !second)
        return std::nullopt;
    anchored.Rule = TAnchorRule::Observed;
    anchored.SaturdayShift = *first;
    anchored.SundayShift = *second;
    return anchored;
}

namespace {

constexpr int LineWidth = NameWidth + FormulaWidth;
constexpr int DateWidth = 8;
const QString DateFormat = QStringLiteral("yyyyMMdd");
const QString DayDigits = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ");

// Eight digits of a date, or an invalid date.
QDate ReadDate(const QString &text)
{
    if (text.size() != DateWidth ||
        !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return {};
    return QDate::fromString(text, DateFormat);
}

} // namespace

QString MakeDatedFormula(const TDatedFormula &formula)
{
    QString text = u'=' + formula.Date.toString(DateFormat);
    if (formula.Days > 1)
        text += DayDigits[std::min(formula.Days, MaxDatedDays)];
    return text;
}

std::optional<TDatedFormula> ReadDatedFormula(const QString &formula)
{
    const QDate date = ReadDate(formula.mid(1, DateWidth));
    if (!date.isValid())
        return std::nullopt;
    const QString days = TrimSpaces(formula.mid(1 + DateWidth));
    if (days.isEmpty())
        return TDatedFormula{date, 1};
    const qsizetype found = DayDigits.indexOf(days[0].toUpper());
    if (days.size() != 1 || found < 1)
        return std::nullopt;
    return TDatedFormula{date, int(found)};
}

QDate EntryStart(const QString &line)
{
    return ReadDate(line.mid(LineWidth, DateWidth));
}

QString WithEntryStart(const QString &line, const QDate &start)
{
    return PadToWidth(line, LineWidth) + start.toString(DateFormat);
}

QString Ordinal(int number)
{
    // English picks a suffix by the last digits; each form is translated on
    // its own, and one alone, as languages set the first apart.
    const int lastTwo = std::abs(number % 100);
    const char *form = QT_TRANSLATE_NOOP("RecurringDescription", "%1th");
    if (lastTwo < 11 || lastTwo > 19) {
        switch (lastTwo % 10) {
        case 1:
            return number == 1 ? QCoreApplication::translate("RecurringDescription", "%1st",
                                                             "the ordinal of one, 1st")
                                     .arg(number)
                               : QCoreApplication::translate("RecurringDescription", "%1st",
                                                             "an ordinal ending in 1, as 21st")
                                     .arg(number);
        case 2:
            form = QT_TRANSLATE_NOOP("RecurringDescription", "%1nd");
            break;
        case 3:
            form = QT_TRANSLATE_NOOP("RecurringDescription", "%1rd");
            break;
        default:
            break;
        }
    }
    return QCoreApplication::translate("RecurringDescription", form).arg(number);
}

QString NameField(const QString &line)
{
    return line.left(NameWidth);
}

QString EntryName(const QString &line)
{
    return TrimSpaces(NameField(line));
}

QString FormulaField(const QString &line)
{
    return line.mid(NameWidth, FormulaWidth);
}

QChar Marker(const QString &line)
{
    return line.size() > NameWidth ? line[NameWidth] : Space;
}

QString EasterKeyword(const QString &line)
{
    return TrimSpaces(line.mid(NameWidth, KeywordWidth)).toUpper();
}
