#include "HostileInput.h"

#include "CalendarPage.h"
#include "DecodedPicture.h"
#include "LumImage.h"
#include "RecurringFile.h"
#include "RecurringFormula.h"
#include "StoredPageValues.h"
#include "WmfWriter.h"

#include <QBuffer>
#include <QDate>
#include <QPolygon>

namespace {

void PutLe16(QByteArray &bytes, int value)
{
    bytes.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

void PutLe32(QByteArray &bytes, qint64 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xFF));
}

// A 40-byte header of an 8-bit run-length bitmap with a two-colour table,
// white and black.
QByteArray Rle8Header(int width, int height, int dataBytes)
{
    QByteArray dib;
    PutLe32(dib, 40);
    PutLe32(dib, width);
    PutLe32(dib, height);
    PutLe16(dib, 1);
    PutLe16(dib, 8);
    PutLe32(dib, 1); // RLE8
    PutLe32(dib, dataBytes);
    PutLe32(dib, 0);
    PutLe32(dib, 0);
    PutLe32(dib, 2);
    PutLe32(dib, 0);
    PutLe32(dib, 0x00FFFFFF);
    PutLe32(dib, 0x00000000);
    return dib;
}

// A one-pixel 24-bit bitmap.
QByteArray OnePixel()
{
    QByteArray dib;
    PutLe32(dib, 40);
    PutLe32(dib, 1);
    PutLe32(dib, 1);
    PutLe16(dib, 1);
    PutLe16(dib, 24);
    for (int i = 0; i < 6; ++i)
        PutLe32(dib, 0);
    PutLe32(dib, 0);
    return dib;
}

QByteArray PictureGroup(const QByteArray &dib, int widthTwips, int heightTwips)
{
    return "{\\pict\\dibitmap0\\picwgoal" + QByteArray::number(widthTwips) + "\\pichgoal" +
           QByteArray::number(heightTwips) + ' ' + dib.toHex() + '}';
}

// Records of one kind until the metafile holds about bytes bytes, measured
// every hundred records.
template <typename Record> void Repeat(TWmfWriter &writer, int bytes, const Record &record)
{
    while (writer.Placeable().size() < bytes) {
        for (int i = 0; i < 100; ++i)
            record();
    }
}

void WidePen(TWmfWriter &writer, int bytes)
{
    writer.SelectObject(writer.CreatePen(Qt::black, 32767));
    QPolygon zigzag;
    for (int i = 0; zigzag.size() * 4 + 64 < bytes; ++i)
        zigzag << QPoint(i * 37 % 1000, i * 91 % 1400);
    writer.Polyline(zigzag);
}

void HugeEllipses(TWmfWriter &writer, int bytes)
{
    writer.SetWindow(QRect(0, 0, 1, 1));
    Repeat(writer, bytes, [&] { writer.Ellipse(QRect(-30000, -30000, 60000, 60000)); });
}

void HatchedPlanes(TWmfWriter &writer, int bytes)
{
    writer.SetWindow(QRect(0, 0, 1, 1));
    writer.SelectObject(writer.CreateHatchBrush(Qt::blue, 5));
    Repeat(writer, bytes, [&] { writer.Rectangle(QRect(-30000, -30000, 60000, 60000)); });
}

void ClipSwarm(TWmfWriter &writer, int bytes)
{
    int hole = 0;
    Repeat(writer, bytes / 2, [&] {
        writer.ExcludeClipRect(QRect(hole % 1000, hole * 7 % 1400, 3, 3));
        ++hole;
    });
    writer.SelectObject(writer.CreateSolidBrush(Qt::red));
    Repeat(writer, bytes, [&] { writer.Rectangle(QRect(0, 0, 1000, 1400)); });
}

void PageFills(TWmfWriter &writer, int bytes)
{
    writer.SelectObject(writer.CreateSolidBrush(Qt::red));
    int grow = 0;
    Repeat(writer, bytes, [&] {
        writer.Ellipse(QRect(-grow, -grow, 1000 + 2 * grow, 1400 + 2 * grow));
        grow = (grow + 1) % 500;
    });
}

} // namespace

