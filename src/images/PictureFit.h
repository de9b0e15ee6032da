#pragma once

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
