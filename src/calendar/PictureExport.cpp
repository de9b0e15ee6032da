#include "PictureExport.h"

#include "BitmapFile.h"
#include "CalendarPagePaint.h"
#include "NViewPictures.h"

namespace {

// The quality the export asks of the JPEG encoder, on a 0 to 100 scale.
constexpr int JpegQuality = 80;

} // namespace

std::optional<QString> SaveCalendarToBitmap(const TCalendarPage &page, const QImage &pageBitmap,
                                            const QString &FileName, bool AsJPEG)
{
    return SavePictureToBitmap(PictureInsideMargins(page, pageBitmap), FileName, AsJPEG);
}

std::optional<QString> SavePictureToBitmap(const QImage &picture, const QString &FileName,
                                           bool AsJPEG)
{
    if (picture.isNull())
        return QStringLiteral("the margins leave no picture to write");
    return AsJPEG ? SaveAsJPEG(picture, JpegQuality, FileName)
                  : SaveAsBitmapFile(picture, FileName);
}

float ScaleForResolution(int dpi, int ppi)
{
    return float(double(dpi) / ppi);
}
