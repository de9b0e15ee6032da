#include "FuzzSupport.h"
#include "IconDrag.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

// Any bytes dropped as an icon: either no icon or one within the size limit.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QImage icon = IconFromBytes(bytes);
    if (!icon.isNull() && (icon.width() > MaxIconSide || icon.height() > MaxIconSide))
        std::abort();
    return 0;
}
