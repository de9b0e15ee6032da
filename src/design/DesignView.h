#pragma once

#include "DesignMenu.h"
#include "DesignTypes.h"
#include "FontDesc.h"
#include "Rect.h"

#include <QPoint>

#include <optional>

// What the design panel asks of the window that shows it. The panel works
// without one (tests, the command-line renderer); the widget layer attaches
// one to put its requests on the screen. The zoom and the tool are the
// view's: the panel keeps neither.
class TDesignView
{
public:
    virtual ~TDesignView() = default;

    // The zoom the panel is shown at; 1 is 100 %. Mouse positions reach the
    // panel in pixels at this zoom.
    virtual float Zoom() const { return 1.0f; }
    // The tool: 0 selects; any other makes an object of its kind from a drag
    // on empty panel area (the panel's CreateObjectInRect knows which).
    virtual int Tool() const { return 0; }
    // A creation drag ended, its object kept or not: the view goes back to
    // selecting.
    virtual void CreationEnded() {}

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
