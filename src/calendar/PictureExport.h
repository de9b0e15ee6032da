#pragma once

#include <QImage>
#include <QString>

#include <optional>

class TCalendarPage;

// Writes the page's bitmap (its RenderToBitmap at the zoom), the margins cut
// off, to FileName as a bitmap file, or as a JPEG file of quality 80 through
// the picture library. Why the file was not written, so that the caller can
// say so.
std::optional<QString> SaveCalendarToBitmap(const TCalendarPage &page, const QImage &pageBitmap,
                                            const QString &FileName, bool AsJPEG);

// Writes picture, a page already cut to its margins, the same way.
std::optional<QString> SavePictureToBitmap(const QImage &picture, const QString &FileName,
                                           bool AsJPEG);

// The page's scale for a picture of dpi dots per inch on a screen of ppi
// pixels per inch: the page's pixels at scale 1 are the screen's.
float ScaleForResolution(int dpi, int ppi);
