#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CalendarSet.h"
#include "FuzzSupport.h"
#include "LumImage.h"

#include <QBuffer>
#include <QByteArray>
#include <QSet>

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

// What the pictures of page's picture objects are made of: the pixels of
// bitmaps and icons, the metafiles.
QSet<qint64> PictureKeys(const TCalendarPage &page)
{
    QSet<qint64> keys;
    for (const TLumGraphicControl *object : page.Objects().Objects()) {
        const auto *image = dynamic_cast<const TLumImage *>(object);
        if (!image || !image->Picture().CanDraw())
            continue;
        const TLumPicture &picture = image->Picture();
        keys.insert(picture.IsMetafile() ? qint64(quintptr(picture.Metafile()))
                                         : picture.Image().cacheKey());
    }
    return keys;
}

// Draws page of a set of two made from document, the document's own period
// (0) or the next (1): its picture objects take the document's pictures as
// they are, never decoded again.
void DrawSetPage(const TCalendarPage &document, int page)
{
    const TCalendarSet set(document, TCalendarSet::PeriodOf(document), 2, {});
    const auto drawn = set.Page(page);
    if (!PictureKeys(document).contains(PictureKeys(*drawn)))
        std::abort();
    (void)RenderToBitmap(*drawn);
}

} // namespace

// Any bytes read as a document and as a style sheet: loads may fail, never
// crash, hang or run away. A document that loads is written and drawn, as
// it is or as a page of a set. A style sheet that loads writes back to bytes
// that load to the same style sheet again.
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
        const float zoom = float(0.201 + 0.1 * double(size % 9));
        if (const int kind = int(size / 9 % 3); kind == 0)
            (void)PageBitmapAt(document, zoom);
        else
            DrawSetPage(document, kind - 1);
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
