#include "FuzzSupport.h"
#include "LittleEndian.h"
#include "LumImage.h"
#include "LumPicture.h"

#include <QByteArray>
#include <QImage>
#include <QPainter>

#include <cstdint>

namespace {

// What comes before the picture's stored data: the zoom, one of the nine
// the program offers (20 % to 100 %, as scales 0.201 to 1.001), and the
// object's width and height at 100 %, 16 bits each.
constexpr qsizetype HeaderSize = 5;
constexpr int ZoomSteps = 9;
// The page at 100 %: Letter across, in pixels.
constexpr int PageWidth = 1056;
constexpr int PageHeight = 816;

} // namespace

// Any bytes read as a picture object: a zoom and bounds as large as a
// document may claim, then the object's stored picture. The object is drawn
// onto a page at that zoom, as the screen and the picture export draw it,
// and its picture written back: none of it may crash, hang or run away with
// memory, whatever bounds it claims, and a picture that does not read is
// written back unchanged.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    if (input.size() < HeaderSize)
        return 0;
    const float zoom = float(0.201 + 0.1 * (quint8(input[0]) % ZoomSteps));
    const QByteArray bytes = input.mid(HeaderSize);
    TLumImage image;
    image.SetPictureData(bytes);
    image.SetObjectBounds(-8, -8, int(Le16(input, 1)), int(Le16(input, 3)));
    QImage page(int(PageWidth * zoom), int(PageHeight * zoom), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    image.PaintAt(painter, zoom);
    const TLumPicture &picture = image.Picture();
    if (!picture.CanDraw() && picture.StoredData() != bytes)
        __builtin_trap();
    return 0;
}
