#include "Translations.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

using namespace Qt::StringLiterals;

const QStringList &InterfaceLanguages()
{
    static const QStringList languages{u"en"_s, u"de"_s, u"fr"_s, u"it"_s, u"es"_s};
    return languages;
}

QString ResolveInterfaceLanguage(const QString &setting, const QLocale &system)
{
    if (InterfaceLanguages().contains(setting))
        return setting;
    // The interface languages the system names, in its order of preference
    // ("de-AT", "en-GB"): the first the program speaks wins.
    for (const QString &name : system.uiLanguages()) {
        const QString language = QLocale(name).name().section(u'_', 0, 0);
        if (InterfaceLanguages().contains(language))
            return language;
    }
    return InterfaceLanguages().constFirst();
}

QString InterfaceLanguage()
{
    return QCoreApplication::translate(
        "Translations", "en",
        "The ISO 639 code of the language of this translation: de, fr, it or es");
}

QLocale InterfaceLocale()
{
    const QString language = InterfaceLanguage();
    const QLocale system = QLocale::system();
    if (language == InterfaceLanguages().constFirst())
        return system;
    const QLocale spoken(language);
    return system.language() == spoken.language() ? system : spoken;
}

QString TranslationsFolder()
{
    return ProgramFolder() + u"translations"_s;
}

TInstalledTranslations::TInstalledTranslations(const QString &language, const QString &folder)
{
    if (language == InterfaceLanguages().constFirst() || !QCoreApplication::instance())
        return;
    const auto install = [this](const QString &name, const QString &from) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(name, from) || !QCoreApplication::installTranslator(translator.get()))
            return false;
        m_translators.push_back(std::move(translator));
        return true;
    };
    install(u"qtbase_"_s + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    m_programTranslated = install(u"datewright_"_s + language, folder);
}

TInstalledTranslations::~TInstalledTranslations()
{
    for (const std::unique_ptr<QTranslator> &translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
}
