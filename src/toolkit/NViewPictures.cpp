#include "NViewPictures.h"

#include "BitmapFile.h"
#include "NViewLib.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The library is asked to read the picture file; the loading of the export
// passes 0 instead.
constexpr int pictureFileFlag = 1;
constexpr int temporaryBitmapFlag = 0;
constexpr qint64 maxDibPixels = qint64(64) * 1024 * 1024;

quint32 Le32(const uchar *at)
{
    return quint32(at[0]) | (quint32(at[1]) << 8) | (quint32(at[2]) << 16) | (quint32(at[3]) << 24);
}

quint16 Le16(const uchar *at)
{
    return quint16(at[0] | (at[1] << 8));
}

void AppendLe32(QByteArray &bytes, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xFF));
}

// The bytes a packed bitmap holds, up to its pixels and in all; 0 when its
// header is not one of an uncompressed bitmap of a sane size.
struct TDibExtent
{
    qint64 PixelsAt = 0;
    qint64 Total = 0;
};

TDibExtent DibExtent(const uchar *dib)
{
    const quint32 headerSize = Le32(dib);
    if (headerSize < 40 || headerSize > 124)
        return {};
    const qint64 width = qint32(Le32(dib + 4));
    const qint64 height = qint32(Le32(dib + 8));
    const qint64 rows = std::abs(height);
    const int bits = Le16(dib + 14);
    const quint32 compression = Le32(dib + 16);
    const quint32 colorsUsed = Le32(dib + 32);
    const bool knownBits =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (width <= 0 || rows <= 0 || width > maxDibPixels / rows || !knownBits ||
        (compression != 0 && compression != 3))
        return {};
    const qint64 colours =
        bits <= 8 ? (colorsUsed == 0 ? 1 << bits : std::min<qint64>(colorsUsed, 1 << bits)) : 0;
    const qint64 masks = compression == 3 && headerSize == 40 ? 12 : 0;
    const qint64 pixelsAt = headerSize + masks + colours * 4;
    const qint64 stride = (width * bits + 31) / 32 * 4;
    return {pixelsAt, pixelsAt + stride * rows};
}

// A copy of the bitmap behind a handle from the picture library.
QImage CopyOfDib(const void *handle)
{
    const auto *dib = static_cast<const uchar *>(handle);
    const TDibExtent extent = DibExtent(dib);
    if (extent.Total == 0)
        return {};
    QByteArray file("BM");
    AppendLe32(file, quint32(14 + extent.Total));
    AppendLe32(file, 0);
    AppendLe32(file, quint32(14 + extent.PixelsAt));
    file.append(reinterpret_cast<const char *>(dib), qsizetype(extent.Total));
    return QImage::fromData(file, "BMP");
}

QString TemporaryBitmapPath(const QString &fileName)
{
    return QFileInfo(fileName).path() + u"/$N$VIEW$.BMP"_s;
}

// Hands the temporary bitmap file to the library and has it write the JPEG.
bool ConvertWithLibrary(const TNViewLib &library, const QString &bitmapFile, int quality,
                        const QString &fileName)
{
    void *handle = library.NViewLibLoad(bitmapFile, temporaryBitmapFlag);
    if (handle == nullptr)
        return false;
    const bool saved = library.NViewLibSaveAsJPG(quality, fileName);
    library.NViewLibFree(handle);
    return saved && QFileInfo(fileName).isFile();
}

} // namespace

QImage LoadWithLibrary(const TNViewLib &library, const QString &fileName)
{
    void *handle = library.NViewLibLoad(fileName, pictureFileFlag);
    if (handle == nullptr)
        return {};
    QImage picture = CopyOfDib(handle);
    library.NViewLibFree(handle);
    return picture;
}

QImage LoadWithLibrary(const QString &fileName)
{
    return LoadWithLibrary(NViewLibrary(), fileName);
}

bool SaveAsJPEG(const TNViewLib &library, const QImage &picture, int quality,
                const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    const QString bitmapFile = TemporaryBitmapPath(fileName);
    const bool saved = SaveAsBitmapFile(picture, bitmapFile) &&
                       ConvertWithLibrary(library, bitmapFile, quality, fileName);
    QFile::remove(bitmapFile);
    return saved;
}

bool SaveAsJPEG(const QImage &picture, int quality, const QString &fileName)
{
    if (fileName.isEmpty())
        return false;
    return SaveAsJPEG(NViewLibrary(), picture, quality, fileName);
}
