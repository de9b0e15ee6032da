#include "FuzzSupport.h"
#include "RichTextPainter.h"
#include "RtfDocument.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <cstdint>

// Any bytes read as RTF: the reader may fail, never crash, hang or run away.
// What it reads is written back and drawn into a cell-sized image, at the
// zoom shown and as printed.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const QByteArray rtf(reinterpret_cast<const char *>(data), qsizetype(size));
    TWPRTFTextPaint document;
    if (!document.LoadData(rtf))
        return 0;
    (void)document.SaveData();
    QImage cell(140, 100, QImage::Format_RGB32);
    cell.fill(Qt::white);
    QPainter painter(&cell);
    PaintRichText(painter, document, QPointF(0, 0), 140, 100, 0, 100);
    PaintRichText(painter, document, QPointF(0, 0), 140, 100, 0, 250, TWPPaintTarget::Metafile);
    return 0;
}
