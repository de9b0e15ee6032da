#pragma once

#include "Color.h"
#include "HandleGeometry.h"

#include <QPoint>

#include <optional>

class QPainter;
class TLumBasePanel;
class TLumGraphicControl;
class TPlacedObjects;

// The selection handle of a design panel: it keeps the selected objects
// (in the panel's list), lies over them, and turns drags on it and arrow
// keys into moves and resizes of them, optionally snapped to a grid. It
// draws nothing of its own; the selected objects show their squares.
//
// Visible and enabled exactly while something is selected; its bounds then
// cover the selected objects grown by 2 pixels left and above and 3 right
// and below (4 after a Refit). Coordinates of its mouse events are relative
// to its own top-left corner.
//
// A drag with Ctrl held that starts inside the one selected object, when
// that object's content can move in its frame (a picture filling it), moves
// the content instead of the object: live, in pixels at zoom 1, and told to
// the panel as one change when the mouse is released.
class TLumHandle
{
public:
    explicit TLumHandle(TLumBasePanel &panel);
    TLumHandle(const TLumHandle &) = delete;
    TLumHandle &operator=(const TLumHandle &) = delete;

    // Published.
    TColor Color() const { return m_color; }
    void SetColor(TColor Value);
    TColor SecondaryColor() const { return m_secondaryColor; }
    void SetSecondaryColor(TColor Value);
    // A locked handle neither moves nor reorders the selection.
    bool Locked() const { return m_locked; }
    void SetLocked(bool Value) { m_locked = Value; }
    // The snapping steps in use, 1 to 32; 1 is no snapping.
    int GridX() const { return m_gridX; }
    void SetGridX(int Value);
    int GridY() const { return m_gridY; }
    void SetGridY(int Value);
    bool SnapToGrid() const { return m_gridX > 1 || m_gridY > 1; }
    // On: the remembered steps come into use; off: steps of 1.
    void SetSnapToGrid(bool Value);

    const TBounds &Bounds() const { return m_bounds; }
    bool Visible() const { return m_visible; }
    bool Enabled() const { return m_enabled; }

    // The selection.
    void Add(TLumGraphicControl *Object);
    void Remove(TLumGraphicControl *Object);
    void Clear();
    int IndexOf(const TLumGraphicControl *Object) const;
    int Count() const;
    // Null for an index outside the list.
    TLumGraphicControl *Items(int I) const;
    // Fits the handle around the selection again.
    void Refit();
    // Whether a selected object, grown by 2 pixels, holds the point (panel
    // pixels); the first such in selection order.
    bool HitSelected(QPoint Point) const { return ObjectAt(Point) != nullptr; }
    TLumGraphicControl *ObjectAt(QPoint Point) const;
    void BringSelectionToFront();
    void SendSelectionToBack();
    // Moves and resizes every unlocked selected object by the change from
    // the handle's bounds to these, then takes them.
    void SetHandleBounds(int L, int T, int W, int H);

    // Mouse and keys on the handle, in handle pixels.
    void MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void MouseLeave();
    // A double-click on the handle or an object: a drag the first click
    // began ends with the next move.
    void DoubleClicked() { m_doubleClicked = true; }
    void KeyDown(int Key, Qt::KeyboardModifiers Shift);
    void KeyUp(int Key, Qt::KeyboardModifiers Shift);

    // Whether mouse moves and releases over the panel come here.
    bool Captured() const { return m_captured; }
    void ReleaseCapture() { m_captured = false; }

    THitZone HitZone() const { return m_hitZone; }
    bool Dragging() const { return m_dragging; }
    // Whether a drag moves an object's content inside its frame.
    bool DraggingContent() const { return m_contentDrag != nullptr; }
    bool KeyboardMoving() const { return m_keyMoving; }
    // The outline a drag or the arrow keys show, in panel pixels.
    std::optional<TRect> Outline() const { return m_outline; }

    // The squares of every selected object.
    void Paint(QPainter &Target) const;

private:
    TPlacedObjects &Objects() const;
    // The union of the selected objects' bounds.
    TRect SelectionUnion() const;
    void SetBounds(const TBounds &bounds);
    void Show(bool visible);
    void Changed();
    void InvalidateSelection() const;
    void ShowOutline(const std::optional<TRect> &outline);
    QPoint Clamped(int X, int Y) const;
    TBounds DragTarget(QPoint point) const;
    void PassOnPress(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void PassOnRelease(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
    void FocusAtRunTime();
    // The object whose content a press at (X, Y) with Shift would drag.
    TLumGraphicControl *ContentAt(Qt::KeyboardModifiers Shift, int X, int Y) const;
    void BeginContentDrag(TLumGraphicControl &Object, int X, int Y);
    void DragContentTo(int X, int Y);
    // Ends a content drag; the panel hears of the change once.
    void EndContentDrag();

    TLumBasePanel &m_panel;
    TColor m_color = clBlack;
    TColor m_secondaryColor = clGray;
    bool m_locked = false;
    int m_gridX = 1;
    int m_gridY = 1;
    int m_rememberedGridX = 8;
    int m_rememberedGridY = 8;
    TBounds m_bounds{0, 0, 24, 24};
    bool m_visible = false;
    bool m_enabled = false;
    qint64 m_mouseDownTick = 0;
    QPoint m_start;
    bool m_dragging = false;
    TLumGraphicControl *m_contentDrag = nullptr;
    THitZone m_hitZone = hzMove;
    std::optional<TRect> m_outline;
    TRect m_keys;
    bool m_keyMoving = false;
    bool m_doubleClicked = false;
    bool m_captured = false;
};
