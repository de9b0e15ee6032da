#pragma once

#include "CalendarAttributes.h"
#include "DocumentWatch.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QSize>

#include <array>
#include <memory>

class TWPRichTextLayout;
class TWPRTFTextPaint;

// What the page keeps between paints so that a repaint redoes only what
// changed: each day cell's painted text (kept until the cell's document, its
// size or the zoom changes; shared by cells holding the same text) and each mini calendar's picture
// (kept while the month and everything the mini is drawn with stay the same).
class TPaintCache
{
public:
    TPaintCache();
    ~TPaintCache();
    TPaintCache(const TPaintCache &) = delete;
    TPaintCache &operator=(const TPaintCache &) = delete;

    // Cell index's (1 to 42) document painted over white into size pixels at
    // zoomPercent, its lines broken at the unzoomed width, in a picture of
    // pixelRatio device pixels to each of them.
    const QImage &CellText(int index, const TWPRTFTextPaint &document, QSize size, int zoomPercent,
                           qreal pixelRatio = 1);

    // The mini calendar attributes describe, drawn into a picture the size of
    // its CalRect (its top left at the picture's origin) at pixelRatio.
    const QImage &MiniCalendar(const TCalendarAttributes &attributes, qreal pixelRatio = 1);

private:
    struct TCellText
    {
        TDocumentWatch Source;
        std::shared_ptr<const TWPRichTextLayout> Layout;
        QImage Image;
        int ZoomPercent = 0;

        bool Shows(QSize size, int zoomPercent, qreal pixelRatio) const;
    };

    // Another cell's layout of the same content at width, shared rather than
    // laid out again: cells often repeat an entry.
    const TCellText *SameTextElsewhere(const TWPRTFTextPaint &document, double width) const;

    std::array<TCellText, CellCount> m_cells;
    QHash<QByteArray, QImage> m_minis;
};
