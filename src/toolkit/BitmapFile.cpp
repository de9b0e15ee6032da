#include "BitmapFile.h"

#include "DibEncoder.h"
#include "LittleEndian.h"

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

bool SaveAsBitmapFile(const QImage &picture, const QString &fileName)
{
    if (picture.isNull() || fileName.isEmpty())
        return false;
    const QByteArray dib = EncodeDib(picture, DibDepthOf(picture));
    if (dib.isEmpty())
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(FileHeader(dib.size())) != fileHeaderSize || file.write(dib) != dib.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
