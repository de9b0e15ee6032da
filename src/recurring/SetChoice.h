#pragma once

#include "CalendarSet.h"
#include "HolidaySets.h"
#include "PagePictures.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class QLocale;

// Where a set's day cells are filled from.
enum class TFillKind { None, RecurringDates, HolidaySet, ICalendar };

// The largest set offered: ten years of days.
constexpr int MaxSetPages = 3660;

// What the PDF export and printing make: the page alone, or Count periods
// from Start, with the days filled or not.
struct TSetChoice
{
    // False for the document's page alone.
    bool WholeSet = false;
    QDate Start;
    int Count = 12;
    TFillKind Fill = TFillKind::None;
    // The holiday set's name, or the iCalendar file's.
    QString FillName;
    // Yearly events of an iCalendar file show the years since they began.
    bool ShowAges = false;
    // The folder whose pictures the set's pages show one a page, or a list
    // file naming them; empty for none.
    QString Pictures;
    // The set starts with the document's cover (StoredSet.h): Count pages,
    // the cover and Count - 1 periods after it. The cover takes the first
    // picture, the periods the next ones.
    bool Cover = false;
    // The pictures in the order the user arranged them, taken, left out or
    // added to; empty for the source's own order (Pictures).
    QStringList PictureOrder;
};

// The periods a set of choice's pages holds: Count, less the cover; at
// least one.
int PeriodsOf(const TSetChoice &choice);

// The document's page as it stands: one page, nothing filled in.
bool IsPageAlone(const TSetChoice &choice);

// The source ReadFillSource reads for choice; empty when nothing is filled.
QString FillSourceOf(const TSetChoice &choice);

// The pictures the pages of choice show in page order: its arranged order,
// else those of its source (ReadPagePictures); none when it names none.
TPagePicturesRead PicturesOfChoice(const TSetChoice &choice);

// What each of the count pages of a set from start shows, in locale's words:
// the cover first when cover is set, then the periods of unit (every two
// weeks for twoWeeks) from the one holding start.
QStringList SetPageNames(QDate start, int count, bool cover, TSetUnit unit, bool twoWeeks,
                         const QLocale &locale);

// The pages a set offers first: a year of the unit's periods (twelve months,
// 52 weeks, 26 fortnights, 365 days).
int PagesInYear(TSetUnit unit, bool twoWeeks);

// The holiday set offered first: the one named after locale's country when
// it is shipped, else the first of sets (the built-in list).
QString PreferredHolidaySet(const QList<THolidaySet> &sets, const QLocale &locale);
