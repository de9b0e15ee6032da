#pragma once

#include <QImage>
#include <QString>

#include <memory>

class QMimeData;

// An icon dragged from an icon list to a day cell travels as a private MIME
// type holding the icon's picture as PNG. The icon lists make the data; the
// page and the cell editor take drops of it.

inline const QString IconMimeType = QStringLiteral("application/x-datewright-icon");

// Icons are small pictures: drag data holding a larger one is not an icon.
inline constexpr int MaxIconSide = 256;

// Drag data carrying icon.
std::unique_ptr<QMimeData> IconMimeData(const QImage &icon);

// Whether data carries an icon; the picture itself is read on the drop.
bool HasIcon(const QMimeData *data);

// The icon data carries: null when it carries none, when the picture cannot
// be read, or when it is wider or higher than MaxIconSide pixels.
QImage IconFromMimeData(const QMimeData *data);
QImage IconFromBytes(const QByteArray &bytes);
