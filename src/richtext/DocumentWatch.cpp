#include "DocumentWatch.h"

#include <QTextBlock>

namespace {

bool SameFragments(const QTextBlock &a, const QTextBlock &b)
{
    QTextBlock::iterator left = a.begin();
    QTextBlock::iterator right = b.begin();
    for (; !left.atEnd() && !right.atEnd(); ++left, ++right) {
        const QTextFragment one = left.fragment();
        const QTextFragment other = right.fragment();
        if (one.length() != other.length() || one.charFormat() != other.charFormat() ||
            one.text() != other.text())
            return false;
    }
    return left.atEnd() && right.atEnd();
}

} // namespace

TDocumentWatch::~TDocumentWatch()
{
    QObject::disconnect(m_connection);
}

void TDocumentWatch::Watch(const QTextDocument &document)
{
    QObject::disconnect(m_connection);
    m_source = &document;
    m_changed = false;
    m_connection =
        QObject::connect(&document, &QTextDocument::contentsChanged, [this] { m_changed = true; });
}

bool TDocumentWatch::Unchanged(const QTextDocument &document) const
{
    return !m_changed && !m_source.isNull() && m_source == &document;
}

bool SameContent(const QTextDocument &a, const QTextDocument &b)
{
    if (a.blockCount() != b.blockCount() || a.characterCount() != b.characterCount() ||
        a.defaultFont() != b.defaultFont())
        return false;
    for (QTextBlock left = a.begin(), right = b.begin(); left.isValid();
         left = left.next(), right = right.next()) {
        if (left.blockFormat() != right.blockFormat() || left.charFormat() != right.charFormat() ||
            !SameFragments(left, right))
            return false;
    }
    return true;
}
