#include "CalendarDates.h"
#include "CalendarPage.h"
#include "CalendarPageStyleFields.h"
#include "ComponentStream.h"
#include "DecodedPicture.h"
#include "LumLabelObjectFiler.h"
#include "Numbers.h"
#include "RegularFile.h"
#include "SaveFiles.h"
#include "StreamWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QIODevice>

#include <algorithm>
#include <array>
#include <limits>
#include <type_traits>

namespace {

constexpr int FileVersion = 4;
constexpr int OldestVersion = 1;
constexpr int DocumentKind = 1;
constexpr int StyleSheetKind = 2;

const QString CellClassName = QStringLiteral("TWPRtfStorage");
const QString CellTextEntry = QStringLiteral("RtfText.Data");
const QString WeekNumbersEntry = QStringLiteral("WeekNumbers");

// Files larger than these are refused before they are read. A document's
// pictures take at most 256 MB decoded, its text and objects far less; a
// style sheet is a few hundred bytes of names and fonts.
constexpr qint64 MaxDocumentBytes = qint64(1) << 30;
constexpr qint64 MaxStyleSheetBytes = qint64(16) << 20;

// Face names longer than this are cut when read.
constexpr int MaxFaceName = 255;
// Largest values a page can hold: a font size in points, a margin in
// hundredths of an inch (the long side of A4 is 11.69 inches), a year.
constexpr int MaxFontSize = 1638;
constexpr int MaxMarginHundredths = MaxMarginInch * 100;
constexpr int MaxYear = 9999;
// Objects read are named "Component0" to "Component1000".

constexpr int LowestInt = std::numeric_limits<int>::min();
constexpr int HighestInt = std::numeric_limits<int>::max();

// At most MaxFaceName characters, a surrogate pair never cut in two.
QString FaceName(const QString &name)
{
    if (name.size() <= MaxFaceName)
        return name;
    return name.left(name[MaxFaceName - 1].isHighSurrogate() ? MaxFaceName - 1 : MaxFaceName);
}

// Writes the style block's fields, each in its form.
class StyleWriter
{
public:
    explicit StyleWriter(TStreamWriter &out) : m_out(out) {}

    void operator()(const TStyleField &, int value) { m_out.WriteInteger(value); }
    template <typename Enum>
    requires std::is_enum_v<Enum>
    void operator()(const TStyleField &, Enum value) { m_out.WriteInteger(int(value)); }
    // Margins, the block's only float fields, in hundredths of an inch; the
    // small addition keeps values such as 0.29, which single precision holds
    // as 0.2899999, at their hundredth.
    void operator()(const TStyleField &, float inches)
    {
        m_out.WriteInteger(Trunc(double(inches) * 100.0 + 1e-4));
    }
    void operator()(const TStyleField &, TColor color) { m_out.WriteInteger(qint32(color)); }
    void operator()(const TStyleField &, bool value) { m_out.WriteBoolean(value); }
    template <std::size_t Count>
    void operator()(const TStyleField &, const std::array<QString, Count> &names)
    {
        for (const QString &name : names)
            m_out.WriteString(name);
    }
    template <typename Setter, typename Value>
    void operator()(const TStyleField &field, Setter, const Value &value)
    {
        (*this)(field, value);
    }
    void operator()(const TStyleField &, const TFontDesc &font)
    {
        m_out.WriteString(font.Name);
        m_out.WriteInteger(font.Size);
        m_out.WriteBoolean(font.Style.testFlag(TFontStyle::fsBold));
        m_out.WriteBoolean(font.Style.testFlag(TFontStyle::fsItalic));
        m_out.WriteBoolean(font.Style.testFlag(TFontStyle::fsUnderline));
        m_out.WriteBoolean(font.Style.testFlag(TFontStyle::fsStrikeOut));
        m_out.WriteInteger(qint32(font.Color));
    }

private:
    TStreamWriter &m_out;
};

// Reads values into the page's fields. A value of the wrong type or outside
// what the field can hold fails the reader and leaves the field as it was;
// after a failure nothing more is stored.
class StyleReader
{
public:
    explicit StyleReader(TStreamReader &in) : m_in(in) {}

