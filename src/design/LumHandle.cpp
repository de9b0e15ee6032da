#include "LumHandle.h"

#include "DesignView.h"
#include "LumBasePanel.h"
#include "LumGraphicControl.h"

#include <QPainter>

#include <algorithm>
#include <utility>

namespace {

constexpr qint64 QuickClickMs = 150;
constexpr qint64 DragRestartMs = 10;

// The selection bounds grown by 2 on the left and top and by grow on the
// right and bottom.
TBounds Around(const TRect &selection, int grow)
{
    return {selection.Left - 2, selection.Top - 2, selection.Width() + 2 + grow,
            selection.Height() + 2 + grow};
}

std::optional<TArrow> ArrowOf(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return TArrow::Left;
    case Qt::Key_Up:
        return TArrow::Up;
    case Qt::Key_Right:
        return TArrow::Right;
    case Qt::Key_Down:
        return TArrow::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

TLumHandle::TLumHandle(TLumBasePanel &panel) : m_panel(panel) {}

TPlacedObjects &TLumHandle::Objects() const
{
    return m_panel.Objects();
}

void TLumHandle::SetColor(TColor Value)
{
    if (Value == m_color)
        return;
    m_color = Value;
    InvalidateSelection();
}

void TLumHandle::SetSecondaryColor(TColor Value)
{
    if (Value == m_secondaryColor)
        return;
    m_secondaryColor = Value;
    InvalidateSelection();
}

void TLumHandle::SetGridX(int Value)
{
    Value = std::clamp(Value, 1, 32);
    if (Value == m_gridX)
        return;
    m_gridX = m_rememberedGridX = Value;
}

void TLumHandle::SetGridY(int Value)
{
    Value = std::clamp(Value, 1, 32);
    if (Value == m_gridY)
        return;
    m_gridY = m_rememberedGridY = Value;
}

void TLumHandle::SetSnapToGrid(bool Value)
{
    m_gridX = Value ? m_rememberedGridX : 1;
    m_gridY = Value ? m_rememberedGridY : 1;
}

TRect TLumHandle::SelectionUnion() const
{
    const QList<TLumGraphicControl *> &selection = Objects().Selection();
    if (selection.isEmpty())
        return {};
    TRect all = selection.first()->BoundsRect();
    for (const TLumGraphicControl *object : selection) {
        const TRect r = object->BoundsRect();
        all = {std::min(all.Left, r.Left), std::min(all.Top, r.Top), std::max(all.Right, r.Right),
               std::max(all.Bottom, r.Bottom)};
    }
    return all;
}

void TLumHandle::SetBounds(const TBounds &bounds)
{
    if (bounds == m_bounds)
        return;
    m_bounds = bounds;
    Changed();
}

void TLumHandle::Show(bool visible)
{
    if (visible == m_visible && visible == m_enabled)
        return;
    m_visible = m_enabled = visible;
    Changed();
}

void TLumHandle::Changed()
{
    m_panel.HandleChanged();
}

void TLumHandle::InvalidateSelection() const
{
    for (const TLumGraphicControl *object : Objects().Selection())
        m_panel.InvalidateObject(object->Bounds());
}

void TLumHandle::FocusAtRunTime()
{
    m_captured = true;
    Changed();
    m_panel.FocusHandle();
}

void TLumHandle::Add(TLumGraphicControl *Object)
{
    if (Object && Object->Unselectable())
        return;
    m_mouseDownTick = m_panel.TickCount();
    if (!Object || Objects().IsSelected(Object) || !Objects().Contains(Object))
        return;
    m_panel.ShowCursor(TDesignCursor::HandGrab);
    // Squares drawn for one object differ from those for several.
    if (Count() == 1)
        InvalidateSelection();
    const TRect r = Object->BoundsRect();
    if (Objects().Selection().isEmpty()) {
        ShowOutline(std::nullopt);
        Show(true);
        SetBounds(Around(r, 3));
    } else {
        const int left = std::min(m_bounds.Left, r.Left - 2);
        const int top = std::min(m_bounds.Top, r.Top - 2);
        const int right = std::max(m_bounds.Right() - 3, r.Right) + 3;
        const int bottom = std::max(m_bounds.Bottom() - 3, r.Bottom) + 3;
        SetBounds({left, top, right - left, bottom - top});
    }
    Objects().Select(Object);
    m_panel.InvalidateObject(Object->Bounds());
    m_hitZone = hzMove;
    FocusAtRunTime();
}

void TLumHandle::Remove(TLumGraphicControl *Object)
{
    if (!Objects().IsSelected(Object))
        return;
    m_panel.InvalidateObject(Object->Bounds());
    Objects().Deselect(Object);
    if (!Objects().Selection().isEmpty()) {
        SetBounds(Around(SelectionUnion(), 3));
        if (Count() == 1)
            InvalidateSelection();
        return;
    }
    m_locked = false;
    Show(false);
    ShowOutline(std::nullopt);
}

void TLumHandle::Clear()
{
    InvalidateSelection();
    Objects().ClearSelection();
    m_locked = false;
    Show(false);
    SetBounds({m_bounds.Left, m_bounds.Top, 24, 24});
    ShowOutline(std::nullopt);
    m_dragging = false;
    m_keyMoving = false;
    m_captured = false;
    EndContentDrag();
}

int TLumHandle::IndexOf(const TLumGraphicControl *Object) const
{
    return int(Objects().Selection().indexOf(Object));
}

int TLumHandle::Count() const
{
    return int(Objects().Selection().size());
}

TLumGraphicControl *TLumHandle::Items(int I) const
{
    return Objects().Selection().value(I, nullptr);
}

void TLumHandle::Refit()
{
    if (Objects().Selection().isEmpty())
        return;
    SetBounds(Around(SelectionUnion(), 4));
    Changed();
    InvalidateSelection();
}

TLumGraphicControl *TLumHandle::ObjectAt(QPoint Point) const
{
    for (TLumGraphicControl *object : Objects().Selection()) {
        const TRect r = object->BoundsRect();
        const TRect grown{r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 2};
        if (grown.Contains(Point.x(), Point.y()))
            return object;
    }
    return nullptr;
}

void TLumHandle::BringSelectionToFront()
{
    if (Objects().Selection().isEmpty() || m_locked)
        return;
    for (TLumGraphicControl *object : Objects().Selection())
        Objects().BringToFront(object);
    Changed();
    if (m_visible && m_enabled)
        m_panel.FocusHandle();
}

void TLumHandle::SendSelectionToBack()
{
    if (Objects().Selection().isEmpty() || m_locked)
        return;
    for (TLumGraphicControl *object : Objects().Selection())
        Objects().SendToBack(object);
    Changed();
    if (m_visible && m_enabled)
        m_panel.FocusHandle();
}

void TLumHandle::SetHandleBounds(int L, int T, int W, int H)
{
    const TViewBatch batch(m_panel);
    // A copy: an object moved may leave the selection.
    const QList<TLumGraphicControl *> selection = Objects().Selection();
    for (TLumGraphicControl *object : selection) {
        if (object->Locked())
            continue;
        object->SetObjectBounds(
            L + object->Left() - m_bounds.Left, T + object->Top() - m_bounds.Top,
            W + object->Width() - m_bounds.Width, H + object->Height() - m_bounds.Height);
    }
    SetBounds({L, T, W, H});
}

void TLumHandle::ShowOutline(const std::optional<TRect> &outline)
{
    if (outline == m_outline)
        return;
    if (m_outline)
        m_panel.InvalidateFrame(*m_outline);
    m_outline = outline;
    if (m_outline)
        m_panel.InvalidateFrame(*m_outline);
}

QPoint TLumHandle::Clamped(int X, int Y) const
{
    return {
        std::clamp(X, -m_bounds.Left, std::max(-m_bounds.Left, m_panel.Width() - m_bounds.Left)),
        std::clamp(Y, -m_bounds.Top, std::max(-m_bounds.Top, m_panel.Height() - m_bounds.Top))};
}

TBounds TLumHandle::DragTarget(QPoint point) const
{
    return DraggedBounds(m_hitZone, m_bounds, point.x() - m_start.x(), point.y() - m_start.y(),
                         m_gridX, m_gridY);
}

void TLumHandle::PassOnPress(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)
{
    m_panel.MouseDown(Button, Shift, X + m_bounds.Left, Y + m_bounds.Top);
}

void TLumHandle::PassOnRelease(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)
{
    m_captured = false;
    m_panel.MouseUp(Button, Shift, X + m_bounds.Left, Y + m_bounds.Top);
}

void TLumHandle::MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)
{
    m_mouseDownTick = m_panel.TickCount();
    m_doubleClicked = false;
    if (m_panel.Pointing() && Button == Qt::LeftButton) {
        if (TLumGraphicControl *object = ContentAt(Shift, X, Y)) {
            BeginContentDrag(*object, X, Y);
            return;
        }
        m_captured = true;
        if (!m_locked) {
            m_start = QPoint(X, Y);
            m_dragging = true;
        }
        return;
    }
    if (m_panel.Pointing() && Button == Qt::RightButton) {
        const QPoint at(X + m_bounds.Left, Y + m_bounds.Top);
        TLumGraphicControl *object = ObjectAt(at);
        if (object && Count() == 1)
            m_panel.OpenObjectMenu(*object, at);
        else
            m_panel.OpenPanelMenu(at);
        return;
    }
    m_panel.ShowCursor(TDesignCursor::Default);
    PassOnPress(Button, Shift, X, Y);
}

void TLumHandle::MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y)
{
    if (m_contentDrag) {
        DragContentTo(X, Y);
        return;
    }
    if (m_doubleClicked) {
        m_doubleClicked = false;
        m_dragging = false;
        ShowOutline(std::nullopt);
    }
    if (!m_panel.Pointing()) {
        m_panel.ShowCursor(TDesignCursor::Drag);
        return;
    }
    const bool leftHeld = Buttons.testFlag(Qt::LeftButton);
    if (!leftHeld || m_dragging || m_locked) {
        if (!leftHeld)
            m_captured = false;
        if (!m_dragging) {
            m_panel.ShowCursor(TDesignCursor::HandGrab);
            m_hitZone = Count() == 1 ? HitZoneAt(X, Y, m_bounds.Width, m_bounds.Height) : hzMove;
            m_panel.ShowCursor(m_locked                 ? TDesignCursor::NoDrop
                               : ContentAt(Shift, X, Y) ? TDesignCursor::SizeAll
                                                        : ZoneCursor(m_hitZone));
            return;
        }
        ShowOutline(OutlineOf(DragTarget(Clamped(X, Y))));
        return;
    }
    if (m_panel.TickCount() - m_mouseDownTick > DragRestartMs) {
        m_start = QPoint(X, Y);
        m_dragging = true;
        m_captured = true;
    }
}

