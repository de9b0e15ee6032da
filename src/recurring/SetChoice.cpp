#include "SetChoice.h"

#include "RecurringFile.h"

#include <QCoreApplication>
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

TPagePicturesRead PicturesOfChoice(const TSetChoice &choice)
{
    if (!choice.PictureOrder.isEmpty())
        return {choice.PictureOrder.mid(0, MaxSetPages), {}};
    if (choice.Pictures.isEmpty())
        return {};
    return ReadPagePictures(choice.Pictures);
}

QStringList SetPageNames(QDate start, int count, bool cover, TSetUnit unit, bool twoWeeks,
                         const QLocale &locale)
{
    QStringList names;
    if (count < 1 || !start.isValid())
        return names;
    if (cover)
        names.append(QCoreApplication::translate("SetChoice", "Cover"));
    if (unit == TSetUnit::Month)
        start = QDate(start.year(), start.month(), 1);
    const int stepDays = unit == TSetUnit::Day ? 1 : (twoWeeks ? 14 : 7);
    for (int index = 0; names.size() < count; ++index) {
        const QDate date = unit == TSetUnit::Month ? start.addMonths(index)
                                                   : start.addDays(qint64(index) * stepDays);
        if (date.year() > 9999)
            break;
        names.append(locale.toString(date, unit == TSetUnit::Month ? u"MMMM yyyy" : u"d MMM yyyy"));
    }
    return names;
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
