#include "PageInfoJson.h"

#include "CalendarDates.h"
#include "CalendarPage.h"
#include "CalendarPageStyleFields.h"
#include "Component.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextDocument>

#include <array>
#include <type_traits>

namespace {

// The file version the program writes.
constexpr int DocumentVersion = 4;

QJsonObject FontJson(const TFontDesc &font)
{
    return {{"name", font.Name},
            {"size", font.Size},
            {"bold", font.Style.testFlag(TFontStyle::fsBold)},
            {"italic", font.Style.testFlag(TFontStyle::fsItalic)},
            {"underline", font.Style.testFlag(TFontStyle::fsUnderline)},
            {"strikeout", font.Style.testFlag(TFontStyle::fsStrikeOut)},
            {"color", qint64(font.Color)}};
}

// The style block's fields under their property names.
class StyleFieldsJson
{
public:
    QJsonObject Object;

    void operator()(const TStyleField &field, int value) { Insert(field, value); }
    template <typename Enum>
    requires std::is_enum_v<Enum>
    void operator()(const TStyleField &field, Enum value) { Insert(field, int(value)); }
    void operator()(const TStyleField &field, float inches) { Insert(field, double(inches)); }
    void operator()(const TStyleField &field, TColor color) { Insert(field, qint64(color)); }
    void operator()(const TStyleField &field, bool value) { Insert(field, value); }
    void operator()(const TStyleField &field, const TFontDesc &font)
    {
        Insert(field, FontJson(font));
    }
    template <std::size_t Count>
    void operator()(const TStyleField &field, const std::array<QString, Count> &names)
    {
        QJsonArray list;
        for (const QString &name : names)
            list.append(name);
        Insert(field, list);
    }
    template <typename Setter, typename Value>
    void operator()(const TStyleField &field, Setter, const Value &value)
    {
        (*this)(field, value);
    }

private:
    void Insert(const TStyleField &field, const QJsonValue &value)
    {
        Object.insert(QLatin1String(field.Name), value);
    }
};

QJsonObject StyleJson(const TCalendarPage &page)
{
    StyleFieldsJson style;
    page.VisitStyleBlock(style);
    return style.Object;
}

// The day a cell shows: the month grid's day of the main month, the day
// row of a planner as drawn; 0 for a cell of no day.
int DayOfCell(const TCalendarPage &page, int index)
{
    if (page.LayoutKind() == 0)
        return DayInCell(index, page.MainCalMonth(), page.MainCalYear(), page.StartOfWeek());
    return page.CellDay(index);
}

// A cell's text, its paragraphs joined by line feeds; the empty paragraph a
// filled line leaves for the next one is left out.
QString PlainText(const TWPRTFTextPaint &document)
{
    QString text = document.Document().toPlainText();
    while (text.endsWith(u'\n'))
        text.chop(1);
    return text;
}

QJsonArray CellsJson(const TCalendarPage &page)
{
    QJsonArray cells;
    for (int index = 1; index <= CellCount; ++index) {
        const TWPRTFTextPaint *document = page.CellDocument(index);
        if (!document->IsEmpty())
            cells.append(QJsonObject{
                {"index", index}, {"day", DayOfCell(page, index)}, {"text", PlainText(*document)}});
    }
    return cells;
}

QJsonArray ObjectsJson(const TCalendarPage &page, float scale)
{
    QJsonArray list;
    for (const TLumGraphicControl *object : page.Objects().Objects()) {
        const TBounds bounds = object->FrameAt(scale).Bounds;
        list.append(QJsonObject{{"class", object->ClassInfo().ClassName()},
                                {"name", object->Name()},
                                {"left", bounds.Left},
                                {"top", bounds.Top},
                                {"width", bounds.Width},
                                {"height", bounds.Height},
                                {"locked", object->Locked()},
                                {"unselectable", object->Unselectable()}});
    }
    return list;
}

} // namespace

QByteArray PageInfoJson(const TCalendarPage &page, float scale)
{
    const QJsonObject info{
        {"version", DocumentVersion},
        {"style", StyleJson(page)},
        {"borderFile", page.WMFBorderFile()},
        {"mainCalDay", page.MainCalDay()},
        {"mainCalMonth", page.MainCalMonth()},
        {"mainCalYear", page.MainCalYear()},
        {"startOfWeek", page.StartOfWeek()},
        {"plannerStart", page.PlannerStartTime().toString(QStringLiteral("hh:mm"))},
        {"userTitle", page.UserTitle()},
        {"cells", CellsJson(page)},
        {"objects", ObjectsJson(page, scale)},
    };
    return QJsonDocument(info).toJson(QJsonDocument::Compact);
}
