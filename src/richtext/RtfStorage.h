#pragma once

#include <QByteArray>

// The holder of one day cell's rich-text document, kept as its RTF text.
// Assigning copies the document; an empty text is the empty document.
class TWPRtfStorage
{
public:
    const QByteArray &RtfText() const { return m_rtfText; }
    void SetRtfText(const QByteArray &rtfText) { m_rtfText = rtfText; }

    bool IsEmpty() const { return m_rtfText.isEmpty(); }
    void Assign(const TWPRtfStorage &source) { m_rtfText = source.m_rtfText; }

private:
    QByteArray m_rtfText;
};
