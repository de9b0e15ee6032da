#include "IconPicture.h"

#include "LittleEndian.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype directoryAt = 6;
constexpr qsizetype entrySize = 16;
constexpr int iconType = 1;

constexpr qsizetype bitmapHeaderSize = 40;

// Whether an image stored as a bitmap (not as PNG) has the bytes its header
// claims: its colour rows, as the header's height counts both the colours
// and the mask.
bool BitmapFitsEntry(QByteArrayView image)
{
    if (image.size() < bitmapHeaderSize || Le32(image, 0) != bitmapHeaderSize)
        return true;
    const qint64 width = qint32(Le32(image, 4));
    const qint64 height = qint32(Le32(image, 8)) / 2;
    const qint64 bits = Le16(image, 14);
    if (width <= 0 || height <= 0 || bits == 0 || bits > 32)
        return false;
    const qint64 stride = (width * bits + 31) / 32 * 4;
    return stride * height <= image.size();
}

// Empty when every entry of the directory lies inside the file.
QString CheckDirectory(const QByteArray &bytes)
{
    if (bytes.size() < directoryAt || Le16(bytes, 0) != 0 || Le16(bytes, 2) != iconType)
        return QCoreApplication::translate("Pictures", "not an icon file");
    const qsizetype count = Le16(bytes, 4);
    if (count == 0)
        return QCoreApplication::translate("Pictures", "the icon file holds no images");
    if (directoryAt + count * entrySize > bytes.size())
        return QCoreApplication::translate("Pictures",
                                           "the icon file's directory runs past its end");
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype entry = directoryAt + i * entrySize;
        const qint64 size = Le32(bytes, entry + 8);
        const qint64 offset = Le32(bytes, entry + 12);
        if (size == 0 || offset + size > bytes.size())
            return QCoreApplication::translate("Pictures",
                                               "an image of the icon file runs past its end");
        if (!BitmapFitsEntry(QByteArrayView(bytes).sliced(offset, size)))
            return QCoreApplication::translate("Pictures",
                                               "an image of the icon file is larger than its data");
    }
    return {};
}

bool Better(const QImage &candidate, const QImage &best)
{
    const qint64 area = qint64(candidate.width()) * candidate.height();
    const qint64 bestArea = qint64(best.width()) * best.height();
    if (area != bestArea)
        return area > bestArea;
    return candidate.depth() > best.depth();
}

} // namespace

TDecodedPicture DecodeIconFile(const QByteArray &bytes)
{
    if (const QString why = CheckDirectory(bytes); !why.isEmpty())
        return PictureFailure(why);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    QImage best;
    const int count = reader.imageCount();
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull() && (best.isNull() || Better(image, best)))
            best = image;
    }
    if (best.isNull())
        return PictureFailure(
            QCoreApplication::translate("Pictures", "no image of the icon file could be read"));
    return {best.convertToFormat(QImage::Format_ARGB32), {}};
}
