#pragma once

#include "FuzzSupport.h"
#include "IconDirectory.h"
#include "IconFile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

// Reads bytes with one of the icon readers and extracts the first icons it
// lists: no icon may be larger than the readers allow.
inline int FuzzIconReader(TIconDirectory (*read)(QByteArrayView), const uint8_t *data, size_t size)
{
    EnsureGuiApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TIconDirectory directory = read(bytes);
    if (directory.Groups.size() > MaxIconsInFile)
        std::abort();
    constexpr int iconsTried = 4;
    for (int i = 0; i < iconsTried && i < directory.Groups.size(); ++i)
        for (const TIconImageInfo &image : GroupImages(bytes, directory, i)) {
            const QImage picture = DecodeIconImage(image.Data);
            if (picture.width() > MaxIconImageSide || picture.height() > MaxIconImageSide)
                std::abort();
        }
    const TIconFile file(bytes);
    if (file.Count() > 0 && !file.Extract(0).isNull() &&
        file.Extract(0).size() != QSize(IconSide, IconSide))
        std::abort();
    return 0;
}
