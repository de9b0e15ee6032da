#include "CellAppend.h"

#include "CalendarPage.h"
#include "RtfDocument.h"
#include "RtfStorage.h"

#include <QTextCursor>

#include <map>
#include <optional>
#include <utility>

namespace {

constexpr int LongestMonth = 31;

} // namespace

void AppendLines(TWPRTFTextPaint &document, const QStringList &texts,
                 const TDefaultFont &defaultFont)
{
    QTextCursor cursor(&document.Document());
    // One edit: the document is laid out once, not after every insertion.
    cursor.beginEditBlock();
    MoveCaretToEnd(cursor);
    // The format of the attributes last inserted: lines mostly take the
    // same ones, and building a format costs more than inserting it.
    std::optional<std::pair<TWPCharAttr, QTextCharFormat>> last;
    for (const QString &text : texts) {
        TWPCharAttr attr = CharAttrAt(document, cursor);
        if (document.IsEmpty()) {
            if (defaultFont)
                ApplyCharAttr(document, cursor, defaultFont(document, attr));
            attr = CharAttrAt(document, cursor);
            last.reset(); // the default font may have grown the font list
        } else {
            InsertParagraph(cursor);
        }
        if (!last || last->first != attr)
            last.emplace(attr, CharFormatOf(document, attr));
        cursor.insertText(text, last->second);
        InsertParagraph(cursor);
    }
    cursor.endEditBlock();
}

int AppendLinesToDays(TCalendarPage &page, const QList<TDayLine> &lines,
                      const TDefaultFont &defaultFont)
{
    // The lines of each cell, in their order.
    std::map<int, QStringList> cells;
    for (const TDayLine &line : lines) {
        // Day 0 is what blank cells hold: it must never find one.
        if (line.Day < 1 || line.Day > LongestMonth)
            continue;
        const int index = page.CellOfDay(line.Day);
        if (index >= 1)
            cells[index].append(line.Text);
    }
    int put = 0;
    for (const auto &[index, texts] : cells) {
        page.EditCellText(
            index, [&](TWPRTFTextPaint &document) { AppendLines(document, texts, defaultFont); });
        put += int(texts.size());
    }
    return put;
}
