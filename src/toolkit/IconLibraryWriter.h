#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <optional>

// Writing icon libraries: 16-bit resource files (".ICL") whose icon groups
// hold one or more images each.

// The images of one icon, each at most 256 pixels wide and high.
using TIconImages = QList<QImage>;

// One image as an icon resource holds it: a 32-bit bitmap with alpha, twice
// as high as the image (the colour rows bottom-up, then a 1-bit mask that
// marks the pixels less than half opaque, for displays without alpha).
QByteArray IconImageData(const QImage &image);

// The directory entry bytes an image's data is described by: width, height
// (0 for 256), colour count, reserved, planes and bit count.
QByteArray IconEntryHead(const QImage &image);

// An icon library holding icons, in that order, named moduleName; empty
// when there are none, more than 0x7FFF images in all, or an image that is
// empty or larger than 256 pixels.
QByteArray IconLibraryBytes(const QList<TIconImages> &icons, const QString &moduleName);

// Writes the library to fileName, replacing it only when the whole file was
// written; why it failed.
std::optional<QString> SaveIconLibrary(const QString &fileName, const QList<TIconImages> &icons,
                                       const QString &moduleName);
