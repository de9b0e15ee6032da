#pragma once

#include "CalendarTypes.h"

#include <array>
#include <memory>

class TWPRichTextLayout;
class TWPRTFTextPaint;

// The laid-out text of the 42 day cells, kept between paints: a cell is laid
// out again only when its document, its size or the zoom has changed.
class TCellTextCache
{
public:
    TCellTextCache();
    ~TCellTextCache();
    TCellTextCache(const TCellTextCache &) = delete;
    TCellTextCache &operator=(const TCellTextCache &) = delete;

    // The layout of cell index (1 to 42) holding document at width layout
    // units, made anew when the kept one no longer fits.
    const TWPRichTextLayout &Layout(int index, const TWPRTFTextPaint &document, double width);

private:
    std::array<std::unique_ptr<TWPRichTextLayout>, CellCount> m_layouts;
};
