#include "FuzzSupport.h"
#include "RtfDocument.h"

#include <QByteArray>

#include <cstdint>

// Any bytes read as RTF: the reader may fail, never crash, hang or run away.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const QByteArray rtf(reinterpret_cast<const char *>(data), qsizetype(size));
    TWPRTFTextPaint document;
    if (document.LoadData(rtf))
        (void)document.SaveData();
    return 0;
}
