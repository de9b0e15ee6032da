#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>

// Icon files made to order, for the icon readers' tests, benchmarks and
// fuzz corpora: icon files, program files with icon resources, and damaged
// ones.

// One image of an icon: its directory entry's first 12 bytes' worth (width,
// height, colour count, reserved, planes, bit count) and its data.
struct TSampleImage
{
    QByteArray Head;
    QByteArray Data;
};

// An image as a 32-bit bitmap with mask, or as a PNG picture.
TSampleImage BitmapImage(const QImage &image);
TSampleImage PngImage(const QImage &image);
// A 4-bit bitmap image of 16 colours (the standard palette's first entries)
// whose pixels are given as palette indices and whose mask marks the pixels
// of transparent (row by row, width x height).
TSampleImage FourBitImage(int width, int height, const QList<int> &indices,
                          const QList<bool> &transparent);

// An icon file holding one icon of these images.
QByteArray IcoFile(const QList<TSampleImage> &images);
// A 32-bit (or, with plus, 64-bit) library whose resources hold these icons.
QByteArray PeFile(const QList<QList<TSampleImage>> &icons, bool plus = false);
// An icon library of these icons, each of one 32 x 32 image.
QByteArray IclFile(const QList<QImage> &icons);

// A square of side pixels in colour with a transparent top-left pixel.
QImage SampleIcon(int side, QColor colour);

// Damaged files: directories counting far more entries than the file holds,
// resource tables whose alignment shift puts everything past the end, and
// resource trees whose directories point at themselves.
QByteArray CountingIco();
QByteArray FarShiftedIcl();
QByteArray SelfPointingPe();
