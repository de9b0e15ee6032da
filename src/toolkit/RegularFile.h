#pragma once

#include <QByteArray>
#include <QString>

// What reading a file whole gave: its bytes, or why there are none.
struct TFileBytes
{
    QByteArray Bytes;
    QString Error; // empty when the file was read
};

// Reads fileName whole, but only a regular file (or a link to one) of at
// most maxBytes, kind naming what it should be ("calendar document"). Both
// are checked before a byte is read, and the file is opened without
// waiting, so that a device, a pipe or an enormous file named by mistake is
// refused at once instead of read for ever.
TFileBytes ReadRegularFile(const QString &fileName, qint64 maxBytes, const QString &kind);
