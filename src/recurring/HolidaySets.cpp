#include "HolidaySets.h"

#include "BuiltInHolidays.h"
#include "ProgramFolder.h"
#include "RecurringList.h"

#include <QDir>
#include <QFileInfo>

QString BuiltInHolidaySetName()
{
    return QStringLiteral("United States");
}

QList<THolidaySet> HolidaySets(const QString &folder)
{
    QList<THolidaySet> sets{{BuiltInHolidaySetName(), {}}};
    const QString setsFolder = FindFileNoCase(folder, QStringLiteral("Holidays"));
    if (setsFolder.isEmpty())
        return sets;
    const QFileInfoList files =
        QDir(setsFolder).entryInfoList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &file : files) {
        if (file.suffix().compare(u"dax", Qt::CaseInsensitive) == 0)
            sets.append({file.completeBaseName(), file.filePath()});
    }
    return sets;
}

TRecurringRead HolidaySetLines(const THolidaySet &set)
{
    TRecurringRead read;
    if (set.FileName.isEmpty()) {
        read.Lines = BuiltInHolidays();
        return read;
    }
    read = ReadRecurringFile(set.FileName);
    read.Lines.removeAll(QString());
    read.Lines = TRecurringList(read.Lines).Lines();
    return read;
}
