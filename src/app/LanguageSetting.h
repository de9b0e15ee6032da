#pragma once

#include "SettingsFile.h"

#include <QLatin1StringView>
#include <QString>

// The language the user chose for the interface, kept in the settings file
// as [Language] Interface=de: a code of InterfaceLanguages, or "System" (and
// so when the key is missing) to follow the system's language. It takes
// effect at the next start.
inline constexpr QLatin1StringView SystemLanguage("System");

QString ReadLanguageSetting(const QString &fileName = SettingsFileName());
// Writes the choice, keeping everything else the file holds; false when the
// file could not be written (the user is told, see WriteSettings).
bool WriteLanguageSetting(const QString &language, const QString &fileName = SettingsFileName());
