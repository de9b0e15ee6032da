#include "CellAppend.h"

#include "CalendarPage.h"
#include "RtfDocument.h"
#include "RtfStorage.h"

#include <QTextCursor>

#include <map>

namespace {

constexpr int LongestMonth = 31;

} // namespace

void AppendLine(TWPRTFTextPaint &document, const QString &text, const TDefaultFont &defaultFont)
{
    QTextCursor cursor(&document.Document());
    // One edit: the document is laid out once, not after every insertion.
    cursor.beginEditBlock();
    MoveCaretToEnd(cursor);
    TWPCharAttr attr = CharAttrAt(document, cursor);
    if (document.IsEmpty()) {
        if (defaultFont)
            ApplyCharAttr(document, cursor, defaultFont(document, attr));
        attr = CharAttrAt(document, cursor);
    } else {
        InsertParagraph(cursor);
    }
    InsertCharAttrText(document, cursor, text, attr);
    InsertParagraph(cursor);
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
        TWPRtfStorage cell;
        page.GetCellText(index, cell);
        for (const QString &text : texts)
            AppendLine(cell.RtfText(), text, defaultFont);
        page.SetCellText(index, cell);
        put += int(texts.size());
    }
    return put;
}
