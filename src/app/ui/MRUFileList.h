#pragma once

#include <QAction>
#include <QList>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class TMRUFileList;

// A menu entry the recent-files list puts into a menu: a file, numbered from
// 1 in list order, or (numbered 0) the separator before the files or the
// submenu holding them.
class TMRUMenuItem : public QAction
{
    Q_OBJECT

public:
    TMRUMenuItem(int number, const QString &caption, QObject *parent);
    ~TMRUMenuItem() override;

    int Number() const { return m_number; }
    // Makes this the entry that opens a submenu, which it owns.
    QMenu *AddSubmenu();

private:
    int m_number;
    std::unique_ptr<QMenu> m_submenu;
};

// What the owner does with a file picked from the list.
using TMRUClick = std::function<void(TMRUFileList *Sender, const QString &AFilename)>;

// The recently used documents, most recent first, with their menu entries.
//
// The list works without a menu; given FileMenu, every change of the list
// rebuilds the entries at the end of that menu: a separator, then "&1 path",
// "&2 path", ... (inside a submenu when UseSubmenu is set). The list is kept
// in a section of the settings file as "F0", "F1", ...
class TMRUFileList : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaximumLimit = 255;

    explicit TMRUFileList(QObject *parent = nullptr);
    // With AutoSave set, the list is saved first.
    ~TMRUFileList() override;

    // How many files AddFile keeps, 0 to MaximumLimit.
    int Maximum() const { return m_maximum; }
    void SetMaximum(int maximum);
    // A click takes the file out of the list before it is handed on.
    bool RemoveOnClick() const { return m_removeOnClick; }
    void SetRemoveOnClick(bool remove) { m_removeOnClick = remove; }
    bool UseSubmenu() const { return m_useSubmenu; }
    void SetUseSubmenu(bool use) { m_useSubmenu = use; }
    const QString &SubmenuName() const { return m_submenuName; }
    void SetSubmenuName(const QString &name) { m_submenuName = name; }
    QMenu *FileMenu() const { return m_fileMenu; }
    void SetFileMenu(QMenu *menu) { m_fileMenu = menu; }
    const TMRUClick &OnMRUItemClick() const { return m_onClick; }
    void SetOnMRUItemClick(TMRUClick onClick) { m_onClick = std::move(onClick); }
    bool AutoSave() const { return m_autoSave; }
    void SetAutoSave(bool autoSave) { m_autoSave = autoSave; }
    // The settings file and its section that hold the list.
    const QString &AutoSaveName() const { return m_autoSaveName; }
    void SetAutoSaveName(const QString &fileName) { m_autoSaveName = fileName; }
    const QString &AutoSaveKey() const { return m_autoSaveKey; }
    void SetAutoSaveKey(const QString &section) { m_autoSaveKey = section; }

    const QStringList &Files() const { return m_files; }
    // The entries in the menu now, separator and submenu included.
    const QList<QPointer<TMRUMenuItem>> &MenuItems() const { return m_items; }

    // Puts name at the top: an entry naming the same file without regard to
    // letter case moves up (taking name's spelling), else name is added and
    // the list cut to Maximum.
    void AddFile(const QString &name);
    // Replaces the menu entries by the list's.
    void RebuildMenu();
    // A click on entry number (from 1): with OnMRUItemClick set, the file is
    // taken out of the list when RemoveOnClick and then handed to it.
    void ClickItem(int number);

    // Replaces the list by every value of the section, in file order and not
    // cut to Maximum. Nothing without AutoSaveName and AutoSaveKey.
    void LoadFromIni();
    // Rewrites the section from the list; false without AutoSaveName and
    // AutoSaveKey or when the write was refused (the user has been told).
    bool SaveToIni();

private:
    void RemoveMenuItems();
    TMRUMenuItem *AddMenuItem(QWidget &menu, QAction *before, int number, const QString &caption);

    int m_maximum = 5;
    bool m_removeOnClick = true;
    bool m_useSubmenu = false;
    QString m_submenuName = QStringLiteral("Reopen");
    QPointer<QMenu> m_fileMenu;
    TMRUClick m_onClick;
    bool m_autoSave = true;
    QString m_autoSaveName = QStringLiteral("\\Software\\My Application");
    QString m_autoSaveKey = QStringLiteral("MRU Items");
    QStringList m_files;
    QList<QPointer<TMRUMenuItem>> m_items;
};
