#include "CalendarTypes.h"

#include <array>

QString CalendarLayoutName(TCalendarLayout layout)
{
    static constexpr std::array<const char *, CalendarLayoutCount> names{
        "loFullCalendar",
        "LOFullCalendarLS",
        "loFCMinisInTitle",
        "loFCMinisInTitleLS",
        "loFC6Before6After",
        "loFC6Before6AfterLS",
        "loFC12After",
        "loFC12AfterLS",
        "lopMC6Month",
        "lopMC6MonthLS",
        "loMC12Month",
        "loMC12MonthLS",
        "loMC24Month",
        "loMC24MonthLS",
        "loMC48Month",
        "loMC48MonthLS",
        "loMC60Month",
        "loMC60MonthLS",
        "loWeek",
        "lo2Week",
        "loDay10",
        "loDay15",
    };
    if (!InEnumRange(layout, loDay15))
        return {};
    return QString::fromLatin1(names[layout]);
}
