#include "CellAppend.h"

#include "CalendarPage.h"
#include "RtfDocument.h"
#include "RtfStorage.h"

#include <QCoreApplication>
#include <QTextCursor>

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

void TCellFill::Add(const QString &text)
{
    if (Texts.size() < MaxFilledLines)
        Texts.append(text);
    else
        ++More;
}

QStringList TCellFill::Lines() const
{
    if (More == 0)
        return Texts;
    return Texts +
           QStringList{QCoreApplication::translate("CellAppend", "+ %n more", nullptr, More)};
}

TMonthFill MonthFill(const QStringList &lines, int month, int year)
{
    TMonthFill fill;
    for (const QString &line : lines) {
        const QList<int> days = ResolveDays(line, month, year);
        if (days.isEmpty())
            continue;
        const QString text = FillText(line);
        for (const int day : days) {
            if (day >= 1 && day <= LongestMonth)
                fill[size_t(day)].Add(text);
        }
    }
    return fill;
}

TMonthFill MonthFill(const QList<TDayLine> &lines)
{
    TMonthFill fill;
    for (const TDayLine &line : lines) {
        // Day 0 is what blank cells hold: it must never find one.
        if (line.Day >= 1 && line.Day <= LongestMonth)
            fill[size_t(line.Day)].Add(line.Text);
    }
    return fill;
}

void AppendFill(TWPRTFTextPaint &document, const TCellFill &fill, const TDefaultFont &defaultFont)
{
    AppendLines(document, fill.Lines(), defaultFont);
}

int AppendLinesToDays(TCalendarPage &page, const QList<TDayLine> &lines,
                      const TDefaultFont &defaultFont)
{
    const TMonthFill fill = MonthFill(lines);
    int put = 0;
    for (int day = 1; day <= LongestMonth; ++day) {
        const int index = page.CellOfDay(day);
        const TCellFill &cell = fill[size_t(day)];
        if (index < 1 || cell.IsEmpty())
            continue;
        page.EditCellText(
            index, [&](TWPRTFTextPaint &document) { AppendFill(document, cell, defaultFont); });
        put += int(cell.Texts.size()) + cell.More;
    }
    return put;
}
