#pragma once

#include <QString>
#include <QStringList>

// The lines of the recurring-dates editor, kept sorted by their text with
// letter case ignored (equal lines in the order they came).
class TRecurringList
{
public:
    TRecurringList() = default;
    explicit TRecurringList(const QStringList &lines);

    const QStringList &Lines() const { return m_lines; }
    int Count() const { return int(m_lines.size()); }
    const QString &At(int index) const { return m_lines.at(index); }

    // Inserts line in sort order; its index.
    int Add(const QString &line);
    void RemoveAt(int index);
    // Whether a line of the same text, letter case ignored, is in the list.
    bool ContainsIgnoringCase(const QString &line) const;

    // The sort order: the texts compared with letter case ignored.
    static bool Before(const QString &a, const QString &b);

private:
    QStringList m_lines;
};