void TLumHandle::MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)
{
    if (m_contentDrag && Button == Qt::LeftButton) {
        // A quick click moves nothing, however the mouse jittered.
        const bool quick = m_panel.TickCount() - m_mouseDownTick < QuickClickMs;
        DragContentTo(quick ? m_start.x() : X, quick ? m_start.y() : Y);
        EndContentDrag();
        m_panel.ShowCursor(TDesignCursor::Default);
        m_panel.FocusHandle();
        return;
    }
    // A quick click moves nothing, however the mouse jittered.
    if (m_dragging && m_panel.TickCount() - m_mouseDownTick < QuickClickMs)
        m_start = Clamped(X, Y);
    if (!m_dragging || Button != Qt::LeftButton) {
        PassOnRelease(Button, Shift, X, Y);
        InvalidateSelection();
        return;
    }
    const QPoint point = Clamped(X, Y);
    if (point != m_start) {
        InvalidateSelection();
        const TBounds target = DragTarget(point);
        SetHandleBounds(target.Left, target.Top, target.Width, target.Height);
    }
    ShowOutline(std::nullopt);
    m_dragging = false;
    m_captured = false;
    m_panel.ShowCursor(TDesignCursor::Default);
    m_panel.FocusHandle();
    InvalidateSelection();
}

