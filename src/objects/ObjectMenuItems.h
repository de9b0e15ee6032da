#pragma once

#include "DesignMenu.h"

#include <functional>

class TLumGraphicControl;

// Menu items the placed objects' menus share.

// An item with a check mark.
TDesignMenuItem MenuCheck(const QString &caption, bool checked, std::function<void()> command);

// An item that opens a menu of its own over object, built when it opens:
// the design surface's menus do not nest, so a submenu opens once its item
// is chosen.
TDesignMenuItem MenuSubmenu(const QString &caption, TLumGraphicControl &object,
                            std::function<TDesignMenu()> items);
