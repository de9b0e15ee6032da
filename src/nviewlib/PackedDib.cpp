#include "PackedDib.h"

#include "DibEncoder.h"

#include <new>

qint64 PackedDibSize(int width, int height)
{
    return EncodedDibSize(width, height, TDibDepth::Rgb32);
}

std::unique_ptr<uchar[]> MakePackedDib(const QImage &picture)
{
    if (picture.isNull())
        return nullptr;
    std::unique_ptr<uchar[]> dib(new (std::nothrow)
                                     uchar[PackedDibSize(picture.width(), picture.height())]);
    if (!dib || !WriteDib(picture, TDibDepth::Rgb32, dib.get()))
        return nullptr;
    return dib;
}
