#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>

class QPainter;
class TWmfPicture;

// The graphic a picture object shows: a bitmap, an icon or a metafile. In
// documents it is stored as the graphic's class name ("TBitmap", "TIcon",
// "TMetafile": a length byte and the characters) followed by the graphic's
// own data: for a bitmap a 4-byte little-endian length and a bitmap file,
// for an icon an icon file, for a metafile a metafile file.
//
// Stored data that cannot be read (damaged, or a graphic this program does
// not draw) is kept as it was and written back unchanged; the picture then
// draws nothing and has no size. Copies share their data.
class TLumPicture
{
public:
    enum class TKind { Empty, Bitmap, Icon, Metafile, Unreadable };

    TLumPicture() = default;

    static TLumPicture FromBitmap(const QImage &image);
    // An icon file's bytes; the largest image of the icon is shown.
    static std::optional<TLumPicture> FromIconFile(const QByteArray &bytes, QString &error);
    // A metafile's bytes, placeable or plain.
    static std::optional<TLumPicture> FromMetafileFile(const QByteArray &bytes, QString &error);
    // The stored form described above; never fails (see Unreadable).
    static TLumPicture FromStoredData(const QByteArray &data);
    // The stored form; empty for an empty picture.
    QByteArray StoredData() const;

    TKind Kind() const { return m_kind; }
    bool IsEmpty() const { return m_kind == TKind::Empty; }
    bool IsBitmap() const { return m_kind == TKind::Bitmap; }
    bool IsIcon() const { return m_kind == TKind::Icon; }
    bool IsMetafile() const { return m_kind == TKind::Metafile; }
    // Whether there is anything to draw.
    bool CanDraw() const { return m_kind != TKind::Empty && m_kind != TKind::Unreadable; }
    // Why stored data could not be read.
    const QString &Error() const { return m_error; }

    // The size in screen pixels: a placeable metafile's frame at the
    // screen's pixels per inch. 0 x 0 when there is nothing to draw.
    int Width() const;
    int Height() const;

    // The pixels of a bitmap or icon; null for the other kinds.
    const QImage &Image() const { return m_image; }
    // The metafile; null for the other kinds.
    const TWmfPicture *Metafile() const { return m_metafile.get(); }

    // Draws the picture stretched over target: pixels smoothly, a metafile
    // as vectors.
    void StretchDraw(QPainter &painter, const QRectF &target) const;

private:
    TKind m_kind = TKind::Empty;
    QImage m_image;
    std::shared_ptr<const TWmfPicture> m_metafile;
    // The icon's or metafile's file, or the stored data that was unreadable.
    QByteArray m_bytes;
    QString m_error;
};

// Pictures already decoded, found by their stored form: copies of a
// document's picture objects made on other threads take them instead of
// decoding them again. Made on one thread, read from any.
class TKnownPictures
{
public:
    // Keeps picture under its stored form; an empty or unreadable one is not
    // kept.
    void Add(const TLumPicture &picture);
    // The picture whose stored form is storedData, or null.
    const TLumPicture *Find(const QByteArray &storedData) const;

private:
    QHash<QByteArray, TLumPicture> m_pictures;
};
