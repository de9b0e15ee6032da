#pragma once

#include <QImage>
#include <QString>

// What a picture reader gives: the picture, or why there is none.
struct TDecodedPicture
{
    QImage Image;  // null when the bytes could not be read
    QString Error; // why, when Image is null
};

// The most pixels a picture may have, whatever its header claims: bounds the
// memory a reader allocates.
inline constexpr qint64 MaxPicturePixels = qint64(64) * 1024 * 1024;

TDecodedPicture PictureFailure(const QString &why);

// Whether a picture of width x height is one the readers accept: both sides
// positive and the area within maxPixels.
bool PictureSizeAcceptable(qint64 width, qint64 height, qint64 maxPixels = MaxPicturePixels);

// The memory the decoded pictures of one document (or one metafile) may take
// together: a few kilobytes of run-length data can claim megapixels, so each
// picture takes room before it is decoded, and one that finds none is
// refused, counted and drawn as an empty frame.
class TPictureBudget
{
public:
    static constexpr qint64 DefaultBytes = qint64(256) * 1024 * 1024;
    static constexpr qint64 BytesPerPixel = 4;

    explicit TPictureBudget(qint64 bytes = DefaultBytes) : m_left(bytes) {}

    // Takes room for a picture of width x height pixels: false, and the
    // refusal counted, when it is larger than maxPixels or the room left.
    bool Take(qint64 width, qint64 height, qint64 maxPixels = MaxPicturePixels);
    // Gives back the room of a picture taken but not kept after all.
    void Return(qint64 width, qint64 height);

    qint64 BytesLeft() const { return m_left; }
    // How many pictures were refused.
    int Refused() const { return m_refused; }

private:
    qint64 m_left;
    int m_refused = 0;
};

// A fresh image of that size, or a failure when memory runs out.
TDecodedPicture NewPicture(qint64 width, qint64 height, QImage::Format format);