    // The style block's fields, each in its form.
    void operator()(const TStyleField &field, int &value)
    {
        Integer(value, field.Low, field.High, field.What);
    }
    template <typename Enum>
    requires std::is_enum_v<Enum>
    void operator()(const TStyleField &field, Enum &value)
    {
        int ordinal = int(value);
        Integer(ordinal, field.Low, field.High, field.What);
        value = Enum(ordinal);
    }
    void operator()(const TStyleField &, float &inches) { Margin(inches); }
    void operator()(const TStyleField &, TColor &color) { Colour(color); }
    void operator()(const TStyleField &, bool &value) { Boolean(value); }
    void operator()(const TStyleField &, TFontDesc &font) { Font(font); }
    template <std::size_t Count>
    void operator()(const TStyleField &, std::array<QString, Count> &names)
    {
        for (QString &name : names)
            String(name);
    }
    template <typename Setter, typename Value>
    void operator()(const TStyleField &field, Setter, Value &value)
    {
        (*this)(field, value);
    }

    void Integer(int &field, int low, int high, const char *what)
    {
        const auto value = m_in.ReadInteger();
        if (!value)
            return;
        if (*value < low || *value > high) {
            m_in.Fail(QCoreApplication::translate("CalendarPageFile", "%1 %2 is outside %3 to %4")
                          .arg(QCoreApplication::translate("CalendarPageFile", what))
                          .arg(*value)
                          .arg(low)
                          .arg(high));
            return;
        }
        field = *value;
    }
    void Margin(float &inches)
    {
        int hundredths = 0;
        Integer(hundredths, 0, MaxMarginHundredths,
                QT_TRANSLATE_NOOP("CalendarPageFile", "margin"));
        if (!m_in.Failed())
            inches = float(double(hundredths) * 0.01);
    }
    void Colour(TColor &color)
    {
        if (const auto value = m_in.ReadInteger())
            color = TColor(*value);
    }
    void Boolean(bool &field)
    {
        if (const auto value = m_in.ReadBoolean())
            field = *value;
    }
    void String(QString &field)
    {
        if (auto value = m_in.ReadString())
            field = std::move(*value);
    }
    void Font(TFontDesc &field)
    {
        TFontDesc font;
        String(font.Name);
        Integer(font.Size, 1, MaxFontSize, QT_TRANSLATE_NOOP("CalendarPageFile", "font size"));
        const std::array styles{TFontStyle::fsBold, TFontStyle::fsItalic, TFontStyle::fsUnderline,
                                TFontStyle::fsStrikeOut};
        for (TFontStyle style : styles) {
            bool set = false;
            Boolean(set);
            font.Style.setFlag(style, set);
        }
        Colour(font.Color);
        if (m_in.Failed())
            return;
        field = font;
        field.Name = FaceName(font.Name);
    }

private:
    TStreamReader &m_in;
};

std::optional<QString> WriteAll(QIODevice &device, const QByteArray &bytes)
{
    if (device.write(bytes) != bytes.size()) {
        const auto *file = qobject_cast<const QFileDevice *>(&device);
        return file ? WriteFailure(*file) : device.errorString();
    }
    return std::nullopt;
}

template <typename Read>
std::optional<ReadError> LoadFile(const QString &fileName, qint64 maxBytes, const QString &kind,
                                  const Read &read)
{
    TFileBytes file = ReadRegularFile(fileName, maxBytes, kind);
    if (!file.Error.isEmpty())
        return ReadError{0, QCoreApplication::translate("CalendarPageFile", "cannot open %1: %2")
                                .arg(fileName, file.Error)};
    TStreamReader in(std::move(file.Bytes));
    return read(in);
}

} // namespace

// The page's two file forms, with access to its fields: values are read
// straight into them, without the setters' re-layouts and repaints.
class TCalendarPageFile
{
public:
    static void WriteDocument(const TCalendarPage &page, TStreamWriter &out);
    static void WriteStyleSheet(const TCalendarPage &page, TStreamWriter &out);
    static std::optional<ReadError> ReadDocument(TCalendarPage &page, TStreamReader &in);
    static std::optional<ReadError> ReadDocumentAndSet(TCalendarPage &page, TStreamReader &in);
    static std::optional<ReadError> ReadStyleSheet(TCalendarPage &page, TStreamReader &in);

private:
    static int ReadHeader(TStreamReader &in);
    static void WriteCell(const TWPRtfStorage &cell, TStreamWriter &out);
    static bool ReadCell(TWPRtfStorage &cell, TStreamReader &in, TPictureBudget &budget);
    static void ReadDocumentValues(TCalendarPage &page, int version, TStreamReader &in);
    static void ReadDate(TCalendarPage &page, StyleReader &values);
    static void ReadObjects(TCalendarPage &page, TStreamReader &in);
    static void ReadStoredSet(TCalendarPage &page, TStreamReader &in);
    static bool HasExtras(const TCalendarPage &page);
    static void WriteExtras(const TCalendarPage &page, TStreamWriter &out);
    static void ReadExtras(TCalendarPage &page, TStreamReader &in);
};

