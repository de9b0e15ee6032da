#include "WmfPicture.h"

#include "DibDecoder.h"
#include "WmfPlayer.h"

#include <QCoreApplication>
#include <QPicture>

#include <optional>

namespace {

constexpr quint32 placeableKey = 0x9AC6CDD7;
constexpr qsizetype placeableSize = 22;
constexpr qsizetype headerSize = 18;
constexpr quint16 headerWords = 9;
constexpr qsizetype recordHeaderSize = 6;
constexpr int defaultUnitsPerInch = 1440;
// Limits that keep a damaged or hostile file from taking the memory.
constexpr size_t maxRecords = 1'000'000;

quint32 Le(const QByteArray &bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | uchar(bytes[at + i]);
    return value;
}

qint16 Short(const QByteArray &bytes, qsizetype at)
{
    return qint16(Le(bytes, at, 2));
}

bool IsDrawing(quint16 function)
{
    switch (function) {
    case WmfFunction::LineTo:
    case WmfFunction::Rectangle:
    case WmfFunction::RoundRect:
    case WmfFunction::Ellipse:
    case WmfFunction::Arc:
    case WmfFunction::Pie:
    case WmfFunction::Chord:
    case WmfFunction::Polygon:
    case WmfFunction::Polyline:
    case WmfFunction::PolyPolygon:
    case WmfFunction::TextOut:
    case WmfFunction::ExtTextOut:
    case WmfFunction::SetPixel:
    case WmfFunction::PatBlt:
    case WmfFunction::StretchDib:
    case WmfFunction::DibStretchBlt:
    case WmfFunction::DibBitBlt:
        return true;
    default:
        return false;
    }
}

// The window the records set: as it stands at the first drawing record, else
// the first one set; none when no record sets an extent.
std::optional<QRectF> RecordedWindow(const TWmfContent &content)
{
    QPointF origin;
    std::optional<QRectF> window;
    std::optional<QRectF> first;
    for (const TWmfRecord &record : content.Records) {
        const TWmfParams params(content.Bytes, record);
        if (record.Function == WmfFunction::SetWindowOrg) {
            origin = QPointF(params.Short(1), params.Short(0));
            if (window)
                window->moveTopLeft(origin);
        } else if (record.Function == WmfFunction::SetWindowExt && params.Short(0) != 0 &&
                   params.Short(1) != 0) {
            window = QRectF(origin, QSizeF(params.Short(1), params.Short(0)));
            if (!first)
                first = window;
        } else if (IsDrawing(record.Function) && window) {
            return window->normalized();
        }
    }
    if (first)
        return first->normalized();
    return std::nullopt;
}

// The extent of what the records draw, with logical units as they are.
QRectF DrawnExtent(const TWmfContent &content)
{
    QPicture picture;
    QPainter painter(&picture);
    const QRectF unit(0, 0, 1, 1);
    PlayWmf(painter, content, TWmfView{unit, QPointF()}, unit);
    painter.end();
    // Wild coordinates saturate the bounds at the ends of the int range,
    // where QRect's own width and height would overflow.
    const QRect bounds = picture.boundingRect();
    return QRectF(QPointF(bounds.left(), bounds.top()),
                  QPointF(double(bounds.right()) + 1, double(bounds.bottom()) + 1));
}

// The bitmaps of the records, each decoded only when the metafile's budget
// has room for it; a bitmap without is drawn as nothing.
void DecodeBitmaps(TWmfContent &content)
{
    TPictureBudget budget;
    for (size_t index = 0; index < content.Records.size(); ++index) {
        const TWmfParams params(content.Bytes, content.Records[index]);
        const std::optional<TWmfBitmapAt> at = WmfBitmapAt(params, content.Records[index].Function);
        if (!at)
            continue;
        TDibOptions options;
        options.Colors = at->PaletteIndices ? TDibColors::PaletteIndices : TDibColors::Rgb;
        const QByteArrayView dib = params.Bytes(at->Word, params.Words() * 2);
        TDibHeader header;
        if (!ReadDibHeader(dib, options.Colors, header).isEmpty() ||
            !budget.Take(header.Width, header.Rows(), options.MaxPixels))
            continue;
        const QImage image = DecodeDib(dib, options).Image;
        if (image.isNull())
            budget.Return(header.Width, header.Rows());
        else
            content.Bitmaps.emplace(index, image);
    }
}

// The records from at on, up to the end-of-file record; an error sentence
// when one is damaged.
QString ReadRecords(TWmfContent &content, qsizetype at)
{
    const QByteArray &bytes = content.Bytes;
    while (at < bytes.size()) {
        const qsizetype left = bytes.size() - at;
        if (left < recordHeaderSize)
            return QCoreApplication::translate("WmfPicture", "The metafile ends inside a record.");
        const qint64 words = Le(bytes, at, 4);
        if (words < recordHeaderSize / 2)
            return QCoreApplication::translate("WmfPicture", "A metafile record is smaller than its own header.");
        if (words * 2 > left)
            return QCoreApplication::translate("WmfPicture", "A metafile record runs past the end of the file.");
        const quint16 function = quint16(Le(bytes, at + 4, 2));
        if (function == WmfFunction::Eof)
            break;
        if (content.Records.size() >= maxRecords)
            return QCoreApplication::translate("WmfPicture", "The metafile has too many records.");
        content.Records.push_back({function, at + recordHeaderSize, words - recordHeaderSize / 2});
        at += words * 2;
    }
    return {};
}

bool IsMetafileHeader(const QByteArray &bytes, qsizetype at)
{
    if (bytes.size() - at < headerSize)
        return false;
    const quint32 type = Le(bytes, at, 2);
    return (type == 1 || type == 2) && Le(bytes, at + 2, 2) == headerWords;
}

} // namespace

std::optional<TWmfPicture> TWmfPicture::Read(const QByteArray &bytes, QString &error)
{
    TWmfPicture picture;
    picture.m_content.Bytes = bytes;
    qsizetype headerAt = 0;
    std::optional<QRectF> box;
    if (bytes.size() >= 4 && Le(bytes, 0, 4) == placeableKey) {
        if (bytes.size() < placeableSize + headerSize) {
            error = QCoreApplication::translate("WmfPicture", "The metafile ends inside its headers.");
            return std::nullopt;
        }
        const QPointF topLeft(Short(bytes, 6), Short(bytes, 8));
        const QPointF bottomRight(Short(bytes, 10), Short(bytes, 12));
        if (bottomRight.x() <= topLeft.x() || bottomRight.y() <= topLeft.y()) {
            error = QCoreApplication::translate("WmfPicture", "The metafile's bounding box is empty.");
            return std::nullopt;
        }
        box = QRectF(topLeft, bottomRight);
        const int inch = int(Le(bytes, 14, 2));
        picture.m_content.UnitsPerInch = inch > 0 ? inch : defaultUnitsPerInch;
        headerAt = placeableSize;
    }
    if (!IsMetafileHeader(bytes, headerAt)) {
        error = QCoreApplication::translate("WmfPicture", "This is not a Windows metafile.");
        return std::nullopt;
    }
    error = ReadRecords(picture.m_content, headerAt + headerSize);
    if (!error.isEmpty())
        return std::nullopt;
    DecodeBitmaps(picture.m_content);

    if (!box)
        box = RecordedWindow(picture.m_content);
    if (box)
        picture.m_view = {*box, box->topLeft()};
    else
        picture.m_view = {DrawnExtent(picture.m_content), QPointF()};
    return picture;
}

void TWmfPicture::Play(QPainter &painter, const QRectF &target) const
{
    PlayWmf(painter, m_content, m_view, target);
}
