#pragma once

#include <QImage>
#include <QString>

#include <optional>

class TCalendarPage;

// The kinds of picture file the page is saved as.
enum class TPictureKind { Bitmap, Jpeg, Png };

// Writes the page's bitmap drawn at scale (its PageBitmapAt), the margins
// cut off, to FileName as a bitmap file, as a JPEG file of quality 80
// through the picture library, or as a PNG file carrying the picture's
// resolution. Why the file was not written, so that the caller can say so.
std::optional<QString> SaveCalendarToBitmap(const TCalendarPage &page, float scale,
                                            const QImage &pageBitmap, const QString &FileName,
                                            TPictureKind kind);

// Writes picture, a page already cut to its margins, the same way.
std::optional<QString> SavePictureToBitmap(const QImage &picture, const QString &FileName,
                                           TPictureKind kind);

// The page's scale for a picture of dpi dots per inch on a screen of ppi
// pixels per inch: the page's pixels at scale 1 are the screen's.
float ScaleForResolution(int dpi, int ppi);
