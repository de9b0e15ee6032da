#include "SaveFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Links followed at most, as the system follows them.
constexpr int MaxLinkDepth = 40;

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

QString SystemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Whether link, the status of the link at path, lies in a folder anyone may
// write to and that keeps others' files (sticky), and belongs neither to
// this user nor to the folder's owner.
bool ForeignLinkInSharedFolder(const QString &path, const struct stat &link)
{
    struct stat folder = {};
    if (::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &folder) != 0)
        return false;
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return shared && link.st_uid != ::geteuid() && link.st_uid != folder.st_uid;
}

} // namespace

std::optional<QString> RefusedSaveTarget(const QString &fileName)
{
    QString path = QFileInfo(fileName).absoluteFilePath();
    for (int depth = 0; depth < MaxLinkDepth; ++depth) {
        struct stat status = {};
        // Nothing there yet, or nothing that can be looked at: the save file
        // makes it, or says why not.
        if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
            return std::nullopt;
        if (S_ISREG(status.st_mode))
            return std::nullopt;
        if (!S_ISLNK(status.st_mode))
            return QCoreApplication::translate("SaveFiles",
                                               "it is not a file but a folder, a device or a pipe");
        if (ForeignLinkInSharedFolder(path, status))
            return QCoreApplication::translate(
                "SaveFiles", "it is a link another user made in a folder anyone may write to");
        path = QFileInfo(path).symLinkTarget();
    }
    return QCoreApplication::translate("SaveFiles",
                                       "it is a link that leads through too many others");
}

std::optional<QString> OpenSaveFile(QSaveFile &file)
{
    if (std::optional<QString> refused = RefusedSaveTarget(file.fileName()))
        return refused;
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    return std::nullopt;
}

QString WhyNotWritten(const QString &fileName, const QString &otherwise)
{
    QSaveFile probe(fileName);
    if (std::optional<QString> refused = OpenSaveFile(probe))
        return *refused;
    probe.cancelWriting();
    if (NoRoomLeft(fileName))
        return QCoreApplication::translate("SaveFiles", "the disk is full");
    return otherwise;
}

QString WriteFailure(const QFileDevice &file, const QString &otherwise)
{
    if (file.error() != QFileDevice::NoError && IsReason(file.errorString()))
        return file.errorString();
    if (NoRoomLeft(file.fileName()))
        return QCoreApplication::translate("SaveFiles", "the disk is full");
    return IsReason(otherwise) ? otherwise
                               : QCoreApplication::translate(
                                     "SaveFiles", "the file could not be written completely");
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

std::optional<QString> SaveThrough(const QString &fileName,
                                   const std::function<std::optional<QString>(QSaveFile &)> &write)
{
    QSaveFile file(fileName);
    if (std::optional<QString> refused = OpenSaveFile(file))
        return refused;
    if (std::optional<QString> failure = write(file)) {
        file.cancelWriting(); // the temporary file goes with the object
        return failure;
    }
    return CommitSaveFile(file);
}

std::optional<QString> SaveBytesFile(const QByteArray &bytes, const QString &fileName)
{
    return SaveThrough(fileName, [&bytes](QSaveFile &file) -> std::optional<QString> {
        if (file.write(bytes) != bytes.size())
            return WriteFailure(file);
        return std::nullopt;
    });
}

std::optional<QString> SaveImageFile(const QImage &picture, const QString &fileName,
                                     const char *format, int quality)
{
    if (picture.isNull())
        return QCoreApplication::translate("SaveFiles", "there is no picture to write");
    return SaveThrough(fileName, [&](QSaveFile &file) -> std::optional<QString> {
        QImageWriter writer(&file, format);
        writer.setQuality(quality);
        if (!writer.write(picture))
            return WriteFailure(file, writer.errorString());
        return std::nullopt;
    });
}

std::optional<QString> ReplaceFileBytes(const QByteArray &bytes, const QString &fileName)
{
    if (fileName.isEmpty())
        return QCoreApplication::translate("SaveFiles", "no file name");
    const QFileInfo target(fileName);
    QTemporaryFile staging(
        target.dir().filePath(target.completeBaseName() + QStringLiteral("-XXXXXX.tmp")));
    if (!staging.open())
        return staging.errorString();
    if (staging.write(bytes) != bytes.size() || !staging.flush() || ::fsync(staging.handle()) != 0)
        return WriteFailure(staging);
    if (std::rename(QFile::encodeName(staging.fileName()).constData(),
                    QFile::encodeName(fileName).constData()) != 0)
        return SystemError();
    staging.setAutoRemove(false); // it is fileName now
    return std::nullopt;
}
