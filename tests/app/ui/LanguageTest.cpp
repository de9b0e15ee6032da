#include "CalendarMain.h"
#include "CalendarPage.h"
#include "CellAppend.h"
#include "IniFile.h"
#include "LanguageMenu.h"
#include "LanguageSetting.h"
#include "PreviousInstance.h"
#include "SettingsFile.h"
#include "SettingsTestSupport.h"
#include "Translations.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMap>
#include <QMenuBar>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString translations = QStringLiteral(DW_TRANSLATIONS_DIR);

TEST(InterfaceLanguage, FollowsTheSettingElseTheSystemsFirstLanguageItSpeaks)
{
    const struct
    {
        QString Setting, System, Expected;
    } cases[] = {
        {u"fr"_s, u"de_DE"_s, u"fr"_s},     {u"en"_s, u"it_IT"_s, u"en"_s},
        {u"System"_s, u"de_AT"_s, u"de"_s}, {{}, u"es_MX"_s, u"es"_s},
        {u"xx"_s, u"pt_BR"_s, u"en"_s},     {u"System"_s, u"C"_s, u"en"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ResolveInterfaceLanguage(c.Setting, QLocale(c.System)), c.Expected)
            << c.Setting.toStdString() << " on " << c.System.toStdString();
}

TEST(InterfaceLanguage, EachTranslationSpeaksItsLanguageWithQtsOwnDialogs)
{
    const struct
    {
        QString Language, File, Cancel;
    } cases[] = {{u"de"_s, u"&Datei"_s, u"Abbrechen"_s},
                 {u"fr"_s, u"&Fichier"_s, u"Annuler"_s},
                 {u"it"_s, u"&File"_s, u"Annulla"_s},
                 {u"es"_s, u"&Archivo"_s, u"Cancelar"_s}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Language.toStdString());
        {
            const TInstalledTranslations installed(c.Language, translations);
            ASSERT_TRUE(installed.ProgramTranslated());
            EXPECT_EQ(InterfaceLanguage(), c.Language);
            EXPECT_EQ(TCalendarMain::tr("&File"), c.File);
            // Qt's own texts, as its dialogs' buttons show them.
            EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), c.Cancel);
        }
        EXPECT_EQ(InterfaceLanguage(), u"en"_s) << "removed with its object";
        EXPECT_EQ(TCalendarMain::tr("&File"), u"&File"_s);
    }
    const TInstalledTranslations english(u"en"_s, translations);
    EXPECT_FALSE(english.ProgramTranslated());
    EXPECT_EQ(InterfaceLanguage(), u"en"_s);
}

TEST(InterfaceLanguage, ANewPageNamesMonthsAndDaysInItUnlessItIsEnglish)
{
    const struct
    {
        QString Language, January, Sunday;
    } cases[] = {{u"de"_s, u"Januar"_s, u"Sonntag"_s},
                 {u"fr"_s, u"Janvier"_s, u"Dimanche"_s},
                 {u"it"_s, u"Gennaio"_s, u"Domenica"_s},
                 {u"es"_s, u"Enero"_s, u"Domingo"_s}};
    for (const auto &c : cases) {
        const TInstalledTranslations installed(c.Language, translations);
        const TCalendarPage page;
        EXPECT_EQ(page.GetMonthName(1), c.January) << c.Language.toStdString();
        EXPECT_EQ(page.GetDayName(1), c.Sunday) << c.Language.toStdString();
    }
    // English keeps the names of the system's locale, as before.
    const TCalendarPage english;
    EXPECT_EQ(english.GetMonthName(1), QLocale::system().standaloneMonthName(1));
    EXPECT_EQ(english.GetDayName(1), QLocale::system().standaloneDayName(7));
}

