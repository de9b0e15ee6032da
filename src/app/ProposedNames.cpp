#include "ProposedNames.h"

#include "Numbers.h"

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
    return u"Saved as "_s + fileName + u"\r\r"_s + u"Note: the calendar has been saved at its"_s +
           u"\r"_s + u"current magnification level of "_s +
           QString::number(Round(double(scale) * 100)) + u"%"_s;
}
