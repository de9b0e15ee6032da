#pragma once

#include "IconDirectory.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// The icons of a file, counted and extracted by index: an icon file (".ICO")
// holds one icon, an icon library (".ICL", ".NIL") or a program file (".DLL",
// ".EXE") the icon groups among its resources. The kind is told by the
// content, not by the name. A file that cannot be read, or is not one of
// these, has no icons.
class TIconFile
{
public:
    // The largest file read; larger ones have no icons.
    static constexpr qint64 MaxFileSize = qint64(128) * 1024 * 1024;

    TIconFile() = default;
    explicit TIconFile(QByteArray bytes);
    static TIconFile Load(const QString &fileName);

    int Count() const { return int(m_directory.Groups.size()); }
    // The images of the index-th icon.
    QList<TIconImageInfo> Images(int index) const;
    // The index-th icon at size: the image that suits the display best (the
    // next best when it cannot be read), scaled to fit size and centred on a
    // transparent picture when its size differs. Null when index is out of
    // range or no image of the icon can be read.
    QImage Extract(int index, QSize size = {IconSide, IconSide}) const;

private:
    QByteArray m_bytes;
    TIconDirectory m_directory;
};

// How many icons fileName holds, and its index-th icon at the size icons are
// shown at (null when there is none).
int CountIcons(const QString &fileName);
QImage ExtractIcon(const QString &fileName, int index);
