#include "PlannerLabels.h"

#include <QLocale>

namespace {

QString MonthOf(QDate day, const std::array<QString, 12> &monthNames)
{
    return monthNames[day.month() - 1];
}

} // namespace

QString WeekPlannerTitle(QDate first, QDate last, const std::array<QString, 12> &monthNames)
{
    const QString firstMonth = MonthOf(first, monthNames);
    const QString lastMonth = MonthOf(last, monthNames);
    if (first.year() != last.year())
        return QStringLiteral("%1 %2, %3 - %4 %5, %6")
            .arg(firstMonth)
            .arg(first.day())
            .arg(first.year())
            .arg(lastMonth)
            .arg(last.day())
            .arg(last.year());
    if (first.month() != last.month())
        return QStringLiteral("%1 %2 - %3 %4, %5")
            .arg(firstMonth)
            .arg(first.day())
            .arg(lastMonth)
            .arg(last.day())
            .arg(first.year());
    return QStringLiteral("%1 %2-%3, %4")
        .arg(firstMonth)
        .arg(first.day())
        .arg(last.day())
        .arg(first.year());
}

QString DayPlannerTitle(QDate day, const std::array<QString, 7> &dayNames,
                        const std::array<QString, 12> &monthNames)
{
    return QStringLiteral("%1, %2 %3, %4")
        .arg(dayNames[SundayFirstIndex(day)], MonthOf(day, monthNames))
        .arg(day.day())
        .arg(day.year());
}

QString WeekPlannerDateLabel(QDate day, const std::array<QString, 12> &monthNames)
{
    return QString::number(day.day()) + u' ' + MonthOf(day, monthNames).left(3);
}

QString PlannerTimeLabel(QTime time)
{
    const QLocale locale = QLocale::system();
    const int hour = time.hour() % 12 == 0 ? 12 : time.hour() % 12;
    const QString marker = time.hour() < 12 ? locale.amText() : locale.pmText();
    return QStringLiteral("%1:%2 %3").arg(hour).arg(time.minute(), 2, 10, QChar(u'0')).arg(marker);
}

int SundayFirstIndex(QDate day)
{
    return day.dayOfWeek() % 7;
}
