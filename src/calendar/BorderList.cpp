#include "BorderList.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

QString NoSpecialBorderEntry()
{
    return QCoreApplication::translate("TCalendarProperties", " [No Special Border]");
}

std::optional<QStringList> BorderListEntries(const QString &programFolder)
{
    const QString folder = FindFileNoCase(programFolder, QStringLiteral("Borders"));
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return std::nullopt;
    // Without QDir::CaseSensitive the pattern matches ".WLS" as well.
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.wls")}, QDir::Files);
    QStringList entries{NoSpecialBorderEntry()};
    for (const QFileInfo &file : files) {
        // Only the extension goes: a border name may itself hold a dot.
        const QString name = file.completeBaseName();
        if (!name.isEmpty() && !entries.contains(name, Qt::CaseInsensitive))
            entries.append(name);
    }
    std::sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return entries;
}

int BorderListIndex(const QStringList &entries, const QString &borderName)
{
    for (int index = 1; index < entries.size(); ++index) {
        if (entries[index].compare(borderName, Qt::CaseInsensitive) == 0)
            return index;
    }
    return 0;
}
