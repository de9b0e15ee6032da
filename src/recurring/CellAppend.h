#pragma once

#include "CharAttributes.h"
#include "RecurringResolve.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class TCalendarPage;
class TWPRTFTextPaint;

// The attributes of the default editor font for document, given those
// current at its end (the font may be added to the document's font list).
using TDefaultFont =
    std::function<TWPCharAttr(TWPRTFTextPaint &document, const TWPCharAttr &current)>;

// Appends each of texts, in order, to document as a line of its own, in the
// order the cell editor appends one line: the attributes current at the end
// are taken; an empty document first gets the default editor font, any other
// a new paragraph; the text is inserted with those attributes and a new
// paragraph started after it.
void AppendLines(TWPRTFTextPaint &document, const QStringList &texts,
                 const TDefaultFont &defaultFont);

// The most lines one fill puts into a cell. A list can put thousands on one
// day, which no cell shows and which would take minutes and gigabytes to lay
// out; the rest are summed up in one line more, "+ N more".
inline constexpr int MaxFilledLines = 50;

// What a fill puts into the cell of one day: the texts of its first
// MaxFilledLines lines in their order, and how many more there were.
struct TCellFill
{
    QStringList Texts;
    int More = 0;

    void Add(const QString &text);
    bool IsEmpty() const { return Texts.isEmpty(); }
    // The lines put: the texts, and "+ N more" when there were more.
    QStringList Lines() const;
};

// A month's fill by day, 1 to 31 (index 0 is never filled).
using TMonthFill = std::array<TCellFill, 32>;

// The fill of each day of month of year from recurring-date lines, in the
// order of the lines; each line is resolved once, so the time grows with
// the lines and their days only.
TMonthFill MonthFill(const QStringList &lines, int month, int year);
// The fill of lines already resolved to days; days outside 1 to 31 put
// nothing.
TMonthFill MonthFill(const QList<TDayLine> &lines);

// Appends a day's fill to document, each line as a line of its own.
void AppendFill(TWPRTFTextPaint &document, const TCellFill &fill, const TDefaultFont &defaultFont);

// Appends each line, in the order given, as a line of its own to the cell of
// its day (1 to 31) of the page's month, at most MaxFilledLines to a cell
// (see TCellFill). A cell is edited where it is, once with all its lines.
// Lines of a day no cell shows put nothing. The number of lines put.
int AppendLinesToDays(TCalendarPage &page, const QList<TDayLine> &lines,
                      const TDefaultFont &defaultFont);
