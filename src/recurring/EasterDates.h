#pragma once

#include <QDate>
#include <QString>

// Easter Sunday of year by the arithmetic the recurring dates have always
// used: the Western date for 1900 to 2099, applied unchanged to every other
// year (it gives March 27 for 2100).
QDate EasterSunday(int year);
// The last Friday and the last Sunday before Easter Sunday.
QDate GoodFriday(int year);
QDate PalmSunday(int year);

// Whether keyword (upper case, without spaces) names a day from Easter:
// "#EASTER", "#GOODFRIDAY", "#PALMSUNDAY", or "#EASTER+N" / "#EASTER-N" with
// N of one to three digits.
bool IsEasterKeyword(const QString &keyword);
// The date an Easter keyword names in year; invalid for any other keyword.
QDate EasterFeast(const QString &keyword, int year);
