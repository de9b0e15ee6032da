#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QTextDocument>

// Tells whether a document is still the one looked at last, unchanged, so
// that what was made from it (a layout, a painted picture) can be kept.
class TDocumentWatch
{
public:
    TDocumentWatch() = default;
    ~TDocumentWatch();
    TDocumentWatch(const TDocumentWatch &) = delete;
    TDocumentWatch &operator=(const TDocumentWatch &) = delete;

    // Watches document from now on, counting it unchanged.
    void Watch(const QTextDocument &document);
    // True while document is the one watched and has not changed since.
    bool Unchanged(const QTextDocument &document) const;

private:
    QPointer<const QTextDocument> m_source;
    QMetaObject::Connection m_connection;
    bool m_changed = false;
};

// True when a and b hold the same text in the same formats with the same
// default font, so that they lay out and paint alike.
bool SameContent(const QTextDocument &a, const QTextDocument &b);
