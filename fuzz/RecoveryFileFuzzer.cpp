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
    TPageParts parts;
    parts.Style = copy->Page.Style;
    for (int index = 1; index <= CellCount; ++index)
        parts.Cells.emplace(index, copy->Page.Cells[index - 1]);
    parts.Objects = copy->Page.Objects;
    parts.ObjectNames = copy->Page.ObjectNames;
    TCalendarPage page;
    TPageSnapshot shown = CapturePage(page);
    RestoreParts(page, parts, shown);
    (void)CapturePage(page);
    return 0;
}
