#pragma once

#include "DesignMenu.h"

#include <QPoint>

#include <functional>

class QMenu;
class QWidget;

// Context menus of the design surface go through here, so tests can pick an
// item without a menu on the screen.

// Shows menu at globalPos and runs the command of the item chosen.
void ExecDesignMenu(const TDesignMenu &menu, QWidget *parent, QPoint globalPos);

// What tests put in place of the menu: it gets the menu as built (titles,
// enabled states, check marks) and returns the index of the item to run,
// or -1 for none. Reset with an empty function.
using TMenuAnswerer = std::function<int(const TDesignMenu &menu, QPoint globalPos)>;
void SetMenuAnswerer(TMenuAnswerer answerer);
