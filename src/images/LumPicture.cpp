#include "LumPicture.h"

#include "BitmapFile.h"
#include "BmpDecoder.h"
#include "IconPicture.h"
#include "LittleEndian.h"
#include "Numbers.h"
#include "Ppi.h"
#include "WmfPicture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QString bitmapClass = u"TBitmap"_s;
const QString iconClass = u"TIcon"_s;
const QString metafileClass = u"TMetafile"_s;

constexpr qsizetype lengthSize = 4;

// The bitmap's file behind its 4-byte length; empty when the length runs
// past the data.
QByteArray BitmapFileOf(const QByteArray &data)
{
    if (data.size() < lengthSize)
        return {};
    const qint64 length = Le32(data, 0);
    if (length > data.size() - lengthSize)
        return {};
    return data.mid(lengthSize, length);
}

QByteArray LengthPrefixed(const QByteArray &file)
{
    QByteArray out(lengthSize, '\0');
    PutLe32(reinterpret_cast<uchar *>(out.data()), quint32(file.size()));
    return out + file;
}

// A screen-pixel size of a length in metafile units.
int MetafilePixels(double units, int unitsPerInch)
{
    if (unitsPerInch <= 0)
        return Round(units);
    return Round(units * double(ScreenPpi()) / double(unitsPerInch));
}

} // namespace

TLumPicture TLumPicture::FromBitmap(const QImage &image)
{
    TLumPicture picture;
    if (image.isNull())
        return picture;
    picture.m_kind = TKind::Bitmap;
    picture.m_image = image;
    return picture;
}

std::optional<TLumPicture> TLumPicture::FromIconFile(const QByteArray &bytes, QString &error)
{
    TDecodedPicture decoded = DecodeIconFile(bytes);
    if (decoded.Image.isNull()) {
        error = decoded.Error;
        return std::nullopt;
    }
    TLumPicture picture;
    picture.m_kind = TKind::Icon;
    picture.m_image = std::move(decoded.Image);
    picture.m_bytes = bytes;
    return picture;
}

std::optional<TLumPicture> TLumPicture::FromMetafileFile(const QByteArray &bytes, QString &error)
{
    std::optional<TWmfPicture> metafile = TWmfPicture::Read(bytes, error);
    if (!metafile)
        return std::nullopt;
    TLumPicture picture;
    picture.m_kind = TKind::Metafile;
    picture.m_metafile = std::make_shared<const TWmfPicture>(std::move(*metafile));
    picture.m_bytes = bytes;
    return picture;
}

TLumPicture TLumPicture::FromStoredData(const QByteArray &data)
{
    TLumPicture unreadable;
    unreadable.m_kind = TKind::Unreadable;
    unreadable.m_bytes = data;
    if (data.isEmpty())
        return {};
    const qsizetype nameLength = quint8(data[0]);
    if (1 + nameLength > data.size()) {
        unreadable.m_error =
            QCoreApplication::translate("Pictures", "the picture's class name runs past its data");
        return unreadable;
    }
    const QString className = QString::fromLatin1(data.mid(1, nameLength));
    const QByteArray graphic = data.mid(1 + nameLength);
    std::optional<TLumPicture> read;
    QString error;
    if (className == bitmapClass) {
        TDecodedPicture decoded = DecodeBmp(BitmapFileOf(graphic));
        error = decoded.Error;
        if (!decoded.Image.isNull())
            read = FromBitmap(decoded.Image);
    } else if (className == iconClass) {
        read = FromIconFile(graphic, error);
    } else if (className == metafileClass) {
        read = FromMetafileFile(graphic, error);
    } else {
        error = QCoreApplication::translate("Pictures", "pictures of the class %1 are not drawn")
                    .arg(className);
    }
    if (read)
        return *read;
    unreadable.m_error = error;
    return unreadable;
}

QByteArray TLumPicture::StoredData() const
{
    const auto named = [](const QString &className, const QByteArray &graphic) {
        return char(className.size()) + className.toLatin1() + graphic;
    };
    switch (m_kind) {
    case TKind::Empty:
        return {};
    case TKind::Bitmap: {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        if (!WriteBitmapFile(m_image, file))
            return {};
        return named(bitmapClass, LengthPrefixed(file.data()));
    }
    case TKind::Icon:
        return named(iconClass, m_bytes);
    case TKind::Metafile:
        return named(metafileClass, m_bytes);
    case TKind::Unreadable:
        return m_bytes;
    }
    return {};
}

int TLumPicture::Width() const
{
    if (m_metafile)
        return MetafilePixels(std::abs(m_metafile->Frame().width()), m_metafile->UnitsPerInch());
    return m_image.width();
}

int TLumPicture::Height() const
{
    if (m_metafile)
        return MetafilePixels(std::abs(m_metafile->Frame().height()), m_metafile->UnitsPerInch());
    return m_image.height();
}

void TLumPicture::StretchDraw(QPainter &painter, const QRectF &target) const
{
    if (m_metafile) {
        m_metafile->Play(painter, target);
        return;
    }
    if (m_image.isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_image);
    painter.restore();
}

void TKnownPictures::Add(const TLumPicture &picture)
{
    if (picture.CanDraw())
        m_pictures.insert(picture.StoredData(), picture);
}

const TLumPicture *TKnownPictures::Find(const QByteArray &storedData) const
{
    const auto found = m_pictures.constFind(storedData);
    return found == m_pictures.constEnd() ? nullptr : &*found;
}
