#pragma once

#include <QIODevice>
#include <QImage>
#include <QString>

#include <optional>

// Writes picture to fileName as a Windows bitmap file. The file is replaced
// only when the whole picture was written; why it was not.
std::optional<QString> SaveAsBitmapFile(const QImage &picture, const QString &fileName);
// Writes picture to out as a Windows bitmap file; false when it was not all
// written.
bool WriteBitmapFile(const QImage &picture, QIODevice &out);
