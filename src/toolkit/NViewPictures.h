#pragma once

#include <QImage>
#include <QString>

#include <optional>

class TNViewLib;

// A picture file (JPEG, GIF, JIF, RLE, TGA, PCX, DIB) read by the picture
// library, copied into an image the program owns; the library's bitmap is
// freed. Null when the library cannot read the file, or is missing (it then
// tells the user so).
QImage LoadWithLibrary(const TNViewLib &library, const QString &fileName);
QImage LoadWithLibrary(const QString &fileName);

// Saves picture as a JPEG file of quality (0 to 100) through the picture
// library, which is handed the picture as a bitmap file in a private
// temporary (see OpenPrivateTemporary), removed in every case. Why the JPEG
// file was not written; an empty fileName does nothing.
std::optional<QString> SaveAsJPEG(const TNViewLib &library, const QImage &picture, int quality,
                                  const QString &fileName);
std::optional<QString> SaveAsJPEG(const QImage &picture, int quality, const QString &fileName);
