#include "CellTextCache.h"

#include "RichTextPainter.h"

TCellTextCache::TCellTextCache() = default;
TCellTextCache::~TCellTextCache() = default;

const TWPRichTextLayout &TCellTextCache::Layout(int index, const TWPRTFTextPaint &document,
                                                double width)
{
    std::unique_ptr<TWPRichTextLayout> &layout = m_layouts.at(index - 1);
    if (!layout || !layout->IsLayoutOf(document, width))
        layout = std::make_unique<TWPRichTextLayout>(document, width);
    return *layout;
}
