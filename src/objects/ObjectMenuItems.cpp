#include "ObjectMenuItems.h"

#include "LumBasePanel.h"
#include "LumGraphicControl.h"

TDesignMenuItem MenuCheck(const QString &caption, bool checked, std::function<void()> command)
{
    TDesignMenuItem item = MenuCommand(caption, std::move(command));
    item.Checkable = true;
    item.Checked = checked;
    return item;
}

TDesignMenuItem MenuSubmenu(const QString &caption, TLumGraphicControl &object,
                            std::function<TDesignMenu()> items)
{
    return MenuCommand(caption, [&object, items = std::move(items)] {
        if (const TLumBasePanel *panel = object.Parent())
            panel->PopupMenu(items(), QPoint(object.Left() + object.Width() / 2,
                                             object.Top() + object.Height() / 2));
    });
}