// Regression: texts added after the interface was translated, the warning at
// the start and the line that sums up a full cell among them, stayed English.
TEST(InterfaceLanguage, TheStartWarningAndAFullCellSpeakTheLanguage)
{
    QTemporaryDir parent;
    const QString folder = QDir(parent.path()).filePath(u"datewright-%1"_s.arg(::geteuid()));
    ASSERT_TRUE(QFile(folder).open(QIODevice::WriteOnly));
    const struct
    {
        QString Language, Warning, More;
    } cases[] = {
        {u"en"_s,
         u"Datewright cannot make sure that it is the only copy running: the folder %1 is not a "
         u"folder."_s,
         u"+ 2 more"_s},
        {u"de"_s,
         u"Datewright kann nicht sicherstellen, dass keine weitere Instanz läuft: Der Ordner %1 "
         u"ist kein Ordner."_s,
         u"+ 2 weitere"_s},
        {u"fr"_s,
         u"Datewright ne peut pas s'assurer d'être la seule instance en cours d'exécution\u00a0: "
         u"le dossier %1 n'est pas un dossier."_s,
         u"+ 2 autres"_s},
        {u"it"_s,
         u"Datewright non può assicurarsi di essere l'unica istanza in esecuzione: la cartella %1 "
         u"non è una cartella."_s,
         u"+ 2 altri"_s},
        {u"es"_s,
         u"Datewright no puede asegurarse de ser la única instancia en ejecución: la carpeta %1 "
         u"no es una carpeta."_s,
         u"+ 2 más"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.Language.toStdString());
        const TInstalledTranslations installed(c.Language, translations);
        QString why;
        EXPECT_EQ(TPreviousInstance::OwnFolder(parent.path(), &why), QString());
        EXPECT_EQ(CheckOtherCopies({}, why, u"datewright"_s).Warning, c.Warning.arg(folder));
        TCellFill fill;
        fill.More = 2;
        EXPECT_EQ(fill.Lines(), QStringList{c.More});
    }
}

TEST(LanguageMenu, ListsSystemAndTheLanguagesAndStoresTheChoiceForTheNextStart)
{
    TSettingsFolder folder;
    TLanguageMenu menu;
    QStringList captions;
    QAction *system = nullptr;
    for (QAction *item : menu.actions()) {
        if (item->isSeparator())
            continue;
        captions << item->text();
        if (item->isChecked())
            system = item;
    }
    EXPECT_EQ(captions, (QStringList{u"System"_s, u"English"_s, u"Deutsch"_s, u"Français"_s,
                                     u"Italiano"_s, u"Español"_s}));
    ASSERT_NE(system, nullptr);
    EXPECT_EQ(system->text(), u"System"_s) << "without a setting the system's language";

    menu.findChild<QAction *>(u"mnuLanguage_de"_s)->trigger();
    EXPECT_EQ(ReadLanguageSetting(), u"de"_s);
    EXPECT_EQ(TIniFile(SettingsFileName()).ReadString(u"Language"_s, u"Interface"_s, {}), u"de"_s);
    EXPECT_EQ(folder.Messages.size(), 1) << "told it takes effect at the next start";

    // The language the interface already speaks needs no word.
    menu.findChild<QAction *>(u"mnuLanguage_en"_s)->trigger();
    EXPECT_EQ(ReadLanguageSetting(), u"en"_s);
    EXPECT_EQ(folder.Messages.size(), 1);

    const TLanguageMenu again;
    EXPECT_TRUE(again.findChild<QAction *>(u"mnuLanguage_en"_s)->isChecked());
}

// The letter a caption underlines ("Save &As" A), none without one.
QChar Mnemonic(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&')
                return caption[i + 1].toLower();
            ++i;
        }
    }
    return {};
}

// The letters underlined in a menu's items (or a menu bar's menus) that
// another item underlines too.
QStringList SharedMnemonics(const QList<QAction *> &items)
{
    QMap<QChar, QStringList> byLetter;
    for (const QAction *item : items) {
        if (const QChar letter = Mnemonic(item->text()); !letter.isNull())
            byLetter[letter] << item->text();
    }
    QStringList shared;
    for (const QStringList &captions : std::as_const(byLetter)) {
        if (captions.size() > 1)
            shared << captions.join(u" / "_s);
    }
    return shared;
}

TEST(InterfaceLanguage, EachMenuUnderlinesEachLetterOnceInEveryLanguage)
{
    TSettingsFolder folder;
    // English keeps its captions as they always were, "Save &As..." beside
    // "Clear &All Cell Contents" included.
    for (const QString &language : InterfaceLanguages().mid(1)) {
        const TInstalledTranslations installed(language, translations);
        TCalendarMain window;
        const QMenuBar *bar = window.findChild<QMenuBar *>();
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(SharedMnemonics(bar->actions()).join(u", "_s).toStdString(), "")
            << language.toStdString();
        for (const QMenu *menu : window.findChildren<QMenu *>())
            EXPECT_EQ(SharedMnemonics(menu->actions()).join(u", "_s).toStdString(), "")
                << language.toStdString() << " " << menu->title().toStdString();
    }
}

TEST(LanguageMenu, IsInTheMainWindowsHelpMenu)
{
    TSettingsFolder folder;
    TCalendarMain window;
    const QMenu *help = window.findChild<QMenu *>(u"Help1"_s);
    ASSERT_NE(help, nullptr);
    EXPECT_NE(help->findChild<TLanguageMenu *>(), nullptr);
}

} // namespace
