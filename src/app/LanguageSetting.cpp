#include "LanguageSetting.h"

#include "IniFile.h"
#include "Translations.h"

using namespace Qt::StringLiterals;

namespace {

const QString languageSection = u"Language"_s;
const QString interfaceKey = u"Interface"_s;

} // namespace

QString ReadLanguageSetting(const QString &fileName)
{
    const QString read =
        TIniFile(fileName).ReadString(languageSection, interfaceKey, {}).trimmed().toLower();
    return InterfaceLanguages().contains(read) ? read : QString(SystemLanguage);
}

bool WriteLanguageSetting(const QString &language, const QString &fileName)
{
    TIniFile ini(fileName);
    ini.WriteString(languageSection, interfaceKey,
                    InterfaceLanguages().contains(language) ? language : QString(SystemLanguage));
    return WriteSettings(ini);
}
