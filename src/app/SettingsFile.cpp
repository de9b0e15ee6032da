#include "SettingsFile.h"

#include "IniFile.h"
#include "Messages.h"
#include "ProgramFolder.h"

#include <QDir>
#include <QGuiApplication>

QString SettingsFileName()
{
    return WritableFilePath(QStringLiteral("DW.ini"));
}

bool WriteSettings(const TIniFile &ini)
{
    const std::optional<QString> failure = ini.UpdateFile();
    if (!failure)
        return true;
    ShowWarning(QStringLiteral("Unable to write to %1: %2")
                    .arg(QDir::toNativeSeparators(ini.FileName()), *failure),
                QGuiApplication::applicationDisplayName());
    return false;
}
