#pragma once

#include <QStringList>

// The 26 holidays the program has always offered, each a complete line: the
// name in 120 characters, then the formula padded to 10 characters, except
// the three Easter lines, whose formula stands unpadded. In the order of the
// sorted list that shows them.
QStringList BuiltInHolidays();
