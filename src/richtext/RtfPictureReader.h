#pragma once

#include "DecodedPicture.h"
#include "RtfDocument.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// Collects what a \pict or \picfile group says about its picture and builds
// the picture from it when the group ends.
class RtfPictureReader
{
public:
    // Forgets the previous picture: a new picture group starts.
    void Start() { *this = RtfPictureReader{}; }

    // A control word of the picture group; unknown words are ignored.
    void Word(QByteArrayView word, int value);
    // A character of hexadecimal picture data; other characters are ignored.
    void Hex(char c);
    // Picture data given as raw bytes by \bin.
    void Binary(QByteArrayView bytes);

    // The picture of a \pict group: none without data or in a format that is
    // not kept. Its image is decoded only when budget has room for it.
    std::optional<TWPPicture> Picture(TPictureBudget &budget) const;
    // The picture a \picfile group refers to by the file name in text.
    std::optional<TWPPicture> FileReference(const QString &text) const;

private:
    enum class Type { None, Dib, Bitmap, Metafile, Png, Jpeg };

    std::optional<TWPPicture> CompressedPicture(TPictureBudget &budget) const;
    TWPPicture RawPicture(TPictureBudget &budget) const;

    Type m_type = Type::None;
    int m_width = 0;
    int m_height = 0;
    int m_goalWidth = 0;
    int m_goalHeight = 0;
    int m_scaleX = 100;
    int m_scaleY = 100;
    int m_bitsPixel = 0;
    int m_planes = 1;
    int m_widthBytes = 0;
    QByteArray m_data;
    int m_nibble = -1; // a first hex digit waiting for its second
};
