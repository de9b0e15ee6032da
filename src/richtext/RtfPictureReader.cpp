#include "RtfPictureReader.h"

#include "DeviceBitmap.h"
#include "DibDecoder.h"
#include "RtfTokenizer.h"
#include "RtfWordTable.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <array>
#include <limits>

namespace {

// Twips per pixel at the 96 pixels per inch a picture's size in pixels assumes.
constexpr int twipsPerPixel = 1440 / 96;

int Scaled(int size, int percent)
{
    return int(std::clamp<qint64>(qint64(size) * percent / 100, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

// A DIB without \wbmbitspixel takes the depth its own header gives.
int DibBitsPixel(const TWPPicture &picture)
{
    TDibHeader header;
    if (picture.Kind != TWPPictureKind::Dib || picture.BitsPixel != 0 ||
        !ReadDibHeader(picture.Data, TDibColors::Rgb, header).isEmpty())
        return picture.BitsPixel;
    return header.Bits;
}

} // namespace

void RtfPictureReader::Word(QByteArrayView word, int value)
{
    struct TypeWord
    {
        QByteArrayView name;
        Type type;
    };
    static constexpr std::array types = {
        TypeWord{"dibitmap", Type::Dib},       TypeWord{"wbitmap", Type::Bitmap},
        TypeWord{"wmetafile", Type::Metafile}, TypeWord{"pngblip", Type::Png},
        TypeWord{"jpegblip", Type::Jpeg},      TypeWord{"emfblip", Type::None},
        TypeWord{"macpict", Type::None},       TypeWord{"pmmetafile", Type::None},
    };
    struct SizeWord
    {
        QByteArrayView name;
        int RtfPictureReader::*field;
    };
    static constexpr std::array sizes = {
        SizeWord{"picw", &RtfPictureReader::m_width},
        SizeWord{"pich", &RtfPictureReader::m_height},
        SizeWord{"picwgoal", &RtfPictureReader::m_goalWidth},
        SizeWord{"pichgoal", &RtfPictureReader::m_goalHeight},
        SizeWord{"wbmbitspixel", &RtfPictureReader::m_bitsPixel},
        SizeWord{"wbmplanes", &RtfPictureReader::m_planes},
        SizeWord{"wbmwidthbytes", &RtfPictureReader::m_widthBytes},
    };
    if (const TypeWord *type = FindWord(types, word))
        m_type = type->type;
    else if (const SizeWord *size = FindWord(sizes, word))
        this->*size->field = value;
    else if (word == "picscalex")
        m_scaleX = std::clamp(value, 1, 10000);
    else if (word == "picscaley")
        m_scaleY = std::clamp(value, 1, 10000);
}

void RtfPictureReader::Hex(char c)
{
    const int digit = HexDigitValue(c);
    if (digit < 0)
        return;
    if (m_nibble < 0) {
        m_nibble = digit;
        return;
    }
    m_data.append(char((m_nibble << 4) | digit));
    m_nibble = -1;
}

void RtfPictureReader::Binary(QByteArrayView bytes)
{
    m_data.append(bytes.toByteArray());
    m_nibble = -1;
}

std::optional<TWPPicture> RtfPictureReader::Picture(TPictureBudget &budget) const
{
    if (m_data.isEmpty() || m_type == Type::None)
        return {};
    if (m_type == Type::Png || m_type == Type::Jpeg)
        return CompressedPicture(budget);
    return RawPicture(budget);
}

// A PNG or JPEG picture is kept as its image; its display size is the one the
// group gives only when it gives both sides. One the budget refuses keeps its
// place as an empty frame of that size.
std::optional<TWPPicture> RtfPictureReader::CompressedPicture(TPictureBudget &budget) const
{
    QBuffer buffer;
    buffer.setData(m_data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, m_type == Type::Png ? "PNG" : "JPEG");
    const QSize size = reader.size();
    if (!size.isValid())
        return {};
    // The image and the bitmap bytes that write it back: room for two.
    const qint64 width = size.width();
    const qint64 height = 2 * qint64(size.height());
    QImage image;
    if (budget.Take(width, height, 2 * maxDibPixels) && !reader.read(&image)) {
        budget.Return(width, height);
        return {};
    }
    TWPPicture picture = TWPPicture::FromImage(image);
    if (image.isNull()) {
        picture.GoalWidth = size.width() * twipsPerPixel;
        picture.GoalHeight = size.height() * twipsPerPixel;
    }
    if (m_goalWidth > 0 && m_goalHeight > 0) {
        picture.GoalWidth = Scaled(m_goalWidth, m_scaleX);
        picture.GoalHeight = Scaled(m_goalHeight, m_scaleY);
    }
    return picture;
}

// Bitmaps and metafiles keep the bytes the RTF carries, to be written back.
// A bitmap the budget refuses keeps its bytes, to be written back, and shows
// as an empty frame.
TWPPicture RtfPictureReader::RawPicture(TPictureBudget &budget) const
{
    TWPPicture picture;
    picture.Data = m_data;
    if (m_type == Type::Dib) {
        picture.Kind = TWPPictureKind::Dib;
        TDibHeader header;
        if (ReadDibHeader(m_data, TDibColors::Rgb, header).isEmpty() &&
            budget.Take(header.Width, header.Rows(), maxDibPixels)) {
            TDibOptions options;
            options.KeepAlpha = true; // pictures put in with transparency keep it
            picture.Image = DecodeDib(m_data, options).Image;
            if (picture.Image.isNull())
                budget.Return(header.Width, header.Rows());
        }
    } else if (m_type == Type::Bitmap) {
        picture.Kind = TWPPictureKind::Bitmap;
        if (budget.Take(m_width, m_height, maxDibPixels)) {
            picture.Image =
                DecodeBitmap(m_data, m_width, m_height, m_bitsPixel, m_planes, m_widthBytes);
            if (picture.Image.isNull())
                budget.Return(m_width, m_height);
        }
    } else {
        picture.Kind = TWPPictureKind::Metafile;
    }
    picture.Width = m_width;
    picture.Height = m_height;
    picture.GoalWidth = Scaled(m_goalWidth, m_scaleX);
    picture.GoalHeight = Scaled(m_goalHeight, m_scaleY);
    picture.BitsPixel = m_bitsPixel;
    picture.Planes = m_planes;
    picture.WidthBytes = m_widthBytes;
    picture.BitsPixel = DibBitsPixel(picture);
    return picture;
}

std::optional<TWPPicture> RtfPictureReader::FileReference(const QString &text) const
{
    QString name = text.trimmed();
    if (name.size() >= 2 && name.startsWith(u'"') && name.endsWith(u'"'))
        name = name.mid(1, name.size() - 2);
    if (name.isEmpty())
        return {};
    TWPPicture picture;
    picture.Kind = TWPPictureKind::FileReference;
    picture.FileName = name;
    picture.Width = m_width;
    picture.Height = m_height;
    picture.GoalWidth = m_goalWidth;
    picture.GoalHeight = m_goalHeight;
    return picture;
}
