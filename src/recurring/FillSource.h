#pragma once

#include "DayFill.h"

#include <QString>

// Where a set's day cells are filled from, named as the command line names
// them: "holidays:CODE" for a holiday set shipped in programFolder (CODE its
// name or country code, letter case ignored, "US" the built-in list), a name
// ending in ".ics" for an iCalendar file (its events expanded into each
// page's days as options say), any other name for a recurring-dates file.
struct TFillRead
{
    TDayFill Fill;
    // Why nothing could be read, in one line; empty when it was.
    QString Error;
};
TFillRead ReadFillSource(const QString &source, const QString &programFolder,
                         const TEventTextOptions &options = {});
