#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

// The languages the interface speaks, by their ISO 639 codes, English first:
// "en", "de", "fr", "it", "es".
const QStringList &InterfaceLanguages();

// The language the interface speaks for the language setting: a code of
// InterfaceLanguages as it stands; anything else (empty, "System", unknown)
// the first of the system's interface languages the program speaks, English
// when it speaks none of them.
QString ResolveInterfaceLanguage(const QString &setting, const QLocale &system = QLocale::system());

// The language the interface speaks: the code of the installed translation
// of the program, "en" without one.
QString InterfaceLanguage();
// The locale of the names the interface writes (months, weekdays): the
// system's while the interface speaks English, as it always was, else that
// of the interface's language, the system's own when it speaks it.
QLocale InterfaceLocale();

// The folder of the program's translations: "translations" in the program
// folder.
QString TranslationsFolder();

// The program's translation of language ("datewright_de.qm" in folder) and
// Qt's own for its dialogs ("qtbase_de.qm" in Qt's translations folder),
// installed in the application for as long as the object lives. English
// installs nothing: the program's texts are English.
class TInstalledTranslations
{
public:
    explicit TInstalledTranslations(const QString &language,
                                    const QString &folder = TranslationsFolder());
    ~TInstalledTranslations();
    TInstalledTranslations(const TInstalledTranslations &) = delete;
    TInstalledTranslations &operator=(const TInstalledTranslations &) = delete;

    // Whether the program's own translation was found and installed.
    bool ProgramTranslated() const { return m_programTranslated; }

private:
    std::vector<std::unique_ptr<QTranslator>> m_translators;
    bool m_programTranslated = false;
};
