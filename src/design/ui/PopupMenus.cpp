#include "PopupMenus.h"

#include <QMenu>

namespace {

TMenuAnswerer &Answerer()
{
    static TMenuAnswerer answerer;
    return answerer;
}

// The index of the item chosen on the screen, or -1.
int ShowMenu(const TDesignMenu &menu, QWidget *parent, QPoint globalPos)
{
    QMenu popup(parent);
    QList<QAction *> actions;
    for (const TDesignMenuItem &item : menu) {
        if (item.IsSeparator()) {
            actions.append(popup.addSeparator());
            continue;
        }
        QAction *action = popup.addAction(item.Caption);
        action->setEnabled(item.Enabled);
        action->setCheckable(item.Checkable);
        action->setChecked(item.Checked);
        actions.append(action);
    }
    return int(actions.indexOf(popup.exec(globalPos)));
}

} // namespace

void ExecDesignMenu(const TDesignMenu &menu, QWidget *parent, QPoint globalPos)
{
    const int chosen = Answerer() ? Answerer()(menu, globalPos) : ShowMenu(menu, parent, globalPos);
    if (chosen < 0 || chosen >= menu.size())
        return;
    // A copy: the command may free what the menu was built from.
    const TDesignMenuItem item = menu[chosen];
    if (item.Enabled && item.Command)
        item.Command();
}

void SetMenuAnswerer(TMenuAnswerer answerer)
{
    Answerer() = std::move(answerer);
}
