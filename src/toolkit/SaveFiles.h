#pragma once

#include <QImage>
#include <QSaveFile>
#include <QString>

#include <optional>

// Why writing file failed: the system's reason; where a short write left
// none (the toolkit then says "Unknown error"), that the disk is full when it
// has next to no room left, else otherwise, else that the file could not be
// written completely.
QString WriteFailure(const QFileDevice &file, const QString &otherwise = {});

// Ends writing a save file: its data flushed to the disk, then the file put
// in place of the old one. The system's reason when either fails ("No space
// left on device"); the old file then stays as it was. The data is flushed
// first because a failure found only while the file is closed would be
// reported without its reason, or not at all.
std::optional<QString> CommitSaveFile(QSaveFile &file);

// Writes bytes to fileName through a save file, so that a failed write
// leaves the old file as it was; why it failed.
std::optional<QString> SaveBytesFile(const QByteArray &bytes, const QString &fileName);

// Writes picture to fileName as format ("PNG", "JPEG") through a save file,
// at quality (-1 for the format's default), so that a failed write leaves no
// half-written file; why it failed.
std::optional<QString> SaveImageFile(const QImage &picture, const QString &fileName,
                                     const char *format, int quality = -1);
