#include "NViewPictures.h"

#include "BitmapFile.h"
#include "DibDecoder.h"
#include "LittleEndian.h"
#include "NViewLib.h"
#include "PrivateTemporary.h"
#include "SaveFiles.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The library is asked to read the picture file; the loading of the export
// passes 0 instead.
constexpr int pictureFileFlag = 1;
constexpr int temporaryBitmapFlag = 0;
constexpr qint64 maxHeaderSize = 124;
constexpr qint64 maxTableEntries = 256;

// The bytes of a bitmap from the picture library, whose bitmaps are
// uncompressed: its header tells how many lie behind it. 0 when the header
// is not one of an uncompressed bitmap of a sane size.
qint64 LibraryDibSize(const char *dib)
{
    const qint64 headerSize = Le32(QByteArrayView(dib, 4), 0);
    TDibHeader header;
    if (headerSize > maxHeaderSize ||
        !ReadDibHeader(QByteArrayView(dib, headerSize), TDibColors::Rgb, header).isEmpty())
        return 0;
    if (header.RunLength() || header.TableEntries > maxTableEntries ||
        !PictureSizeAcceptable(header.Width, header.Rows()))
        return 0;
    return header.TableEnd() + header.Stride() * header.Rows();
}

// A copy of the bitmap behind a handle from the picture library.
QImage CopyOfDib(const void *handle)
{
    const auto *dib = static_cast<const char *>(handle);
    const qint64 size = LibraryDibSize(dib);
    if (size == 0)
        return {};
    TDibOptions options;
    options.MaxPixels = MaxPicturePixels;
    return DecodeDib(QByteArrayView(dib, size), options).Image;
}

// Hands the temporary bitmap file to the library and has it write the JPEG.
// The library says only whether it wrote the file; why it did not is looked
// for afterwards.
std::optional<QString> ConvertWithLibrary(const TNViewLib &library, const QString &bitmapFile,
                                          int quality, const QString &fileName)
{
    const auto lock = library.Lock();
    void *handle = library.NViewLibLoad(bitmapFile, temporaryBitmapFlag);
    if (handle == nullptr)
        return library.IsLoaded()
                   ? QCoreApplication::translate("NViewPictures",
                                                 "the picture library could not read the picture")
                   : QCoreApplication::translate("NViewPictures", "the picture library is missing");
    const bool saved = library.NViewLibSaveAsJPG(quality, fileName);
    library.NViewLibFree(handle);
    if (saved && QFileInfo(fileName).isFile())
        return std::nullopt;
    return WhyNotWritten(fileName, QCoreApplication::translate(
                                       "NViewPictures", "the picture library could not write it"));
}

} // namespace

QImage LoadWithLibrary(const TNViewLib &library, const QString &fileName)
{
    const auto lock = library.Lock();
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

std::optional<QString> SaveAsJPEG(const TNViewLib &library, const QImage &picture, int quality,
                                  const QString &fileName)
{
    if (fileName.isEmpty())
        return QCoreApplication::translate("SaveFiles", "no file name");
    if (picture.isNull())
        return QCoreApplication::translate("SaveFiles", "there is no picture to write");
    if (std::optional<QString> refused = RefusedSaveTarget(fileName))
        return refused;
    // The bitmap goes to a private temporary of its own, never to a fixed name
    // in the output folder, where anyone could have placed a link, and where
    // a second export at once would use the same file.
    const std::unique_ptr<QTemporaryFile> bitmapFile = OpenPrivateTemporary(u".BMP"_s);
    if (!bitmapFile)
        return QCoreApplication::translate(
            "NViewPictures", "no temporary file could be made for the picture library");
    if (!WriteBitmapFile(picture, *bitmapFile) || !bitmapFile->flush())
        return QCoreApplication::translate(
                   "NViewPictures",
                   "the temporary file for the picture library could not be written: %1")
            .arg(WriteFailure(*bitmapFile));
    return ConvertWithLibrary(library, bitmapFile->fileName(), quality, fileName);
}

std::optional<QString> SaveAsJPEG(const QImage &picture, int quality, const QString &fileName)
{
    if (fileName.isEmpty())
        return QCoreApplication::translate("SaveFiles", "no file name");
    return SaveAsJPEG(NViewLibrary(), picture, quality, fileName);
}
