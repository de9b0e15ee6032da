#pragma once

#include "CharAttributes.h"
#include "RecurringResolve.h"

#include <QList>
#include <QString>
#include <QStringList>

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

// Appends each line, in the order given, as a line of its own to the cell of
// its day (1 to 31) of the page's month. A cell is edited where it is, once
// with all its lines. Lines of a day no cell shows put nothing. The
// number of lines put.
int AppendLinesToDays(TCalendarPage &page, const QList<TDayLine> &lines,
                      const TDefaultFont &defaultFont);
