#pragma once

#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

// How a picture object shows its picture in its frame: stretched over it,
// whole and as large as fits (the rest of the frame white), or covering it
// with the overflow cut off.
enum TImageFit : int { ifStretch, ifFit, ifFill };

// The identifiers documents store the choices by.
QStringList ImageFitNames();

// Where the part of a picture that shows is taken from and where it lands.
struct TFittedPicture
{
    // In the picture's own pixels.
    QRectF Source;
    // In the frame's coordinates, inside the frame.
    QRectF Target;
    // Where the whole picture would land; beyond the frame for ifFill.
    QRectF Whole;
};

// A picture of size picture shown in frame as fit says. CropX and CropY (0
// to 100) place an overflowing picture: 0 shows its left or top edge, 100
// its right or bottom edge, 50 its centre. Empty rectangles when the picture
// or the frame is empty.
TFittedPicture FitPicture(QSizeF picture, const QRectF &frame, TImageFit fit, int CropX, int CropY);

// The same picture on a sheet with a bleed: frame drawn on into bled, a
// larger frame around it. A picture that overflows its frame far enough
// shows its overflow there, unmoved; otherwise it is fitted to bled. A
// picture shown whole (ifFit) keeps to its frame.
TFittedPicture BledPicture(QSizeF picture, const QRectF &frame, const QRectF &bled, TImageFit fit,
                           int CropX, int CropY);

// The crop that shows a picture covering a frame (ifFill) moved by Moved
// frame pixels from where Crop placed it: the picture follows the pointer
// and stops where its edge would leave the frame. CropX is the share of the
// overflow hidden on the left, so a move right by the whole overflow takes
// it from 100 to 0; an axis without overflow keeps its value.
QPoint DraggedCrop(QSizeF picture, QSizeF frame, QPoint Crop, QPointF Moved);

// Whether a picture covering a frame overflows it by at least half a pixel.
bool FillOverflows(QSizeF picture, QSizeF frame);
