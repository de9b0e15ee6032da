#pragma once

#include "IconImage.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>

#include <optional>

// Where the icons of an icon file, an icon library or a program file lie.
// The readers trust no offset, length or count of the file: what points past
// its end is cut at the end or left out, and a file whose structure does not
// hold together has no icons.

// The most icons one file lists.
inline constexpr int MaxIconsInFile = 10000;

struct TByteRange
{
    qint64 At = 0;
    qint64 Size = 0;
};

struct TIconDirectory
{
    enum class TForm {
        IconFile, // the one group is the file's own directory, its entries giving file offsets
        Resources // each group is a group resource, its entries naming icon resources
    };
    TForm Form = TForm::IconFile;
    // Each icon's directory of images, in the file's order.
    QList<TByteRange> Groups;
    // The icon image resources by number (resource files only).
    QHash<quint16, TByteRange> Images;
};

// An icon file (".ICO"): one icon whose images its directory lists.
TIconDirectory ReadIcoDirectory(QByteArrayView file);
// The icon groups of a 16-bit (NE) program or resource file, as icon
// libraries (".ICL", ".NIL") are.
TIconDirectory ReadNeIconDirectory(QByteArrayView file);
// The icon groups of a 32- or 64-bit (PE) program or library.
TIconDirectory ReadPeIconDirectory(QByteArrayView file);
// Whichever of the three the file's content shows it to be.
TIconDirectory ReadIconDirectory(QByteArrayView file);

// The images of the index-th icon, those whose data lies in the file.
QList<TIconImageInfo> GroupImages(QByteArrayView file, const TIconDirectory &directory, int index);

// A range at..at+size of a file of fileSize bytes, cut at its end; empty when
// it starts past the end.
TByteRange ClampedRange(qint64 at, qint64 size, qint64 fileSize);
// Whether range holds a group directory: reserved 0, type 1 and at least one
// entry of entrySize bytes, all inside it.
bool IsGroupDirectory(QByteArrayView file, TByteRange range, qint64 entrySize);
// The file offset a program file's "MZ" header leads to, when the file has
// one and the offset lies inside it with room for headerSize bytes.
std::optional<qint64> NewHeaderAt(QByteArrayView file, qint64 headerSize);
