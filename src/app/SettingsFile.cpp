#include "SettingsFile.h"

#include "IniFile.h"
#include "Messages.h"
#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QSet>

QString SettingsFileName()
{
    return WritableFilePath(QStringLiteral("DW.ini"));
}

namespace {

// Whether the user has been told, in this run, that the settings file named
// is left alone because it could not be read whole: told once, not at every
// save.
bool ToldOfUnreadFile(const QString &fileName)
{
    static QSet<QString> told;
    if (told.contains(fileName))
        return true;
    told.insert(fileName);
    return false;
}

} // namespace

bool WriteSettings(const TIniFile &ini)
{
    const std::optional<QString> failure = ini.UpdateFile();
    if (!failure)
        return true;
    if (!ini.ReadError().isEmpty() && ToldOfUnreadFile(ini.FileName()))
        return false;
    ShowWarning(QCoreApplication::translate("SettingsFile", "Unable to write to %1: %2")
                    .arg(QDir::toNativeSeparators(ini.FileName()), *failure),
                QGuiApplication::applicationDisplayName());
    return false;
}
