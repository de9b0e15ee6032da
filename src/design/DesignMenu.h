#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <vector>

// A context menu as the surface describes it: the widget layer shows it and
// runs the command of the item chosen. Menus are built each time they open,
// so enabled states and check marks are read from the objects then.
struct TDesignMenuItem
{
    // "-" for a separator.
    QString Caption;
    bool Enabled = true;
    bool Checkable = false;
    bool Checked = false;
    std::function<void()> Command;
    // The items of a submenu; an item holding them has no command.
    std::vector<TDesignMenuItem> Items;

    bool IsSeparator() const { return Caption == QLatin1String("-"); }
};

using TDesignMenu = QList<TDesignMenuItem>;

inline TDesignMenuItem MenuSeparator()
{
    return {QStringLiteral("-"), true, false, false, {}, {}};
}

inline TDesignMenuItem MenuCommand(const QString &caption, std::function<void()> command,
                                   bool enabled = true)
{
    return {caption, enabled, false, false, std::move(command), {}};
}

inline TDesignMenuItem MenuCheck(const QString &caption, bool checked,
                                 std::function<void()> command)
{
    return {caption, true, true, checked, std::move(command), {}};
}

inline TDesignMenuItem MenuSubmenu(const QString &caption, std::vector<TDesignMenuItem> items)
{
    return {caption, true, false, false, {}, std::move(items)};
}

// The item captioned caption, in menu or its submenus, or null.
template <class Items>
const TDesignMenuItem *FindMenuItem(const Items &menu, const QString &caption)
{
    for (const TDesignMenuItem &item : menu) {
        if (item.Caption == caption)
            return &item;
        if (const TDesignMenuItem *inner = FindMenuItem(item.Items, caption))
            return inner;
    }
    return nullptr;
}
