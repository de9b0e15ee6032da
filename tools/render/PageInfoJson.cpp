#include "PageInfoJson.h"

#include "CalendarPage.h"
#include "Component.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextDocument>

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

QJsonArray NamesJson(const TCalendarPage &page, bool months)
{
    QJsonArray names;
    for (int i = 1; i <= (months ? 12 : 7); ++i)
        names.append(months ? page.GetMonthName(i) : page.GetDayName(i));
    return names;
}

QJsonObject StyleJson(const TCalendarPage &page)
{
    return {
        {"PaperSize", page.PaperSize()},
        {"CalendarOrientation", int(page.CalendarOrientation())},
        {"LeftMarginInch", double(page.LeftMarginInch())},
        {"TopMarginInch", double(page.TopMarginInch())},
        {"RightMarginInch", double(page.RightMarginInch())},
        {"BottomMarginInch", double(page.BottomMarginInch())},
        {"CalendarLayout", int(page.CalendarLayout())},
        {"CalendarBorder", int(page.CalendarBorder())},
        {"CalendarLineLayout", int(page.CalendarLineLayout())},
        {"MonthNames", NamesJson(page, true)},
        {"DayNames", NamesJson(page, false)},
        {"TitleBGColor", qint64(page.TitleBGColor())},
        {"TitleFont", FontJson(page.TitleFont())},
        {"TitleShowYear", page.TitleShowYear()},
        {"HeadersFont", FontJson(page.HeadersFont())},
        {"HeadersBorder", int(page.HeadersBorder())},
        {"HeadersStyle", int(page.HeadersStyle())},
        {"HeadersBGColor", qint64(page.HeadersBGColor())},
        {"CellFont", FontJson(page.CellFont())},
        {"CellBorder", int(page.CellBorder())},
        {"MiniCalendarLineLayout", int(page.MiniCalendarLineLayout())},
        {"MiniCalBorder", int(page.MiniCalBorder())},
        {"MiniCalBGColor", qint64(page.MiniCalBGColor())},
        {"MiniShowYear", page.MiniShowYear()},
        {"MiniTitleFont", FontJson(page.MiniTitleFont())},
        {"MiniHeadersFont", FontJson(page.MiniHeadersFont())},
        {"MiniHeadersBGColor", qint64(page.MiniHeadersBGColor())},
        {"MiniHeadersStyle", int(page.MiniHeadersStyle())},
        {"MiniHeadersBorder", int(page.MiniHeadersBorder())},
        {"MiniCellBorder", int(page.MiniCellBorder())},
        {"MiniCellFont", FontJson(page.MiniCellFont())},
        {"NumberPosition", int(page.NumberPosition())},
    };
}

QJsonArray CellsJson(const TCalendarPage &page)
{
    QJsonArray cells;
    for (int index = 1; index <= CellCount; ++index) {
        const TWPRTFTextPaint *document = page.CellDocument(index);
        if (!document->IsEmpty())
            cells.append(
                QJsonObject{{"index", index}, {"text", document->Document().toPlainText()}});
    }
    return cells;
}

QJsonArray ObjectsJson(const TCalendarPage &page)
{
    QJsonArray list;
    for (const TLumGraphicControl *object : page.Objects().Objects())
        list.append(QJsonObject{{"class", object->ClassInfo().ClassName()},
                                {"name", object->Name()},
                                {"left", object->Left()},
                                {"top", object->Top()},
                                {"width", object->Width()},
                                {"height", object->Height()},
                                {"locked", object->Locked()},
                                {"unselectable", object->Unselectable()}});
    return list;
}

} // namespace

QByteArray PageInfoJson(const TCalendarPage &page)
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
        {"objects", ObjectsJson(page)},
    };
    return QJsonDocument(info).toJson(QJsonDocument::Compact);
}
