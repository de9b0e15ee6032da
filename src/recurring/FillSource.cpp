#include "FillSource.h"

#include "HolidaySets.h"
#include "ICalendarEvents.h"
#include "RecurringFile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

namespace {

const QString HolidaysPrefix = QStringLiteral("holidays:");

// The country codes of the sets the program ships.
struct TSetCode
{
    const char16_t *Code;
    const char16_t *Name;
};
constexpr TSetCode SetCodes[] = {
    {u"US", u"United States"}, {u"UK", u"United Kingdom"}, {u"GB", u"United Kingdom"},
    {u"CA", u"Canada"},        {u"FR", u"France"},         {u"DE", u"Germany"},
    {u"IT", u"Italy"},         {u"ES", u"Spain"},
};

QString SetNameOfCode(const QString &code)
{
    for (const TSetCode &set : SetCodes) {
        if (code.compare(QStringView(set.Code), Qt::CaseInsensitive) == 0)
            return QString::fromUtf16(set.Name);
    }
    return code;
}

TRecurringRead ReadHolidaySet(const QString &code, const QString &programFolder)
{
    const QString name = SetNameOfCode(code.trimmed());
    const QList<THolidaySet> sets = HolidaySets(programFolder);
    QStringList names;
    for (const THolidaySet &set : sets) {
        if (set.Name.compare(name, Qt::CaseInsensitive) == 0) {
            TRecurringRead read = HolidaySetLines(set);
            if (!read.Error.isEmpty())
                read.Error =
                    QCoreApplication::translate("FillSource", "cannot read the holiday set %1: %2")
                        .arg(set.Name, read.Error);
            return read;
        }
        names << set.Name;
    }
    return {{},
            QCoreApplication::translate("FillSource", "no holiday set \"%1\": the sets are %2")
                .arg(code, names.join(QStringLiteral(", ")))};
}

TFillRead ReadCalendar(const QString &fileName, const TEventTextOptions &options)
{
    TICalendarRead read = ReadICalendarFile(fileName);
    if (!read.Calendar)
        return {{},
                QCoreApplication::translate("FillSource", "cannot read %1: %2")
                    .arg(fileName, read.Error)};
    return {TDayFill(std::move(read.Calendar), options), {}};
}

TFillRead FillOfLines(const TRecurringRead &read)
{
    return {TDayFill(read.Lines), read.Error};
}

} // namespace

TFillRead ReadFillSource(const QString &source, const QString &programFolder,
                         const TEventTextOptions &options)
{
    if (source.startsWith(HolidaysPrefix, Qt::CaseInsensitive))
        return FillOfLines(ReadHolidaySet(source.mid(HolidaysPrefix.size()), programFolder));
    // A file the user names must be there: only the program's own list may
    // be missing.
    const QFileInfo file(source);
    if (source.isEmpty() || !file.isFile())
        return {{},
                QCoreApplication::translate("FillSource", "no file %1 to fill the days from")
                    .arg(source)};
    if (file.suffix().compare(u"ics", Qt::CaseInsensitive) == 0)
        return ReadCalendar(source, options);
    TRecurringRead read = ReadRecurringFile(source);
    if (!read.Error.isEmpty())
        read.Error =
            QCoreApplication::translate("FillSource", "cannot read %1: %2").arg(source, read.Error);
    return FillOfLines(read);
}
