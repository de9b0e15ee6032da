#pragma once

#include "Rect.h"

#include <QString>

// The page's enumerations, stored in files by their ordinal numbers. Each has
// int as its underlying type, so a stray number read from a file is a value
// the setters can test and refuse rather than undefined behaviour.

enum TCalendarLayout : int {
    loFullCalendar,
    LOFullCalendarLS,
    loFCMinisInTitle,
    loFCMinisInTitleLS,
    loFC6Before6After,
    loFC6Before6AfterLS,
    loFC12After,
    loFC12AfterLS,
    lopMC6Month,
    lopMC6MonthLS,
    loMC12Month,
    loMC12MonthLS,
    loMC24Month,
    loMC24MonthLS,
    loMC48Month,
    loMC48MonthLS,
    loMC60Month,
    loMC60MonthLS,
    loWeek,
    lo2Week,
    loDay10,
    loDay15,
};
inline constexpr int CalendarLayoutCount = loDay15 + 1;

enum TCalendarOrientation : int { coPortrait, coLandscape };
enum TCalendarLineLayout : int { llFull, llHeadersAndCells, llCellsOnly };
enum TMiniCalendarLineLayout : int { mllFull, mllBoxed, mllMinimal };
enum TCalBorderStyle : int { cbNone, cbAll, cbTop, cbBottom, cbTopBottom };
enum TCalHeadersStyle : int { dsFirstChar, dsThreeChars, dsWhole };
enum TCalendarNumberPosition : int { cnpCenter, cnpUpperRight };
// How the week numbers are counted: not shown, ISO 8601 or the US way.
enum TWeekNumbers : int { wnNone, wnIso, wnUs };
enum TLPanelState : int { psPointing, psLabel, psImage, psRichLabel, psSuperText, psFlatCalendar };

// Whether value is one of the enumeration's values: setters ignore any other.
template <typename Enum> constexpr bool InEnumRange(Enum value, Enum last)
{
    return int(value) >= 0 && int(value) <= int(last);
}

// The layout's own name as the enumeration spells it ("loFCMinisInTitleLS"),
// empty for a value outside the enumeration.
QString CalendarLayoutName(TCalendarLayout layout);

// One day cell: its rectangle as drawn, the day shown in it (0 for none) and
// the part of it that takes the cell's rich text (all zeros for none).
struct TCellGeometry
{
    TRect rTotal;
    int iDay = 0;
    TRect rFree;
};

// One row's week number as drawn left of the day cells: its rectangle and
// the number, 0 for a row that holds no day of the month.
struct TWeekCell
{
    TRect Rect;
    int Number = 0;
};

// A month of a year, as a mini calendar shows it.
struct TMonthYear
{
    int Month = 1;
    int Year = 1997;

    friend bool operator==(const TMonthYear &, const TMonthYear &) = default;
};

inline constexpr int CellCount = 42;
// The widest margin a page takes, in inches.
inline constexpr int MaxMarginInch = 12;
inline constexpr int MaxMinis = 60;
