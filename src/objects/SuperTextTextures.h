#pragma once

#include <QImage>
#include <QString>

// The texture pictures special-effect text is filled with, as the texture
// browser lists, finds and reads them.

// The files the texture browser lists.
inline constexpr char TextureFileMask[] = "*.BMP;*.DIB;*.JPG;*.JIF;*.PCX;*.RLE;*.TGA;*.ICO";

// Where the texture browser opens: at the file chosen last when it still
// exists; otherwise in the program folder's "bmbrush" when there is one, else
// its "Textures", else the program folder itself. File is empty unless the
// last file is still there.
struct TTextureStart
{
    QString Folder;
    QString File;
};
TTextureStart TextureBrowserStart(const QString &lastPath);

// A texture file read by its upper-cased extension: ".BMP" as a bitmap file,
// ".ICO" as its icon drawn on a white bitmap of the icon's size, any other
// through the picture library. A null image when the file cannot be read;
// Tell is then set for ".BMP" and ".WMF" files, whose failure the browser
// tells the user of.
struct TTextureLoad
{
    QImage Image;
    bool Tell = false;
};
TTextureLoad LoadTextureFile(const QString &fileName);
