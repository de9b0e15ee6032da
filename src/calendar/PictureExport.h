#pragma once

#include <QImage>
#include <QString>

class TCalendarPage;

// Writes the page's bitmap (its RenderToBitmap at the zoom), the margins cut
// off, to FileName as a bitmap file, or as a JPEG file of quality 80 through
// the picture library. True only when the file was written, so that the
// caller can say so.
bool SaveCalendarToBitmap(const TCalendarPage &page, const QImage &pageBitmap,
                          const QString &FileName, bool AsJPEG);
