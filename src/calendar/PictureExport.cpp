#include "PictureExport.h"

#include "BitmapFile.h"
#include "CalendarPagePaint.h"
#include "NViewPictures.h"
#include "SaveFiles.h"

#include <QCoreApplication>

namespace {

// The quality the export asks of the JPEG encoder, on a 0 to 100 scale.
constexpr int JpegQuality = 80;

} // namespace

std::optional<QString> SaveCalendarToBitmap(const TCalendarPage &page, float scale,
                                            const QImage &pageBitmap, const QString &FileName,
                                            TPictureKind kind)
{
    return SavePictureToBitmap(PictureInsideMargins(page, scale, pageBitmap), FileName, kind);
}

std::optional<QString> SavePictureToBitmap(const QImage &picture, const QString &FileName,
                                           TPictureKind kind)
{
    if (picture.isNull())
        return QCoreApplication::translate("PictureExport",
                                           "the margins leave no picture to write");
    switch (kind) {
    case TPictureKind::Jpeg:
        return SaveAsJPEG(picture, JpegQuality, FileName);
    case TPictureKind::Png:
        return SaveImageFile(picture, FileName, "PNG");
    case TPictureKind::Bitmap:
        break;
    }
    return SaveAsBitmapFile(picture, FileName);
}

float ScaleForResolution(int dpi, int ppi)
{
    return float(double(dpi) / ppi);
}
