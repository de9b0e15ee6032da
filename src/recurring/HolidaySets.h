#pragma once

#include "RecurringFile.h"

#include <QList>
#include <QString>

// The holidays the "Holidays" dialog offers: the built-in list of the United
// States, then each set shipped beside the program as a recurring-dates file
// "Holidays/<name>.dax" (the lines in the same format).
struct THolidaySet
{
    QString Name;
    // The set's file; empty for the built-in list.
    QString FileName;
};

// The name of the built-in list.
QString BuiltInHolidaySetName();

// The built-in list first, then the files of "Holidays" in folder (its name
// matched without regard to letter case), sorted by name.
QList<THolidaySet> HolidaySets(const QString &folder);

// The lines of a set: the built-in list, or its file's lines without empty
// ones, sorted as the dialog shows them.
TRecurringRead HolidaySetLines(const THolidaySet &set);