QByteArray RunLengthBomb(int side)
{
    // The decoder takes at most 1024 pixels for each byte of run-length data.
    const int dataBytes = int(qint64(side) * side / 1024);
    QByteArray rows;
    while (rows.size() < dataBytes - 2)
        rows.append(char(0)).append(char(0)); // line ends
    rows.append(char(0)).append(char(1));     // the end of the bitmap
    return Rle8Header(side, side, int(rows.size())) + rows;
}

QByteArray PaddedRunLengthBitmap(int width, int height)
{
    const int stride = (width + 3) / 4 * 4;
    QByteArray rows;
    for (int y = 0; y < height; ++y) {
        // A run of the row's colour over the whole padded row, then its end.
        rows.append(char(stride)).append(char(y % 2));
        rows.append(char(0)).append(char(0));
    }
    rows.append(char(0)).append(char(1));
    return Rle8Header(width, height, int(rows.size())) + rows;
}

QByteArray BmpFile(const QByteArray &dib)
{
    const auto le32 = [&](int at) {
        return quint32(uchar(dib[at])) | quint32(uchar(dib[at + 1])) << 8 |
               quint32(uchar(dib[at + 2])) << 16 | quint32(uchar(dib[at + 3])) << 24;
    };
    QByteArray file = "BM";
    PutLe32(file, 14 + dib.size());
    PutLe32(file, 0);
    PutLe32(file, 14 + le32(0) + 4 * le32(32));
    return file + dib;
}

QByteArray PictureRtf(const QByteArray &dib, int goalTwips)
{
    return "{\\rtf1 " + PictureGroup(dib, goalTwips, goalTwips) + '}';
}

QByteArray LongWordRtf(int length)
{
    return "{\\rtf1 " + QByteArray(length, 'w') + '}';
}

QByteArray TinyRunsRtf(int count)
{
    QByteArray rtf = "{\\rtf1 ";
    for (int i = 0; i < count; ++i)
        rtf += i % 2 == 0 ? "{\\b x}" : "{\\i y}";
    return rtf + '}';
}

QByteArray WordBeforeTallPictureRtf(int wordLength, int pictureTwips)
{
    return "{\\rtf1 " + QByteArray(wordLength, 'w') +
           PictureGroup(OnePixel(), pictureTwips, pictureTwips) + '}';
}

void StartHostilePage(TCalendarPage &page)
{
    ApplyMainPageValues(page);
    page.ResetStyle(QDate(2024, 1, 15));
    page.SetCalendarLayout(loFullCalendar);
    page.Relayout(true);
}

bool PutCellRtf(TCalendarPage &page, int cell, const QByteArray &rtf, TPictureBudget *budget)
{
    TWPRtfStorage storage;
    if (!storage.RtfText().LoadData(rtf, nullptr, budget))
        return false;
    page.SetCellText(cell, storage);
    return true;
}

QByteArray DocumentBytes(const TCalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    (void)page.SaveToDevice(buffer);
    return buffer.data();
}

QByteArray PictureBombDocument(int count)
{
    TCalendarPage page;
    StartHostilePage(page);
    // Put in without decoding: only a reader of the document decodes them.
    TPictureBudget none(0);
    for (int i = 0; i < count; ++i)
        PutCellRtf(page, 8 + i % 35, PictureRtf(RunLengthBomb()), &none);
    return DocumentBytes(page);
}

QString LongTitle(int length)
{
    QString title;
    title.reserve(length);
    for (int i = 0; i < length; ++i)
        title += QChar(u'a' + i % 26);
    return title;
}

QByteArray HugePictureDocument(int side)
{
    TCalendarPage page;
    StartHostilePage(page);
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(Qt::darkGreen);
    auto image = std::make_unique<TLumImage>();
    image->SetPicture(TLumPicture::FromBitmap(tile));
    image->SetObjectBounds(10, 10, side, side);
    image->FinishLoad();
    page.Objects().Insert(std::move(image));
    return DocumentBytes(page);
}

