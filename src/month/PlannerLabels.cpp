#include "PlannerLabels.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

QString MonthOf(QDate day, const std::array<QString, 12> &monthNames)
{
    return monthNames[day.month() - 1];
}

} // namespace

QString WeekPlannerTitle(QDate first, QDate last, const std::array<QString, 12> &monthNames)
{
    // The names and numbers go in at once, so that a name holding "%2" stays
    // as it is.
    const QString firstMonth = MonthOf(first, monthNames);
    const QString lastMonth = MonthOf(last, monthNames);
    const QString firstDay = QString::number(first.day());
    const QString lastDay = QString::number(last.day());
    if (first.year() != last.year())
        return QCoreApplication::translate("PlannerLabels", "%1 %2, %3 - %4 %5, %6",
                                           "first month, day, year - last month, day, year")
            .arg(firstMonth, firstDay, QString::number(first.year()), lastMonth, lastDay,
                 QString::number(last.year()));
    if (first.month() != last.month())
        return QCoreApplication::translate("PlannerLabels", "%1 %2 - %3 %4, %5",
                                           "first month, day - last month, day, year")
            .arg(firstMonth, firstDay, lastMonth, lastDay, QString::number(first.year()));
    return QCoreApplication::translate("PlannerLabels", "%1 %2-%3, %4",
                                       "month, first day-last day, year")
        .arg(firstMonth, firstDay, lastDay, QString::number(first.year()));
}

QString DayPlannerTitle(QDate day, const std::array<QString, 7> &dayNames,
                        const std::array<QString, 12> &monthNames)
{
    return QCoreApplication::translate("PlannerLabels", "%1, %2 %3, %4", "weekday, month day, year")
        .arg(dayNames[SundayFirstIndex(day)], MonthOf(day, monthNames), QString::number(day.day()),
             QString::number(day.year()));
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
