#include "FuzzSupport.h"
#include "PackedDib.h"
#include "PcxDecoder.h"

#include <QByteArrayView>

#include <cstdint>

// Any bytes read as a PCX picture: the decoder may fail, never crash, hang or
// allocate without bound; a decoded picture becomes a packed bitmap.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const TDecodedPicture picture =
        DecodePcx(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    (void)MakePackedDib(picture.Image);
    return 0;
}
