#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "FuzzSupport.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

QByteArray StyleSheetOf(const TCalendarPage &page)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (page.SaveStyleSheetToDevice(out))
        std::abort();
    return out.data();
}

std::optional<ReadError> LoadStyleSheet(TCalendarPage &page, const QByteArray &bytes)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return page.LoadStyleSheetFromDevice(in);
}

} // namespace

// Any bytes read as a document and as a style sheet: loads may fail, never
// crash, hang or run away. A document that loads is written and drawn. A
// style sheet that loads writes back to bytes that load to the same style
// sheet again.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    TCalendarPage document;
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    if (!document.LoadFromDevice(in)) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        (void)document.SaveToDevice(out);
        // Drawn as the screen and the picture export draw it, at one of the
        // zooms the program offers (20 % to 100 %): cells, title, pictures
        // and placed objects laid out and painted, whatever bounds they claim.
        document.SetScale(float(0.201 + 0.1 * double(size % 9)));
        (void)RenderToBitmap(document);
    }

    TCalendarPage styleSheet;
    if (!LoadStyleSheet(styleSheet, bytes)) {
        const QByteArray written = StyleSheetOf(styleSheet);
        TCalendarPage again;
        if (LoadStyleSheet(again, written) || StyleSheetOf(again) != written)
            std::abort();
    }
    return 0;
}
