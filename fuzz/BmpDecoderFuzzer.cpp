#include "BmpDecoder.h"
#include "FuzzSupport.h"
#include "PackedDib.h"

#include <QByteArrayView>

#include <cstdint>

// Any bytes read as a BMP picture: the decoder may fail, never crash, hang or
// allocate without bound; a decoded picture becomes a packed bitmap.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const TDecodedPicture picture =
        DecodeBmp(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    (void)MakePackedDib(picture.Image);
    return 0;
}
