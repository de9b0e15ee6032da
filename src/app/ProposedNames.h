#pragma once

#include <QString>

// The file names the save dialogs propose, and what an export tells the user.

// The name of a document never saved: the first three characters of the
// month's name, the year and extension ("Dec1999.DWC" for ".DWC").
QString MonthYearFileName(const QString &monthName, int year, const QString &extension);

// Save As: the month name for a document never saved, else the document's
// own file name without its folder.
QString ProposedDocumentName(const QString &documentFileName, const QString &monthName, int year);

// A picture or PDF export: the month name for a document never saved, else
// the document's file name without folder, its extension replaced.
QString ProposedExportName(const QString &documentFileName, const QString &monthName, int year,
                           const QString &extension);

// The confirmation of a picture export: the file and the zoom it was saved at,
// in whole percent rounded half to even.
QString SavedAsPictureMessage(const QString &fileName, float scale);
