#include "LanguageMenu.h"

#include "LanguageSetting.h"
#include "Messages.h"
#include "Translations.h"

#include <QActionGroup>

using namespace Qt::StringLiterals;

namespace {

// Each language by its own name, so it can be found whatever the interface
// speaks; in the order of InterfaceLanguages.
const QStringList &OwnNames()
{
    static const QStringList names{u"English"_s, u"Deutsch"_s, u"Français"_s, u"Italiano"_s,
                                   u"Español"_s};
    return names;
}

} // namespace

TLanguageMenu::TLanguageMenu(QWidget *parent) : QMenu(tr("&Language"), parent)
{
    setObjectName(u"mnuLanguage"_s);
    menuAction()->setObjectName(u"mnuLanguage"_s);
    auto *group = new QActionGroup(this);
    const QString chosen = ReadLanguageSetting();
    const auto add = [&](const QString &caption, const QString &setting) {
        QAction *item = addAction(caption);
        item->setObjectName(u"mnuLanguage_"_s + setting);
        item->setCheckable(true);
        item->setChecked(setting == chosen);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, setting] { Choose(setting); });
    };
    add(tr("System"), QString(SystemLanguage));
    addSeparator();
    for (qsizetype i = 0; i < InterfaceLanguages().size(); ++i)
        add(OwnNames()[i], InterfaceLanguages()[i]);
}

void TLanguageMenu::Choose(const QString &setting)
{
    if (!WriteLanguageSetting(setting))
        return;
    if (ResolveInterfaceLanguage(setting) != InterfaceLanguage())
        ShowInformation(tr("The language you chose takes effect the next time Datewright starts."));
}
