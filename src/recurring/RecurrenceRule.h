#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// An iCalendar recurrence rule ("RRULE") as far as recurring-date formulas
// can follow it.
struct TRecurrenceRule
{
    // "YEARLY", "MONTHLY", "WEEKLY", "DAILY" or whatever else the rule says.
    QString Frequency;
    int Interval = 1;
    // The rule has a COUNT or an UNTIL.
    bool Ends = false;
    QList<int> ByMonth;
    QList<int> ByMonthDay;
    QList<int> BySetPos;
    // An ordinal (0 for none, 1 to 53 or -53 to -1) and a weekday, 0 Sunday
    // to 6 Saturday.
    QList<std::pair<int, int>> ByDay;
    // The parts no formula can follow (BYWEEKNO, BYYEARDAY, BYHOUR ...).
    QStringList Unknown;
};

// The formulas that together give the days of rule, whose first occurrence is
// start; when it cannot be followed exactly, no formulas and why. A rule
// giving more than MaxRuleFormulas formulas is not followed either.
inline constexpr int MaxRuleFormulas = 31;
struct TRuleFormulas
{
    QStringList Formulas;
    QString Unsupported;
};
TRuleFormulas FormulasOfRule(const TRecurrenceRule &rule, const QDate &start);
