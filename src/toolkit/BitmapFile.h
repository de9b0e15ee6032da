#pragma once

#include <QIODevice>
#include <QImage>
#include <QString>

// Writes picture to fileName as a Windows bitmap file. The file is replaced
// only when the whole picture was written; false when nothing was.
bool SaveAsBitmapFile(const QImage &picture, const QString &fileName);
// Writes picture to out as a Windows bitmap file; false when it was not all
// written.
bool WriteBitmapFile(const QImage &picture, QIODevice &out);
