#include "RecurringList.h"

#include <algorithm>

TRecurringList::TRecurringList(const QStringList &lines) : m_lines(lines)
{
    std::stable_sort(m_lines.begin(), m_lines.end(), &TRecurringList::Before);
}

bool TRecurringList::Before(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

int TRecurringList::Add(const QString &line)
{
    const auto at = std::upper_bound(m_lines.begin(), m_lines.end(), line, &TRecurringList::Before);
    const int index = int(at - m_lines.begin());
    m_lines.insert(index, line);
    return index;
}

void TRecurringList::RemoveAt(int index)
{
    if (index >= 0 && index < m_lines.size())
        m_lines.removeAt(index);
}

bool TRecurringList::ContainsIgnoringCase(const QString &line) const
{
    return m_lines.contains(line, Qt::CaseInsensitive);
}
