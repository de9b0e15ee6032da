#pragma once

#include "RtfDocument.h"

#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFormat>

// What the rich-text tests read back out of a document.

// The text of each paragraph.
inline QStringList Paragraphs(const TWPRTFTextPaint &document)
{
    QStringList paragraphs;
    for (QTextBlock block = document.Document().begin(); block.isValid(); block = block.next())
        paragraphs.append(block.text());
    return paragraphs;
}

// The formats of the embedded pictures, in document order.
inline QList<QTextImageFormat> Pictures(const TWPRTFTextPaint &document)
{
    QList<QTextImageFormat> pictures;
    for (QTextBlock block = document.Document().begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                pictures.append(it.fragment().charFormat().toImageFormat());
    return pictures;
}
