#pragma once

#include "LumPicture.h"

#include <QString>

#include <optional>

// The kinds of picture file the picture browser tells apart by extension:
// the text after the last "." of the file's name, upper-cased. Bitmaps and
// the kinds without a code are read by the program itself, the others by
// the picture library.
enum TPictureFileCode : int {
    pfOther = 0,
    pfJpg = 1,
    pfGif = 2,
    pfJif = 3,
    pfBmp = 4,
    pfDib = 5,
    pfRle = 6,
    pfTga = 7,
    pfPcx = 8,
};
TPictureFileCode ClassifyExtension(const QString &FileName);

// A bitmap (".BMP"), icon (".ICO") or metafile (".WMF") file read by the
// program itself, chosen by the extension; why not in error.
std::optional<TLumPicture> LoadPictureByExtension(const QString &FileName, QString &error);

// A picture file of any kind the browser lists: those with code pfOther or
// pfBmp through LoadPictureByExtension, the others, and PNG pictures and
// JPEG pictures named ".JPEG", through the picture library as a bitmap. Why
// not in error.
std::optional<TLumPicture> LoadPictureFile(const QString &FileName, QString &error);

// What the picture browser previews for a file it lists, chosen by the
// upper-cased extension: ".BMP" and ".WMF" read by the program, ".ICO" as an
// icon drawn onto a white bitmap of its size, any other through
// LoadPictureFile. Empty when the file cannot be read; Tell is then set for
// ".BMP" and ".WMF" files, whose failure the browser tells at once.
struct TPreview
{
    TLumPicture Picture;
    bool Tell = false;
};
TPreview LoadPreviewPicture(const QString &FileName);
