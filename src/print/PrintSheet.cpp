#include "PrintSheet.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Marks 5 mm long with 1 mm of white beyond them at the sheet's edge.
constexpr double markLengthMm = 5.0;
constexpr double markRoomMm = markLengthMm + 1.0;
// A quarter point: the hairline print services draw marks with.
constexpr double markWidthPt = 0.25;

int DevicePixels(double mm, int dpi)
{
    return int(std::lround(mm / 25.4 * dpi));
}

} // namespace

double SheetMarginMm(const TPrintSheet &sheet)
{
    return std::clamp(sheet.BleedMm, 0.0, TPrintSheet::MaxBleedMm) +
           (sheet.CropMarks ? markRoomMm : 0.0);
}

QSizeF SheetSizeMm(QSizeF trimMm, const TPrintSheet &sheet)
{
    const double margin = 2 * SheetMarginMm(sheet);
    return {trimMm.width() + margin, trimMm.height() + margin};
}

TRect BleedOut(const TRect &device, const TRect &trim, int bleed, int tolerance)
{
    TRect bled = device;
    if (device.Left <= trim.Left + tolerance)
        bled.Left = std::min(device.Left, trim.Left - bleed);
    if (device.Top <= trim.Top + tolerance)
        bled.Top = std::min(device.Top, trim.Top - bleed);
    if (device.Right >= trim.Right - tolerance)
        bled.Right = std::max(device.Right, trim.Right + bleed);
    if (device.Bottom >= trim.Bottom - tolerance)
        bled.Bottom = std::max(device.Bottom, trim.Bottom + bleed);
    return bled;
}

void DrawCropMarks(QPainter &painter, const TRect &trim, int bleed, int dpi)
{
    const int length = DevicePixels(markLengthMm, dpi);
    painter.save();
    painter.setClipping(false);
    painter.setPen(QPen(Qt::black, markWidthPt / 72.0 * dpi, Qt::SolidLine, Qt::FlatCap));
    for (const int x : {trim.Left, trim.Right}) {
        for (const int y : {trim.Top, trim.Bottom}) {
            // Away from the trim, to the left or right and up or down.
            const int dx = x == trim.Left ? -1 : 1;
            const int dy = y == trim.Top ? -1 : 1;
            const int startX = x + dx * bleed;
            const int startY = y + dy * bleed;
            painter.drawLine(QPointF(startX, y), QPointF(startX + dx * length, y));
            painter.drawLine(QPointF(x, startY), QPointF(x, startY + dy * length));
        }
    }
    painter.restore();
}
