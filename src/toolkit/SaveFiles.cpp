#include "SaveFiles.h"

#include <QImageWriter>

std::optional<QString> CommitSaveFile(QSaveFile &file)
{
    if (!file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting(); // the temporary file goes with the object
        return reason;
    }
    if (!file.commit()) {
        const QString reason = file.errorString();
        return reason.isEmpty() || reason == QStringLiteral("Unknown error")
                   ? QStringLiteral("the file could not be written completely")
                   : reason;
    }
    return std::nullopt;
}

std::optional<QString> SaveImageFile(const QImage &picture, const QString &fileName,
                                     const char *format, int quality)
{
    if (picture.isNull())
        return QStringLiteral("there is no picture to write");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, format);
    writer.setQuality(quality);
    if (!writer.write(picture)) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
        file.cancelWriting();
        return reason;
    }
    return CommitSaveFile(file);
}