QByteArray EveryDayLines(int count)
{
    QStringList lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i)
        lines.append(MakeEntry(QStringLiteral("Every day %1").arg(i), QStringLiteral("%1234567")));
    return JoinRecurringLines(lines);
}

QByteArray HostileBorder(THostileBorder kind, int bytes)
{
    TWmfWriter writer(QRect(0, 0, 1000, 1400), 1440);
    switch (kind) {
    case THostileBorder::WidePen:
        WidePen(writer, bytes);
        break;
    case THostileBorder::HugeEllipses:
        HugeEllipses(writer, bytes);
        break;
    case THostileBorder::HatchedPlanes:
        HatchedPlanes(writer, bytes);
        break;
    case THostileBorder::ClipSwarm:
        ClipSwarm(writer, bytes);
        break;
    case THostileBorder::PageFills:
        PageFills(writer, bytes);
        break;
    }
    return writer.Placeable();
}

const char *HostileBorderName(THostileBorder kind)
{
    switch (kind) {
    case THostileBorder::WidePen:
        return "wide-pen";
    case THostileBorder::HugeEllipses:
        return "huge-ellipses";
    case THostileBorder::HatchedPlanes:
        return "hatched-planes";
    case THostileBorder::ClipSwarm:
        return "clip-swarm";
    case THostileBorder::PageFills:
        return "page-fills";
    }
    return "";
}

QByteArray NestedTablesHelp(int depth)
{
    QByteArray help = "<html><body><a name=\"contents\"></a><h1>Contents</h1>"
                      "<a href=\"#2100\">Calendar properties</a>";
    for (int i = 0; i < depth; ++i)
        help += "<table border=1><tr><td>";
    help += "<a name=\"2100\">Calendar properties</a> deep inside";
    for (int i = 0; i < depth; ++i)
        help += "</td></tr></table>";
    return help + "</body></html>";
}

QByteArray EndlessPictureHelp()
{
    return "<html><head><link rel=\"stylesheet\" href=\"/dev/zero\"></head>"
           "<body background=\"/dev/zero\"><a name=\"contents\"></a><h1>Contents</h1>"
           "<img src=\"/dev/zero\"><img src=\"file:///dev/zero\">"
           "<img src=\"../../../../../../dev/zero\"><img src=\"/etc/passwd\">"
           "<table background=\"/dev/urandom\"><tr><td style=\"background-image: "
           "url(/dev/zero)\">cell</td></tr></table></body></html>";
}

QByteArray LoneSurrogateTitleDocument()
{
    TCalendarPage page;
    StartHostilePage(page);
    page.SetUserTitle(QStringLiteral("Trip X"));
    QByteArray bytes = DocumentBytes(page);
    QByteArray wide(1, char(0x12)); // a UTF-16 string of six units
    PutLe32(wide, 6);
    for (const char16_t unit : {u'T', u'r', u'i', u'p', u' ', char16_t(0xD83D)})
        PutLe16(wide, unit);
    return bytes.replace(QByteArray("\x06\x06Trip X"), wide);
}

QByteArray HelpFlood(THelpFlood kind, int count)
{
    QByteArray help = "<html><body><a name=\"contents\"></a><h1>Contents</h1>";
    for (int i = 0; i < count; ++i) {
        switch (kind) {
        case THelpFlood::Anchors:
            help += "<a name=\"" + QByteArray::number(i + 1) + "\">x</a> ";
            break;
        case THelpFlood::Pictures:
            help += "<img src=\"missing.png\" width=8 height=8>";
            break;
        case THelpFlood::DigitTags:
            help += "<0>";
            break;
        }
    }
    return help + "</body></html>";
}

const char *HelpFloodName(THelpFlood kind)
{
    switch (kind) {
    case THelpFlood::Anchors:
        return "anchor-flood";
    case THelpFlood::Pictures:
        return "picture-flood";
    case THelpFlood::DigitTags:
        return "digit-tag-flood";
    }
    return "";
}
