#pragma once

#include <QList>
#include <QString>

#include <functional>

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

    bool IsSeparator() const { return Caption == QLatin1String("-"); }
};

using TDesignMenu = QList<TDesignMenuItem>;

inline TDesignMenuItem MenuSeparator()
{
    return {QStringLiteral("-"), true, false, false, {}};
}

inline TDesignMenuItem MenuCommand(const QString &caption, std::function<void()> command,
                                   bool enabled = true)
{
    return {caption, enabled, false, false, std::move(command)};
}

// The item captioned caption, or null.
inline const TDesignMenuItem *FindMenuItem(const TDesignMenu &menu, const QString &caption)
{
    for (const TDesignMenuItem &item : menu) {
        if (item.Caption == caption)
            return &item;
    }
    return nullptr;
}
