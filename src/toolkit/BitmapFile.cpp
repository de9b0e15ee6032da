#include "BitmapFile.h"

#include <QSaveFile>

bool SaveAsBitmapFile(const QImage &picture, const QString &fileName)
{
    if (picture.isNull() || fileName.isEmpty())
        return false;
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!picture.save(&file, "BMP")) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
