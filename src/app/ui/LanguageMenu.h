#pragma once

#include <QMenu>

// "Language" with "System" and the interface languages by their own names
// (English, Deutsch, Français, Italiano, Español), the one of the settings
// file checked. A choice is written at once and takes effect at the next
// start, which the user is told when it changes the interface's language.
class TLanguageMenu : public QMenu
{
    Q_OBJECT

public:
    explicit TLanguageMenu(QWidget *parent = nullptr);

private:
    void Choose(const QString &setting);
};