// What the page keeps beyond the forms readers before it know, as a list of
// named values after everything they read: they stop before it. Nothing is
// written while every such value is at its default, so those files stay as
// they were.
bool TCalendarPageFile::HasExtras(const TCalendarPage &page)
{
    return page.m_weekNumbers != wnNone;
}

void TCalendarPageFile::WriteExtras(const TCalendarPage &page, TStreamWriter &out)
{
    if (!HasExtras(page))
        return;
    out.WriteListBegin();
    out.WriteString(WeekNumbersEntry);
    out.WriteInteger(page.m_weekNumbers);
    out.WriteListEnd();
}

// The extras when they follow; each value back at its default first. A name
// this reader does not know is passed over with its value; a value out of
// range leaves the default.
void TCalendarPageFile::ReadExtras(TCalendarPage &page, TStreamReader &in)
{
    page.m_weekNumbers = wnNone;
    if (in.Failed() || in.BytesLeft() == 0 || !in.ReadListBegin())
        return;
    while (in.BytesLeft() > 0 && !in.AtListEnd()) {
        const std::optional<QString> name = in.ReadString();
        if (!name)
            return;
        if (*name != WeekNumbersEntry) {
            if (!in.SkipValue())
                return;
            continue;
        }
        const std::optional<qint32> value = in.ReadInteger();
        if (!value)
            return;
        if (InEnumRange(TWeekNumbers(*value), wnUs))
            page.m_weekNumbers = TWeekNumbers(*value);
    }
}

void TCalendarPageFile::WriteCell(const TWPRtfStorage &cell, TStreamWriter &out)
{
    WriteComponentHeader(out, CellClassName, {});
    if (!cell.IsEmpty()) {
        out.WriteName(CellTextEntry);
        out.WriteBinary(cell.RtfText().SaveData());
    }
    WriteComponentEnd(out);
}

void TCalendarPageFile::WriteDocument(const TCalendarPage &page, TStreamWriter &out)
{
    StyleWriter values(out);
    out.WriteListBegin();
    out.WriteInteger(FileVersion);
    out.WriteInteger(DocumentKind);
    TCalendarPage::VisitStyleBlockOf(values, page);
    out.WriteString(page.m_wmfBorderFile);
    out.WriteInteger(page.m_mainCalDay);
    out.WriteInteger(page.m_mainCalMonth);
    out.WriteInteger(page.m_mainCalYear);
    out.WriteInteger(page.m_startOfWeek);
    out.WriteInteger(page.m_plannerStartTime.hour());
    out.WriteInteger(page.m_plannerStartTime.minute());
    for (const TWPRtfStorage &cell : page.m_cells)
        WriteCell(cell, out);
    out.WriteString(page.m_userTitle);
    out.WriteListEnd();

    out.WriteListBegin();
    for (const TLumGraphicControl *object : page.Objects().Objects())
        WritePlacedObject(out, *object);
    out.WriteListEnd();
    // With extras the set is written even when empty: a reader before the
    // extras reads an empty set as none and stops there.
    if (!page.m_storedSet.isEmpty() || HasExtras(page))
        out.WriteBinary(page.m_storedSet);
    WriteExtras(page, out);
}

void TCalendarPageFile::WriteStyleSheet(const TCalendarPage &page, TStreamWriter &out)
{
    StyleWriter values(out);
    out.WriteListBegin();
    out.WriteInteger(FileVersion);
    out.WriteInteger(StyleSheetKind);
    TCalendarPage::VisitStyleBlockOf(values, page);
    out.WriteString(page.m_wmfBorderFile);
    out.WriteListEnd();
    // A style sheet's reader stops at its list's end and leaves the rest.
    WriteExtras(page, out);
}

