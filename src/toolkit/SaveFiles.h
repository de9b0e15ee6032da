#pragma once

#include <QImage>
#include <QSaveFile>
#include <QString>

#include <functional>
#include <optional>

// Why writing file failed: the system's reason; where a short write left
// none (the toolkit then says "Unknown error"), that the disk is full when it
// has next to no room left, else otherwise, else that the file could not be
// written completely.
QString WriteFailure(const QFileDevice &file, const QString &otherwise = {});

// Why fileName must not be replaced by a save file, which puts a new file in
// place of the one a link leads to: it exists and is not a file (a folder,
// a device, a pipe, or a link to one), or it is a link, or leads through
// one, that another user made in a folder anyone may write to, like /tmp
// (which the system itself would not follow). Nothing when it may.
std::optional<QString> RefusedSaveTarget(const QString &fileName);

// Opens file, a save file not yet open, for writing once its target passes
// RefusedSaveTarget; why it could not.
std::optional<QString> OpenSaveFile(QSaveFile &file);

// Ends writing a save file: its data flushed to the disk, then the file put
// in place of the old one. The system's reason when either fails ("No space
// left on device"); the old file then stays as it was. The data is flushed
// first because a failure found only while the file is closed would be
// reported without its reason, or not at all.
std::optional<QString> CommitSaveFile(QSaveFile &file);

// Writes fileName through a save file: write fills the file and says why it
// failed; the file takes the old one's place only when write succeeded and
// all of it reached the disk, else the old file stays as it was. Why it was
// not written. Every file the program writes goes through here.
std::optional<QString> SaveThrough(const QString &fileName,
                                   const std::function<std::optional<QString>(QSaveFile &)> &write);

// Writes bytes to fileName through a save file, so that a failed write
// leaves the old file as it was; why it failed.
std::optional<QString> SaveBytesFile(const QByteArray &bytes, const QString &fileName);

// Why a file could not be written at fileName, found afterwards for a writer
// that says only that it failed (the picture library): the target refused,
// the reason a save file cannot be opened there, a full disk, or else
// otherwise.
QString WhyNotWritten(const QString &fileName, const QString &otherwise);

// Writes bytes to fileName without ever writing through a link: they go to
// a staging file beside it, with a name no one can foresee and created
// exclusively, which is then renamed over fileName, replacing a link there
// rather than the file it leads to. For files in a folder others may plant
// links in. Why it failed; the staging file goes whatever happens.
std::optional<QString> ReplaceFileBytes(const QByteArray &bytes, const QString &fileName);

// Writes picture to fileName as format ("PNG", "JPEG") through a save file,
// at quality (-1 for the format's default), so that a failed write leaves no
// half-written file; why it failed.
std::optional<QString> SaveImageFile(const QImage &picture, const QString &fileName,
                                     const char *format, int quality = -1);
