#include "MasterRichText.h"

#include "RtfDocument.h"

#include <QPainter>

int TMasterRichText::RenderPage(QPainter &canvas, const TWPRTFTextPaint &document,
                                const QRect &rect, double layoutWidth, int zoomPercent,
                                TWPPaintTarget target,
                                std::shared_ptr<const TWPRichTextLayout> *kept) const
{
    if (layoutWidth <= 0 || rect.isEmpty())
        return 0;
    const int zoom = EffectiveZoom(zoomPercent);
    const double visible = UnzoomedWidth(rect.height(), zoom);
    std::shared_ptr<const TWPRichTextLayout> layout = kept ? *kept : nullptr;
    if (!layout || !layout->IsLayoutOf(document, layoutWidth) || layout->VisibleHeight() < visible)
        layout = std::make_shared<const TWPRichTextLayout>(document, layoutWidth, visible);
    if (kept)
        *kept = layout;
    return layout->Paint(canvas, rect.topLeft(), rect.height(), 0, zoom, target);
}

TMasterRichText &SharedMasterRichText()
{
    static TMasterRichText master;
    return master;
}
