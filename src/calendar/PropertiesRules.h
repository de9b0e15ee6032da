#pragma once

#include "CalendarTypes.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

// The rules of the calendar properties dialog that need no window: how its
// lists map to page values, which controls a layout enables, and the texts
// it shows.

// The layout list offers 13 entries: nine that come in portrait and
// landscape, then the four planners, which are portrait only.
inline constexpr int LayoutListCount = 13;

// The layout for a list entry and an orientation choice (0 portrait,
// 1 landscape); the orientation is ignored for the planners. An index outside
// the list counts as the nearest entry.
TCalendarLayout LayoutFromChoice(int listIndex, int orientationIndex);
// The list entry and orientation choice that show layout.
int LayoutListIndex(TCalendarLayout layout);
int OrientationIndex(TCalendarLayout layout);
bool IsPlannerLayout(TCalendarLayout layout);

// The margin lists: entry i stands for 0.25 x (i + 1) inch; a margin that is
// no entry shows the entry of the quarter inch below it (the first for
// anything under half an inch, the last from 1.5 inch on).
inline constexpr int MarginEntryCount = 6;
float MarginFromIndex(int index);
int MarginIndex(float inches);
QStringList InchMarginItems();
QStringList MillimetreMarginItems();

// Which controls the page's layout and layout kind leave enabled.
struct TEnabledControls
{
    bool Orientation = false;  // rOrientation
    bool WeekStart = false;    // WeekStartsOn
    bool MonthGrid = false;    // title year, title colour, number font, line style
    bool Headers = false;      // title and header fonts, header colour and style
    bool Minis = false;        // every mini control
    bool StartingTime = false; // StartingtimeButton
};
TEnabledControls EnabledControls(TCalendarLayout layout, int layoutKind);

// The date page's title: a starting date for the planners, else a month.
QString SelectDateCaption(TCalendarLayout layout);
// DateLabel: the locale's long date for a planner, else "January 1998".
QString DateLabelText(QDate date, bool planner);

// Time texts as the planner page shows them: the locale's short time format,
// and a reader that also takes the usual hour and minute forms. Invalid for
// text that is no time.
QString ShortTimeText(QTime time);
QTime ParseTimeText(const QString &text);

// The preview's zoom as ZoomLabel shows it: "30%".
QString ZoomText(float scale);
// The zoom after one click of a zoom button; unchanged at the limit.
float ZoomedIn(float scale);
float ZoomedOut(float scale);

// Whether a chosen file name ends in ".DWS", in any letter case.
bool IsStyleSheetName(const QString &fileName);

// The help topic of a notebook page.
int HelpContextOfPage(int page);

// The lines of a text box as it counts them: a final line break does not
// start another line.
QStringList MemoLines(const QString &text);

// What the page's frame was when the dialog opened, so OK can tell whether
// placed objects will need to be moved.
struct TPageFrame
{
    float Margins[4] = {};
    QString BorderName;
    TCalendarLayout Layout = loFullCalendar;
    int PaperSize = 0;
    TCalendarOrientation Orientation = coPortrait;
};
// True when a margin, the layout, the paper or the orientation differs, or a
// border came or went; one border exchanged for another does not count.
bool FrameMovesObjects(const TPageFrame &before, const TPageFrame &after);
