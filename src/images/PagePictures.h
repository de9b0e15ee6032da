#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The pictures a set of pages shows one a page, in page order: the picture
// files of a folder in name order, or those a list file names.
struct TPagePicturesRead
{
    QStringList Files;
    // Why there are none, in one line; empty when there are.
    QString Error;
};

// source names a folder, whose picture files (by their extension) are taken
// in name order, numbers within names by their value ("2" before "10"); or a
// text file naming one picture a line, relative to its own folder, blank
// lines and lines beginning with "#" skipped. A folder or list without
// pictures is an error; whether each picture can be read is found when its
// page is drawn.
TPagePicturesRead ReadPagePictures(const QString &source);

// Orders picture names as people number their photos: runs of digits by
// their value, leading zeros aside ("2" before "010"), the rest letter by
// letter ignoring case. Negative, 0 or positive, as a is before, beside or
// after b.
int ComparePictureNames(QStringView a, QStringView b);

// The extensions of the picture files a folder offers, lower-case.
const QStringList &PictureFileExtensions();

// Whether fileName's extension is one of the picture files a folder offers.
bool IsPictureFileName(const QString &fileName);
