#pragma once

#include "DesignMenu.h"
#include "DesignTypes.h"
#include "FontDesc.h"
#include "Rect.h"

#include <QPoint>

#include <optional>

// What the design panel asks of the window that shows it. The panel works
// without one (tests, the command-line renderer); the widget layer attaches
// one to put its requests on the screen.
class TDesignView
{
public:
    virtual ~TDesignView() = default;

    // Part of the panel, in panel pixels, must be drawn again.
    virtual void InvalidateArea(const TRect &area) = 0;
    virtual void ShowCursor(TDesignCursor cursor) = 0;
    // Opens menu at a point of the panel and runs the command chosen.
    virtual void PopupMenu(const TDesignMenu &menu, QPoint at) = 0;
    // Has the panel's DeliverRefit run once the current event is over.
    virtual void PostRefit() = 0;
    // The font dialog; nothing when cancelled.
    virtual std::optional<TFontDesc> ChooseFont(const TFontDesc &current) = 0;
    // The handle's bounds or visibility changed, or it came to the front.
    virtual void HandleChanged() = 0;
    // The handle takes the keyboard focus.
    virtual void FocusHandle() = 0;
};
