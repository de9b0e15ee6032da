#include "BitmapFile.h"

#include "DibEncoder.h"
#include "LittleEndian.h"
#include "SaveFiles.h"

#include <QCoreApplication>
#include <QSaveFile>

namespace {

constexpr int fileHeaderSize = 14;
constexpr int infoHeaderSize = 40;

// "BM", the file's size, two reserved words and where the rows start.
QByteArray FileHeader(qint64 dibSize)
{
    QByteArray header(fileHeaderSize, '\0');
    auto *bytes = reinterpret_cast<uchar *>(header.data());
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLe32(bytes + 2, quint32(fileHeaderSize + dibSize));
    PutLe32(bytes + 10, fileHeaderSize + infoHeaderSize);
    return header;
}

} // namespace

bool WriteBitmapFile(const QImage &picture, QIODevice &out)
{
    if (picture.isNull())
        return false;
    const QByteArray dib = EncodeDib(picture, DibDepthOf(picture));
    if (dib.isEmpty())
        return false;
    return out.write(FileHeader(dib.size())) == fileHeaderSize && out.write(dib) == dib.size();
}

std::optional<QString> SaveAsBitmapFile(const QImage &picture, const QString &fileName)
{
    if (picture.isNull())
        return QCoreApplication::translate("SaveFiles", "there is no picture to write");
    return SaveThrough(fileName, [&picture](QSaveFile &file) -> std::optional<QString> {
        if (!WriteBitmapFile(picture, file))
            return WriteFailure(file);
        return std::nullopt;
    });
}
