#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QSize>

// One image of an icon: icons come as groups of images of several sizes and
// colour depths, of which the display shows the one that suits it best.

// The size icons are shown at, and the colour depth of the display.
inline constexpr int IconSide = 32;
inline constexpr int DisplayBits = 32;
// The largest image an icon may hold, in either direction.
inline constexpr int MaxIconImageSide = 256;

// What an icon's directory says of one of its images, and its data: a
// device-independent bitmap of twice the image's height (the colour rows,
// then a 1-bit transparency mask) or a PNG picture.
struct TIconImageInfo
{
    int Width = 0;
    int Height = 0;
    int Bits = 0;
    QByteArrayView Data;
};

// What an image is, from a directory entry's width and height (0 standing
// for 256), bit count and colour count, where its data's own header does not
// say: the header's size and depth win (PNG pictures count as 32 bits); a
// directory's bit count of 0 is what its colour count implies (0 standing
// for 256 colours).
TIconImageInfo DescribeIconImage(QByteArrayView data, quint8 width, quint8 height, quint16 bitCount,
                                 quint8 colorCount);

// The indices of images, the one that suits a display showing icons at
// size with displayBits per pixel best first: the image of exactly that size,
// else the smallest larger one, else the largest smaller one; among images of
// one size the deepest that the display can show.
QList<int> ImagesByPreference(const QList<TIconImageInfo> &images,
                              QSize size = {IconSide, IconSide}, int displayBits = DisplayBits);

// The picture of an image's data with its transparency; null when the data
// is neither a bitmap nor a PNG picture that can be read, or is larger than
// MaxIconImageSide.
QImage DecodeIconImage(QByteArrayView data);
