#include "MRUFileList.h"

#include "IniFile.h"
#include "SettingsFile.h"

#include <QMenuBar>

#include <algorithm>
#include <utility>

namespace {

// Where the entries of a menu without items of its own go: into the menu or
// menu bar holding it, right after it; else into the menu itself.
std::pair<QWidget *, QAction *> PlaceBesideMenu(QMenu &menu)
{
    QAction *own = menu.menuAction();
    const QObjectList holders = own->associatedObjects();
    for (QObject *holder : holders) {
        QWidget *widget = qobject_cast<QMenu *>(holder);
        if (!widget)
            widget = qobject_cast<QMenuBar *>(holder);
        if (!widget)
            continue;
        const QList<QAction *> actions = widget->actions();
        const qsizetype at = actions.indexOf(own);
        return {widget, at + 1 < actions.size() ? actions[at + 1] : nullptr};
    }
    return {&menu, nullptr};
}

} // namespace

TMRUMenuItem::TMRUMenuItem(int number, const QString &caption, QObject *parent)
    : QAction(caption, parent), m_number(number)
{}

// The entry lets go of its submenu before the submenu is freed.
TMRUMenuItem::~TMRUMenuItem()
{
    if (m_submenu)
        setMenu<QMenu *>(nullptr);
}

QMenu *TMRUMenuItem::AddSubmenu()
{
    m_submenu = std::make_unique<QMenu>(text());
    setMenu(m_submenu.get());
    return m_submenu.get();
}

TMRUFileList::TMRUFileList(QObject *parent) : QObject(parent) {}

TMRUFileList::~TMRUFileList()
{
    if (m_autoSave)
        SaveToIni();
}

void TMRUFileList::SetMaximum(int maximum)
{
    m_maximum = std::clamp(maximum, 0, MaximumLimit);
}

void TMRUFileList::AddFile(const QString &name)
{
    const auto known = std::ranges::find_if(
        m_files, [&](const QString &file) { return file.compare(name, Qt::CaseInsensitive) == 0; });
    if (known != m_files.end())
        m_files.erase(known);
    m_files.prepend(name);
    while (m_files.size() > m_maximum)
        m_files.removeLast();
    RebuildMenu();
}

void TMRUFileList::RemoveMenuItems()
{
    for (const QPointer<TMRUMenuItem> &item : std::as_const(m_items)) {
        if (!item)
            continue;
        const QObjectList holders = item->associatedObjects();
        for (QObject *holder : holders) {
            if (auto *widget = qobject_cast<QWidget *>(holder))
                widget->removeAction(item);
        }
        // Later, as the entry clicked may be the one whose signal runs now.
        item->deleteLater();
    }
    m_items.clear();
}

TMRUMenuItem *TMRUFileList::AddMenuItem(QWidget &menu, QAction *before, int number,
                                        const QString &caption)
{
    auto *item = new TMRUMenuItem(number, caption, this);
    menu.insertAction(before, item);
    m_items.append(item);
    return item;
}

void TMRUFileList::RebuildMenu()
{
    if (!m_fileMenu)
        return;
    RemoveMenuItems();
    if (m_files.isEmpty())
        return;
    auto [menu, before] = m_fileMenu->actions().isEmpty()
                              ? PlaceBesideMenu(*m_fileMenu)
                              : std::pair<QWidget *, QAction *>(m_fileMenu.data(), nullptr);
    AddMenuItem(*menu, before, 0, QString())->setSeparator(true);
    if (m_useSubmenu) {
        menu = AddMenuItem(*menu, before, 0, m_submenuName)->AddSubmenu();
        before = nullptr;
    }
    for (int number = 1; number <= m_files.size(); ++number) {
        const QString caption = u'&' + QString::number(number) + u' ' + m_files[number - 1];
        TMRUMenuItem *item = AddMenuItem(*menu, before, number, caption);
        connect(item, &QAction::triggered, this, [this, number] { ClickItem(number); });
    }
}

void TMRUFileList::ClickItem(int number)
{
    if (!m_onClick || number < 1 || number > m_files.size())
        return;
    const QString fileName = m_files[number - 1];
    if (m_removeOnClick) {
        m_files.removeAt(number - 1);
        RebuildMenu();
    }
    m_onClick(this, fileName);
}

void TMRUFileList::LoadFromIni()
{
    if (m_autoSaveName.isEmpty() || m_autoSaveKey.isEmpty())
        return;
    m_files = TIniFile(m_autoSaveName).ReadSectionValues(m_autoSaveKey);
    RebuildMenu();
}

bool TMRUFileList::SaveToIni()
{
    if (m_autoSaveName.isEmpty() || m_autoSaveKey.isEmpty())
        return false;
    TIniFile ini(m_autoSaveName);
    ini.EraseSection(m_autoSaveKey);
    for (qsizetype i = 0; i < m_files.size(); ++i)
        ini.WriteString(m_autoSaveKey, u'F' + QString::number(i), m_files[i]);
    return WriteSettings(ini);
}
