#include "BmpDecoder.h"

#include "DibDecoder.h"
#include "LittleEndian.h"

using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype fileHeaderSize = 14;
constexpr qsizetype pixelsOffsetAt = 10;

} // namespace

TDecodedPicture DecodeBmp(QByteArrayView bytes)
{
    if (bytes.size() < fileHeaderSize || !bytes.startsWith("BM"))
        return PictureFailure(u"not a BMP file"_s);
    TDibOptions options;
    // The file header counts the offset of the rows from the start of the file.
    options.PixelsAt = qint64(Le32(bytes, pixelsOffsetAt)) - fileHeaderSize;
    options.MaxPixels = MaxPicturePixels;
    return DecodeDib(bytes.sliced(fileHeaderSize), options);
}
