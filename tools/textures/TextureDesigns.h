#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

// The texture pictures shipped in the program's "Textures" folder for the
// surface of special-effect text. Each is a small opaque tile that repeats
// without a visible seam.

struct TTextureDesign
{
    QString Name;
    QImage (*Draw)();
};

// The side of every tile, in pixels.
inline constexpr int TextureSide = 64;

std::vector<TTextureDesign> TextureDesigns();

// The file a design is written to: its name with ".bmp".
QString TextureFileName(const TTextureDesign &design);

// Writes each design named as a Windows bitmap file into folder (created
// when missing), all of them when names is empty; an error sentence when a
// name is unknown or a file cannot be written, else empty.
QString WriteTextureFiles(const QString &folder, const QStringList &names);
