#pragma once

#include <QImage>
#include <QString>

// Writes picture to fileName as a JPEG file of the quality (0 to 100, values
// outside clamped). The file is replaced only when the whole picture was
// written; false when nothing was.
bool WriteJpegFile(const QImage &picture, int quality, const QString &fileName);