TLumGraphicControl *TLumHandle::ContentAt(Qt::KeyboardModifiers Shift, int X, int Y) const
{
    if (!Shift.testFlag(Qt::ControlModifier) || !m_panel.Pointing() || m_locked || Count() != 1 ||
        HitZoneAt(X, Y, m_bounds.Width, m_bounds.Height) != hzMove)
        return nullptr;
    TLumGraphicControl *object = Items(0);
    const bool inside = object->BoundsRect().Contains(X + m_bounds.Left, Y + m_bounds.Top);
    return inside && !object->Locked() && object->DragsContent() ? object : nullptr;
}

void TLumHandle::BeginContentDrag(TLumGraphicControl &Object, int X, int Y)
{
    m_contentDrag = &Object;
    m_start = QPoint(X, Y);
    m_captured = true;
    // The crop changes with every move; the document records one change.
    m_panel.HoldChangeNotices();
    Object.BeginContentDrag();
    m_panel.ShowCursor(TDesignCursor::SizeAll);
}

void TLumHandle::DragContentTo(int X, int Y)
{
    if (!Objects().Contains(m_contentDrag))
        return;
    // In pixels at zoom 1, so that the content follows the pointer at every
    // zoom.
    const double zoom = m_contentDrag->Scale() > 0 ? double(m_contentDrag->Scale()) : 1.0;
    m_contentDrag->DragContent(QPointF(X - m_start.x(), Y - m_start.y()) / zoom);
}