// The list begin, the version and the kind (which is not checked, so either
// file reads as far as the two agree). 0 after a failure.
int TCalendarPageFile::ReadHeader(TStreamReader &in)
{
    StyleReader values(in);
    int version = 0;
    int kind = 0;
    in.ReadListBegin();
    values.Integer(version, OldestVersion, FileVersion,
                   QT_TRANSLATE_NOOP("CalendarPageFile", "version"));
    values.Integer(kind, LowestInt, HighestInt, QT_TRANSLATE_NOOP("CalendarPageFile", "kind"));
    return in.Failed() ? 0 : version;
}

bool TCalendarPageFile::ReadCell(TWPRtfStorage &cell, TStreamReader &in, TPictureBudget &budget)
{
    if (!ReadComponentHeader(in))
        return false;
    return ReadComponentBody(in, [&](QStringView entry) {
        if (entry.compare(CellTextEntry, Qt::CaseInsensitive) != 0)
            return in.SkipValue();
        const auto rtf = in.ReadBinary();
        if (!rtf)
            return false;
        if (rtf->isEmpty()) {
            cell.RtfText().Clear();
            return true;
        }
        QString error;
        if (!cell.RtfText().LoadData(*rtf, &error, &budget))
            return in.Fail(
                QCoreApplication::translate("CalendarPageFile", "cell text: %1").arg(error));
        return true;
    });
}

void TCalendarPageFile::ReadDocumentValues(TCalendarPage &page, int version, TStreamReader &in)
{
    StyleReader values(in);
    TCalendarPage::VisitStyleBlockOf(values, page);
    if (in.Failed())
        return;
    page.SetWMFBorderFile({});
    if (version > 3) {
        QString border;
        values.String(border);
        if (!in.Failed())
            page.SetWMFBorderFile(border);
    }
    ReadDate(page, values);
    values.Integer(page.m_startOfWeek, LowestInt, HighestInt,
                   QT_TRANSLATE_NOOP("CalendarPageFile", "start of week"));
    int hour = 0;
    int minute = 0;
    values.Integer(hour, 0, 23, QT_TRANSLATE_NOOP("CalendarPageFile", "hour"));
    values.Integer(minute, 0, 59, QT_TRANSLATE_NOOP("CalendarPageFile", "minute"));
    if (in.Failed())
        return;
    page.m_plannerStartTime = QTime(hour, minute);
    // The cells' pictures share one budget: a document is drawn whole.
    TPictureBudget budget;
    for (TWPRtfStorage &cell : page.m_cells) {
        const bool read = ReadCell(cell, in, budget);
        page.m_refusedPictures = budget.Refused();
        if (!read)
            return;
    }
    if (version > 1)
        values.String(page.m_userTitle);
    in.ReadListEnd();
}

// The day, month and year; a day the month does not have (31 February) is
// read as the month's last day.
void TCalendarPageFile::ReadDate(TCalendarPage &page, StyleReader &values)
{
    values.Integer(page.m_mainCalDay, 0, 31, QT_TRANSLATE_NOOP("CalendarPageFile", "day"));
    values.Integer(page.m_mainCalMonth, 1, 12, QT_TRANSLATE_NOOP("CalendarPageFile", "month"));
    values.Integer(page.m_mainCalYear, 1, MaxYear, QT_TRANSLATE_NOOP("CalendarPageFile", "year"));
    page.m_mainCalDay =
        std::min(page.m_mainCalDay, DaysInMonth(page.m_mainCalMonth, page.m_mainCalYear));
}

// Objects up to the end of the list. Any error ends the list quietly: the
// objects read before it stay.
void TCalendarPageFile::ReadObjects(TCalendarPage &page, TStreamReader &in)
{
    if (!in.ReadListBegin())
        return;
    while (in.BytesLeft() > 0 && !in.AtListEnd()) {
        std::unique_ptr<TComponent> object = ReadComponent(in, page.ObjectClasses());
        if (!object)
            return;
        GiveFreeComponentName(*object, page.Objects());
        page.Objects().InsertComponent(std::move(object));
    }
}

std::optional<ReadError> TCalendarPageFile::ReadDocument(TCalendarPage &page, TStreamReader &in)
{
    const int version = ReadHeader(in);
    page.m_refusedPictures = 0;
    if (version != 0)
        ReadDocumentValues(page, version, in);
    if (in.Failed())
        return in.Error();
    if (version > 2)
        ReadObjects(page, in);
    page.Relayout(false);
    return std::nullopt;
}

