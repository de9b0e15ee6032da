#pragma once

#include <QImage>
#include <QSaveFile>
#include <QString>

#include <optional>

// Ends writing a save file: its data flushed to the disk, then the file put
// in place of the old one. The system's reason when either fails ("No space
// left on device"); the old file then stays as it was. The data is flushed
// first because a failure found only while the file is closed would be
// reported without its reason, or not at all.
std::optional<QString> CommitSaveFile(QSaveFile &file);

// Writes picture to fileName as format ("PNG", "JPEG") through a save file,
// at quality (-1 for the format's default), so that a failed write leaves no
// half-written file; why it failed.
std::optional<QString> SaveImageFile(const QImage &picture, const QString &fileName,
                                     const char *format, int quality = -1);