void TLumHandle::EndContentDrag()
{
    TLumGraphicControl *object = std::exchange(m_contentDrag, nullptr);
    if (!object)
        return;
    m_captured = false;
    // A drag that ends where it began changes nothing.
    const bool noticed = m_panel.ReleaseChangeNotices();
    if (noticed && Objects().Contains(object) && object->ContentMoved())
        m_panel.NotifyLabelChanged();
}

void TLumHandle::MouseLeave()
{
    if (m_dragging)
        return;
    m_panel.ShowCursor(m_panel.Pointing() ? TDesignCursor::Default : TDesignCursor::Drag);
}

void TLumHandle::KeyDown(int Key, Qt::KeyboardModifiers Shift)
{
    if (const std::optional<TArrow> arrow = ArrowOf(Key); arrow && Count() > 0) {
        if (!m_keyMoving) {
            m_keys = KeyboardRect(m_bounds);
            m_keyMoving = true;
        }
        const bool resize = Shift.testFlag(Qt::ShiftModifier) && Count() == 1;
        m_keys = NudgedRect(m_keys, *arrow, resize, m_panel.Width(), m_panel.Height());
        ShowOutline(m_keys);
    }
    m_panel.KeyDown(Key, Shift);
}

void TLumHandle::KeyUp(int, Qt::KeyboardModifiers)
{
    if (!m_keyMoving)
        return;
    ShowOutline(std::nullopt);
    m_keyMoving = false;
    InvalidateSelection();
    const TBounds target = BoundsOfKeyboardRect(m_keys);
    SetHandleBounds(target.Left, target.Top, target.Width, target.Height);
    InvalidateSelection();
}

void TLumHandle::Paint(QPainter &Target) const
{
    for (const TLumGraphicControl *object : Objects().Selection())
        object->DrawHandles(Target);
}
