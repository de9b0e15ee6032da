#pragma once

#include <QChar>
#include <QDate>
#include <QString>

#include <array>
#include <optional>

// One recurring date is one line of text: the name left-justified in 120
// characters, then the formula left-justified in 10 (130 characters in all).
// The first character of the formula, the line's 121st, is the marker that
// decides the formula's kind:
//
//   "@MMDD"    day DD of month MM ("00" = every month).
//   "$O W M "  occurrence O (0 = 1st ... 4 = 5th, 5 = last) of weekday W
//              (0 = Sunday ... 6 = Saturday, 7 = any day) in month M
//              (0 = every month); each number padded to two characters.
//   "%digits"  every weekday whose digit (1 = Sunday ... 7 = Saturday) occurs.
//   "#KEYWORD" a day computed from Easter: "#EASTER", "#GOODFRIDAY",
//              "#PALMSUNDAY", and "#EASTER+N" / "#EASTER-N" for the day N
//              days after or before Easter Sunday (N up to 999). These lines
//              are stored unpadded and cannot be edited.
//   "&MMDD<W"  weekday W (0 = Sunday ... 6 = Saturday) on or before MM/DD.
//   "&MMDD>W"  weekday W on or after MM/DD.
//   "&MMDD+SU" the day a date is observed on when it falls on a weekend:
//              S days later when MM/DD is a Saturday, U days later when it
//              is a Sunday (one digit each); no day when it falls on a
//              weekday or its shift is 0.
//   "=YYYYMMDD" a dated entry: the one day YYYY-MM-DD (an event that does
//              not repeat). A tenth character gives the days it lasts:
//              "2" to "9", then "A" = 10 ... "Z" = 35.
//
// The "&" kinds, the Easter offsets and the dated entries extend the older
// formulas; a program that knows only the older ones lists such lines and
// puts them on no day. A line shorter than 121 characters has no formula.
//
// A line taken from a calendar may go on after its formula with the date the
// event started, "YYYYMMDD" at positions 131 to 138 (a birthday's year of
// birth); older programs read the first 130 characters only.

inline constexpr int NameWidth = 120;
inline constexpr int FormulaWidth = 10;
// The characters after the name that hold an Easter keyword ("#GOODFRIDAY").
inline constexpr int KeywordWidth = 11;

// text cut to width characters or padded with spaces to width.
QString PadToWidth(const QString &text, int width);

// "@" + month and day in two digits each.
QString MakeDayOfMonthFormula(int day, int month);
// "$" + occurrence, weekday and month, each padded to two characters.
QString MakeSpecialFormula(int occurrence, int weekday, int month);
// "%" + the digit 1 to 7 of each day set, Sunday first.
QString MakeWeekdayFormula(const std::array<bool, 7> &days);
// The entry of a name and a formula: name in 120 characters, formula in 10.
QString MakeEntry(const QString &name, const QString &formula);

struct TDayOfMonth
{
    int Day = 0;
    int Month = 0;
};
struct TSpecialFormula
{
    int Occurrence = 0;
    int Weekday = 0;
    int Month = 0;
};
// Reads the number fields of a "@" or "$" formula (marker first); nothing when
// a field is empty or not a decimal number. Ranges are not checked.
std::optional<TDayOfMonth> ReadDayOfMonthFormula(const QString &formula);
std::optional<TSpecialFormula> ReadSpecialFormula(const QString &formula);

// The ranges of the tables: a field outside them can only come from a
// hand-edited file, and such a formula names no day.
bool InRange(const TDayOfMonth &formula);
bool InRange(const TSpecialFormula &formula);

enum class TAnchorRule { OnOrBefore, OnOrAfter, Observed };
struct TAnchoredFormula
{
    int Month = 1;
    int Day = 1;
    TAnchorRule Rule = TAnchorRule::OnOrBefore;
    // The weekday 0 to 6 of OnOrBefore and OnOrAfter.
    int Weekday = 0;
    // The days an observed date moves by from a Saturday and from a Sunday.
    int SaturdayShift = 0;
    int SundayShift = 0;
};
// "&MMDD<W", "&MMDD>W" or "&MMDD+SU".
QString MakeAnchoredFormula(const TAnchoredFormula &formula);
// Reads a "&" formula; nothing unless every field is present and in range.
std::optional<TAnchoredFormula> ReadAnchoredFormula(const QString &formula);

// The longest dated entry.
inline constexpr int MaxDatedDays = 35;
struct TDatedFormula
{
    QDate Date;
    int Days = 1;
};
// "=YYYYMMDD" and the days' character when it lasts more than one day.
QString MakeDatedFormula(const TDatedFormula &formula);
// Reads a "=" formula; nothing unless the date is a real one and the days
// 1 to MaxDatedDays.
std::optional<TDatedFormula> ReadDatedFormula(const QString &formula);

// The date a line's event started (positions 131 to 138); invalid when the
// line has none.
QDate EntryStart(const QString &line);
// line (name and formula) followed by start.
QString WithEntryStart(const QString &line, const QDate &start);

// The number followed by "st", "nd", "rd" or "th".
QString Ordinal(int number);

// The parts of a line: the 120-character name field, the name without the
// spaces at both ends, the 10-character formula field, the marker (a space
// when the line has no formula) and the Easter keyword (up to 11 characters
// after the name, spaces at both ends removed, upper case).
QString NameField(const QString &line);
QString EntryName(const QString &line);
QString FormulaField(const QString &line);
QChar Marker(const QString &line);
QString EasterKeyword(const QString &line);

// text without the space characters at both ends (other blanks stay).
QString TrimSpaces(const QString &text);