// The stored set, a binary value after the end of the objects' list, then
// the extras. A reader before sets stops at that end and reads the rest of
// the document alike; what does not read as a set is left aside, as that
// reader leaves it.
void TCalendarPageFile::ReadStoredSet(TCalendarPage &page, TStreamReader &in)
{
    if (in.Failed() || !in.AtListEnd() || !in.ReadListEnd() || in.BytesLeft() == 0)
        return;
    if (std::optional<QByteArray> set = in.ReadBinary())
        page.m_storedSet = std::move(*set);
    ReadExtras(page, in);
}

std::optional<ReadError> TCalendarPageFile::ReadDocumentAndSet(TCalendarPage &page,
                                                               TStreamReader &in)
{
    page.m_storedSet.clear();
    page.m_weekNumbers = wnNone;
    const std::optional<ReadError> error = ReadDocument(page, in);
    if (!error)
        ReadStoredSet(page, in);
    return error;
}

std::optional<ReadError> TCalendarPageFile::ReadStyleSheet(TCalendarPage &page, TStreamReader &in)
{
    const int version = ReadHeader(in);
    StyleReader values(in);
    if (version != 0)
        TCalendarPage::VisitStyleBlockOf(values, page);
    if (in.Failed())
        return in.Error();
    if (version < 4) {
        page.SetWMFBorderFile({});
    } else {
        QString border;
        values.String(border);
        if (in.Failed())
            return in.Error();
        page.SetWMFBorderFile(border);
    }
    in.ReadListEnd();
    const std::optional<ReadError> error = in.Error();
    if (!error)
        ReadExtras(page, in);
    return error;
}

QString TCalendarPage::RefusedPicturesMessage() const
{
    if (m_refusedPictures == 0)
        return {};
    if (m_refusedPictures == 1)
        return QCoreApplication::translate("CalendarPageFile",
                                           "A picture in this calendar is too large to show: it is "
                                           "drawn as an empty frame and kept as it is.");
    return QCoreApplication::translate(
        "CalendarPageFile",
        "%n pictures in this calendar are too large to show: they are "
        "drawn as empty frames and kept as they are.",
        nullptr, m_refusedPictures);
}

std::optional<QString> TCalendarPage::SaveToDevice(QIODevice &Out) const
{
    TStreamWriter out;
    TCalendarPageFile::WriteDocument(*this, out);
    return WriteAll(Out, out.Data());
}

std::optional<QString> TCalendarPage::SaveToFile(const QString &FileName) const
{
    return SaveThrough(FileName, [this](QIODevice &out) { return SaveToDevice(out); });
}

std::optional<ReadError> TCalendarPage::LoadFromDevice(QIODevice &In)
{
    TStreamReader in(In.readAll());
    return TCalendarPageFile::ReadDocumentAndSet(*this, in);
}

std::optional<ReadError> TCalendarPage::LoadPageFromDevice(QIODevice &In)
{
    TStreamReader in(In.readAll());
    return TCalendarPageFile::ReadDocument(*this, in);
}

std::optional<ReadError> TCalendarPage::LoadFromFile(const QString &FileName)
{
    return LoadFile(
        FileName, MaxDocumentBytes,
        //: %2 of "at %1 MB it is larger than any %2 can be (%3 MB)"
        QCoreApplication::translate("CalendarPageFile", "calendar document"),
        [this](TStreamReader &in) { return TCalendarPageFile::ReadDocumentAndSet(*this, in); });
}

std::optional<QString> TCalendarPage::SaveStyleSheetToDevice(QIODevice &Out) const
{
    TStreamWriter out;
    TCalendarPageFile::WriteStyleSheet(*this, out);
    return WriteAll(Out, out.Data());
}

std::optional<QString> TCalendarPage::SaveStyleSheet(const QString &FileName) const
{
    return SaveThrough(FileName, [this](QIODevice &out) { return SaveStyleSheetToDevice(out); });
}

std::optional<ReadError> TCalendarPage::LoadStyleSheetFromDevice(QIODevice &In)
{
    TStreamReader in(In.readAll());
    return TCalendarPageFile::ReadStyleSheet(*this, in);
}

std::optional<ReadError> TCalendarPage::LoadStyleSheet(const QString &FileName)
{
    return LoadFile(
        FileName, MaxStyleSheetBytes,
        //: %2 of "at %1 MB it is larger than any %2 can be (%3 MB)"
        QCoreApplication::translate("CalendarPageFile", "style sheet"),
        [this](TStreamReader &in) { return TCalendarPageFile::ReadStyleSheet(*this, in); });
}
