#include "CalendarPage.h"
#include "FuzzSupport.h"
#include "RecoveryFile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

// Any bytes read as a recovery copy: reading may fail, never crash, hang or
// run away. A copy that reads writes back to bytes that read again, and is
// put on a page whole.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<TRecoveryCopy> copy = ReadRecoveryBytes(bytes);
    if (!copy)
        return 0;
    if (!ReadRecoveryBytes(RecoveryBytes(*copy)))
        std::abort();
    TCalendarPage page;
    TPageSnapshot shown = CapturePage(page);
    RestoreParts(page, AllParts(copy->Page), shown);
    (void)CapturePage(page);
    return 0;
}
