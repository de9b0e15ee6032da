#pragma once

#include <QString>
#include <QStringList>

// The icon libraries the icon palette offers: five beside the program, the
// bonus sets in its "BonusIcons" folder, and any icon file the user picks.

struct TIconLibraryItem
{
    QString Caption;  // the palette's menu item, in English (translated when shown)
    QString FileName; // the library's file name in the program folder
};

// "Activities" ("activity.icl"), "Events", "Holidays", "Miscellaneous #1"
// and "Miscellaneous #2", in menu order.
const QList<TIconLibraryItem> &IconLibraryItems();

// The library shown when a chosen one holds no icons.
inline const QString FallbackIconLibrary = QStringLiteral("Misc1.icl");

// The library file name inside the program folder, found whatever its
// letter case; the name as given in that folder when there is none.
QString IconLibraryPath(const QString &fileName);

// The file fileName names, its name looked up in its folder whatever its
// letter case when it is not there as given ("MISC1.ICL" for "misc1.icl").
QString ExistingFileNoCase(const QString &fileName);

// The captions of the bonus sets: the names without extension of the
// ".icl" files in folder/BonusIcons (any letter case), in alphabetical order.
QStringList BonusSetCaptions(const QString &programFolder);
// The file of the bonus set of caption.
QString BonusSetPath(const QString &programFolder, const QString &caption);

// The upper-case menu caption that a library file's check mark goes with:
// its name without folder and extension, upper-cased, the five libraries'
// names turned into their captions ("HOLIDAY" into "HOLIDAYS").
QString LibraryCheckKey(const QString &fileName);
