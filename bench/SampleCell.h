#pragma once

#include "CharAttributes.h"
#include "RtfDocument.h"

#include <QTextCursor>

// One day cell as benchmarks fill it: three short paragraphs in two faces,
// sizes and styles.
inline void FillSampleCell(TWPRTFTextPaint &document)
{
    const int times = document.FontIndex(QStringLiteral("Times New Roman"));
    QTextCursor cursor(&document.Document());
    InsertCharAttrText(document, cursor, QStringLiteral("Garden club "), {0, 10, 0, 0});
    InsertCharAttrText(document, cursor, QStringLiteral("town hall"), {times, 12, wpsBold, 1});
    InsertParagraph(cursor);
    InsertCharAttrText(document, cursor, QStringLiteral("Bring seeds"), {0, 9, wpsItalic, 3});
    InsertParagraph(cursor);
    InsertCharAttrText(document, cursor, QStringLiteral("Dinner at eight"), {times, 14, 0, 0});
}
