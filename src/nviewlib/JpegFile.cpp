#include "JpegFile.h"

#include "SaveFiles.h"

#include <algorithm>

bool WriteJpegFile(const QImage &picture, int quality, const QString &fileName)
{
    if (picture.isNull() || fileName.isEmpty())
        return false;
    return !SaveImageFile(picture, fileName, "jpeg", std::clamp(quality, 0, 100));
}
