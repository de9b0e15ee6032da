#include "PopupMenus.h"

#include <QHash>
#include <QMenu>

#include <optional>

namespace {

TMenuAnswerer &Answerer()
{
    static TMenuAnswerer answerer;
    return answerer;
}

// Adds items to popup, submenus as menus of their own; chosen learns which
// item each action stands for.
template <class Items>
void AddItems(QMenu &popup, const Items &items, QHash<QAction *, const TDesignMenuItem *> &chosen)
{
    for (const TDesignMenuItem &item : items) {
        if (item.IsSeparator()) {
            popup.addSeparator();
            continue;
        }
        if (!item.Items.empty()) {
            QMenu *submenu = popup.addMenu(item.Caption);
            submenu->setEnabled(item.Enabled);
            AddItems(*submenu, item.Items, chosen);
            continue;
        }
        QAction *action = popup.addAction(item.Caption);
        action->setEnabled(item.Enabled);
        action->setCheckable(item.Checkable);
        action->setChecked(item.Checked);
        chosen.insert(action, &item);
    }
}

// A copy of the item chosen on the screen: the command may free what the
// menu was built from.
std::optional<TDesignMenuItem> ShowMenu(const TDesignMenu &menu, QWidget *parent, QPoint globalPos)
{
    QMenu popup(parent);
    QHash<QAction *, const TDesignMenuItem *> items;
    AddItems(popup, menu, items);
    const TDesignMenuItem *item = items.value(popup.exec(globalPos), nullptr);
    if (!item)
        return std::nullopt;
    return *item;
}

} // namespace

void ExecDesignMenu(const TDesignMenu &menu, QWidget *parent, QPoint globalPos)
{
    std::optional<TDesignMenuItem> item;
    if (Answerer()) {
        const int chosen = Answerer()(menu, globalPos);
        if (chosen >= 0 && chosen < menu.size())
            item = menu[chosen];
    } else {
        item = ShowMenu(menu, parent, globalPos);
    }
    if (item && item->Enabled && item->Command)
        item->Command();
}

void SetMenuAnswerer(TMenuAnswerer answerer)
{
    Answerer() = std::move(answerer);
}
