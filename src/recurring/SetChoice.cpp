#include "SetChoice.h"

#include "RecurringFile.h"

#include <QLocale>

#include <algorithm>

bool IsPageAlone(const TSetChoice &choice)
{
    return !choice.WholeSet && choice.Fill == TFillKind::None;
}

QString FillSourceOf(const TSetChoice &choice)
{
    switch (choice.Fill) {
    case TFillKind::None:
        return {};
    case TFillKind::RecurringDates:
        return RecurringFilePath();
    case TFillKind::HolidaySet:
        return QStringLiteral("holidays:") + choice.FillName;
    case TFillKind::ICalendar:
        return choice.FillName;
    }
    return {};
}

int PeriodsOf(const TSetChoice &choice)
{
    return std::max(1, choice.Count - (choice.Cover ? 1 : 0));
}

int PagesInYear(TSetUnit unit, bool twoWeeks)
{
    switch (unit) {
    case TSetUnit::Month:
        return 12;
    case TSetUnit::Week:
        return twoWeeks ? 26 : 52;
    case TSetUnit::Day:
        return 365;
    }
    return 12;
}

QString PreferredHolidaySet(const QList<THolidaySet> &sets, const QLocale &locale)
{
    if (sets.isEmpty())
        return {};
    const QString country = QLocale::territoryToString(locale.territory());
    for (const THolidaySet &set : sets) {
        if (set.Name.compare(country, Qt::CaseInsensitive) == 0)
            return set.Name;
    }
    return sets.first().Name;
}
