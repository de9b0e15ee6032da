#include "PictureFit.h"

#include <algorithm>
#include <cmath>

QStringList ImageFitNames()
{
    return {QStringLiteral("ifStretch"), QStringLiteral("ifFit"), QStringLiteral("ifFill")};
}

namespace {

// Less overflow than this is rounding, not a picture to move.
constexpr double MinOverflow = 0.5;

// The picture scaled by the larger or the smaller of the two ratios.
QSizeF Scaled(QSizeF picture, const QRectF &frame, bool cover)
{
    const double x = frame.width() / picture.width();
    const double y = frame.height() / picture.height();
    return picture * (cover ? std::max(x, y) : std::min(x, y));
}

// The crop on one axis: the share of overflow hidden before the picture,
// less the share moved.
int DraggedShare(double overflow, int crop, double moved)
{
    if (overflow < MinOverflow)
        return crop;
    const double share = crop - 100.0 * moved / overflow;
    return int(std::lrint(std::clamp(share, 0.0, 100.0)));
}

// The part of a picture landing as whole that shows in target, a part of whole.
TFittedPicture Placed(QSizeF picture, const QRectF &whole, const QRectF &target)
{
    const double perX = picture.width() / whole.width();
    const double perY = picture.height() / whole.height();
    const QRectF source((target.left() - whole.left()) * perX, (target.top() - whole.top()) * perY,
                        target.width() * perX, target.height() * perY);
    return {source, target, whole};
}

} // namespace

TFittedPicture FitPicture(QSizeF picture, const QRectF &frame, TImageFit fit, int CropX, int CropY)
{
    if (picture.isEmpty() || frame.isEmpty())
        return {};
    if (fit == ifStretch)
        return {QRectF(QPointF(), picture), frame, frame};
    const QSizeF size = Scaled(picture, frame, fit == ifFill);
    const double x = std::clamp(CropX, 0, 100) / 100.0;
    const double y = std::clamp(CropY, 0, 100) / 100.0;
    const QRectF whole(frame.left() + (frame.width() - size.width()) * (fit == ifFill ? x : 0.5),
                       frame.top() + (frame.height() - size.height()) * (fit == ifFill ? y : 0.5),
                       size.width(), size.height());
    return Placed(picture, whole, whole.intersected(frame));
}

TFittedPicture BledPicture(QSizeF picture, const QRectF &frame, const QRectF &bled, TImageFit fit,
                           int CropX, int CropY)
{
    const TFittedPicture placed = FitPicture(picture, frame, fit, CropX, CropY);
    if (fit == ifFit || placed.Whole.isEmpty() || bled == frame)
        return placed;
    // What overflows the frame shows in the bleed; where too little does,
    // the picture is fitted to the bleed's frame instead.
    if (placed.Whole.contains(bled))
        return Placed(picture, placed.Whole, bled);
    return FitPicture(picture, bled, fit, CropX, CropY);
}

QPoint DraggedCrop(QSizeF picture, QSizeF frame, QPoint Crop, QPointF Moved)
{
    if (picture.isEmpty() || frame.isEmpty())
        return Crop;
    const QSizeF size = Scaled(picture, QRectF(QPointF(), frame), true);
    return {DraggedShare(size.width() - frame.width(), Crop.x(), Moved.x()),
            DraggedShare(size.height() - frame.height(), Crop.y(), Moved.y())};
}

bool FillOverflows(QSizeF picture, QSizeF frame)
{
    if (picture.isEmpty() || frame.isEmpty())
        return false;
    const QSizeF size = Scaled(picture, QRectF(QPointF(), frame), true);
    return size.width() - frame.width() >= MinOverflow ||
           size.height() - frame.height() >= MinOverflow;
}
