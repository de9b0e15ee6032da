#pragma once

#include "CalendarTypes.h"
#include "Color.h"
#include "FontDesc.h"

#include <QString>
#include <QStringList>

// What a floating mini calendar shows and how it looks: every property it
// publishes beyond the placed-object base, as one value the object, its
// properties dialog and the drawing share.

// The lines of a box: none, all four sides, the top, the bottom, or both.
enum TFlatCalBorderStyle : int { fcbNone, fcbAll, fcbTop, fcbBottom, fcbTopBottom };
// Weekday names by their first character, first three characters or whole.
enum TFlatCalHeadersStyle : int { fdsFirstChar, fdsThreeChars, fdsWhole };
// The corner of the object the shadow falls to.
enum TFlatShadowPosition : int { fcpLowerRight, fcpLowerLeft, fcpUpperRight, fcpUpperLeft };
enum TFlatCalLanguage : int { fclEnglish, fclGerman, fclFrench, fclItalian, fclSpanish };
// The first day of the week: 1 Sunday, 2 Monday (the only two accepted).
using TFCDayOfWeek = int;

// The identifiers the enumerations are written as, in ordinal order.
const QStringList &FlatCalBorderStyleNames();
const QStringList &FlatCalHeadersStyleNames();
const QStringList &FlatShadowPositionNames();
const QStringList &FlatCalLanguageNames();
const QStringList &WeekNumbersNames();

// The deepest shadow, in pixels at zoom 1.
inline constexpr int MaxShadowDepth = 10;

struct TFlatCalendarLook
{
    TFCDayOfWeek StartOfWeek = 1;
    int Month = 1;
    int Year = 2000;
    TFontDesc TitleFont{QStringLiteral("Arial"), 8, {}, clWindowText};
    TFontDesc DayNameFont{QStringLiteral("Arial"), 8, {}, clWindowText};
    TFontDesc CellFont{QStringLiteral("Arial"), 7, {}, clWindowText};
    bool ShowYear = false;
    TColor DayNameBGColor = clWhite;
    TFlatCalBorderStyle CalendarBorderStyle = fcbAll;
    TFlatCalBorderStyle DayNameBorderStyle = fcbAll;
    TFlatCalBorderStyle CellBorderStyle = fcbNone;
    TFlatCalHeadersStyle DayNameStyle = fdsFirstChar;
    TColor TitleBGcolor = clWhite;
    TColor Backgroundcolor = clWhite;
    TColor ShadowColor = clBlack;
    int ShadowDepth = 0;
    TFlatShadowPosition ShadowPosition = fcpLowerRight;
    TFlatCalLanguage Language = fclEnglish;
    bool CalTransparent = false;
    TWeekNumbers WeekNumbers = wnNone;

    friend bool operator==(const TFlatCalendarLook &, const TFlatCalendarLook &) = default;
};

// The month's name in language; empty for a month outside 1 to 12.
QString FlatMonthName(TFlatCalLanguage language, int month);
// The weekday's whole name in language, weekday 1 Sunday to 7 Saturday.
QString FlatDayName(TFlatCalLanguage language, int weekday);
// The weekday's name as the weekday row shows it.
QString FlatDayHeader(TFlatCalLanguage language, int weekday, TFlatCalHeadersStyle style);
