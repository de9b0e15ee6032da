#pragma once

#include "RecurringFile.h"

#include <QString>

// The recurring-date lines a set's day cells are filled from, named as the
// command line names them: "holidays:CODE" for a holiday set shipped in
// programFolder (CODE its name or country code, letter case ignored, "US"
// the built-in list), a name ending in ".ics" for an iCalendar file, any
// other name for a recurring-dates file. Error says in one line why nothing
// could be read.
TRecurringRead ReadFillSource(const QString &source, const QString &programFolder);
