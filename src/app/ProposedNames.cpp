#include "ProposedNames.h"

#include "Numbers.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString MonthYearFileName(const QString &monthName, int year, const QString &extension)
{
    return monthName.left(3) + QString::number(year) + extension;
}

QString ProposedDocumentName(const QString &documentFileName, const QString &monthName, int year)
{
    if (documentFileName.isEmpty())
        return MonthYearFileName(monthName, year, u".DWC"_s);
    return QFileInfo(documentFileName).fileName();
}

QString ProposedExportName(const QString &documentFileName, const QString &monthName, int year,
                           const QString &extension)
{
    if (documentFileName.isEmpty())
        return MonthYearFileName(monthName, year, extension);
    return QFileInfo(documentFileName).completeBaseName() + extension;
}

QString SavedAsPictureMessage(const QString &fileName, float scale)
{
    return QCoreApplication::translate("PictureResolution",
                                       "Saved as %1\r\rNote: the calendar has been saved at its\r"
                                       "current magnification level of %2%")
        .arg(fileName, QString::number(Round(double(scale) * 100)));
}
