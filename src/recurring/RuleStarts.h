#pragma once

#include "ICalendarLibrary.h"

#include <QByteArray>
#include <QDate>
#include <QHash>

#include <utility>
#include <vector>

// What the starts of rule from start depend on besides the dates looked at,
// when the day start falls on does not matter (see TEventRule); empty when it
// does.
QByteArray RuleShape(const icalrecurrencetype &rule, const icaltimetype &start);

// The starts one RRULE gives on a span of dates, as libical expands it.
// libical builds a calendar for every iterator, which costs more than all
// else an event's expansion does, so rules are passed over where it is
// cheap to tell they cannot fall on the dates, and rules that expand alike
// are expanded once for all the events holding them.
class TRuleStarts
{
public:
    // The starts, in order, of rule repeating an event that starts at start,
    // whose dates lie from first to last. Valid until the next call.
    const std::vector<icaltimetype> &Starts(const TEventRule &rule, const icaltimetype &start,
                                            QDate first, QDate last);

private:
    // By shape and the Julian days of first and last.
    using TKey = std::pair<QByteArray, std::pair<qint64, qint64>>;
    QHash<TKey, std::vector<icaltimetype>> m_shared;
    std::vector<icaltimetype> m_own;
};
