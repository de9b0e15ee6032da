#include "SaveFiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageWriter>
#include <QStorageInfo>

namespace {

// Less room than this left on a disk after a short write means it is full.
constexpr qint64 NearlyFull = qint64(1) << 20;

bool NoRoomLeft(const QString &fileName)
{
    const QStorageInfo storage(QFileInfo(fileName).absolutePath());
    return storage.isValid() && storage.bytesAvailable() < NearlyFull;
}

// Whether text says something: the toolkit says "Unknown error" where it
// knows nothing, in the language of the interface.
bool IsReason(const QString &text)
{
    const char *const unknown = "Unknown error";
    return !text.isEmpty() && text != QLatin1StringView(unknown) &&
           text != QCoreApplication::translate("QIODevice", unknown);
}

} // namespace

QString WriteFailure(const QFileDevice &file, const QString &otherwise)
{
    if (file.error() != QFileDevice::NoError && IsReason(file.errorString()))
        return file.errorString();
    if (NoRoomLeft(file.fileName()))
        return QCoreApplication::translate("SaveFiles", "the disk is full");
    return IsReason(otherwise) ? otherwise
                               : QCoreApplication::translate("SaveFiles", "the file could not be written completely");
}

std::optional<QString> CommitSaveFile(QSaveFile &file)
{
    if (!file.flush()) {
        const QString reason = WriteFailure(file);
        file.cancelWriting(); // the temporary file goes with the object
        return reason;
    }
    if (!file.commit())
        return WriteFailure(file);
    return std::nullopt;
}

std::optional<QString> SaveBytesFile(const QByteArray &bytes, const QString &fileName)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = WriteFailure(file);
        file.cancelWriting();
        return reason;
    }
    return CommitSaveFile(file);
}

std::optional<QString> SaveImageFile(const QImage &picture, const QString &fileName,
                                     const char *format, int quality)
{
    if (picture.isNull())
        return QCoreApplication::translate("SaveFiles", "there is no picture to write");
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, format);
    writer.setQuality(quality);
    if (!writer.write(picture)) {
        const QString reason = WriteFailure(file, writer.errorString());
        file.cancelWriting();
        return reason;
    }
    return CommitSaveFile(file);
}
