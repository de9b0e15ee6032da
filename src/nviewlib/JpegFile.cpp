#include "JpegFile.h"

#include <QImageWriter>
#include <QSaveFile>

#include <algorithm>

bool WriteJpegFile(const QImage &picture, int quality, const QString &fileName)
{
    if (picture.isNull() || fileName.isEmpty())
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(std::clamp(quality, 0, 100));
    if (!writer.write(picture)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
