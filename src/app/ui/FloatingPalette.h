#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QAction;
class QMenu;
class QMenuBar;
class TIconListBox;

// The icon palette "Icons": a small tool window that stays on top and shows
// the icons of one library, from which icons are dragged into day cells. Its
// "File" menu chooses the library: the five beside the program, a bonus set
// from "BonusIcons", or any icon file ("Other..."); the item of the library
// shown carries a check mark. Its place is kept in the settings file.
class TFloatingPalette : public QWidget
{
    Q_OBJECT

public:
    explicit TFloatingPalette(QWidget *parent = nullptr);
    ~TFloatingPalette() override;

    // Shows the icons of fileName and checks its menu item; a library
    // without icons gives way to "Misc1.icl".
    void ShowLibrary(const QString &fileName);
    // The library shown now.
    QString LibraryFileName() const;

    QMenuBar *MainMenu;
    QMenu *FileMenu;
    QAction *mnuActivities, *mnuEvents, *mnuHolidays, *mnuMisc1, *mnuMisc2;
    // A submenu of the bonus sets, or, when there are none, an item that
    // says so.
    QMenu *BonusIconSets;
    QAction *mnuBonusIconSets;
    QAction *mnuOther;
    TIconListBox *IconList;

    // The menu commands.
    void LibraryClick(const QString &fileName);
    void BonusSetClick(const QString &caption);
    void BonusIconSetsClick();
    void OtherClick();

signals:
    // The palette was hidden: the main window's icon tool button follows.
    void Hidden();

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void CreateMenus();
    void FillBonusSets();
    void ShowOnly(const QString &fileName);
    void UpdateChecks(const QString &fileName);
    // The items whose check marks name the library shown.
    QList<QAction *> LibraryActions() const;
};
