// The mouse and the keys on a design panel: where each event goes, the
// rubber band, clicks on objects and on the handle.

#include "DesignView.h"
#include "LumBasePanel.h"
#include "LumGraphicControl.h"

#include <cstdlib>

namespace {

// A press and release this close together are a click, not a drag.
constexpr int ClickSlack = 2;

TRect Normalised(const TRect &r)
{
    return {std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
            std::max(r.Top, r.Bottom)};
}

bool Meet(const TRect &a, const TRect &b)
{
    return std::max(a.Left, b.Left) < std::min(a.Right, b.Right) &&
           std::max(a.Top, b.Top) < std::min(a.Bottom, b.Bottom);
}

} // namespace

TLumGraphicControl *TLumBasePanel::PressedObject() const
{
    return m_objects.Contains(m_pressedObject) ? m_pressedObject : nullptr;
}

void TLumBasePanel::MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)
{
    m_handle.ReleaseCapture();
    m_pressPoint = QPoint(X, Y);
    if (TLumGraphicControl *object = m_objects.TopmostAt(X, Y)) {
        m_pressTarget = TPressTarget::Object;
        m_pressedObject = object;
        object->MouseDown(Button, Shift, X - object->Left(), Y - object->Top());
        return;
    }
    m_pressTarget = TPressTarget::Panel;
    m_pressedObject = nullptr;
    PanelMouseDown(Button, Shift, X, Y);
}

void TLumBasePanel::MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X, int Y)
{
    if (m_handle.Captured()) {
        m_handle.MouseMove(Buttons, Shift, X - m_handle.Bounds().Left, Y - m_handle.Bounds().Top);
        return;
    }
    if (Buttons != Qt::NoButton && m_pressTarget == TPressTarget::Object) {
        if (TLumGraphicControl *object = PressedObject())
            object->MouseMove(Buttons, Shift, X - object->Left(), Y - object->Top());
        return;
    }
    if (Buttons != Qt::NoButton && m_pressTarget == TPressTarget::Panel) {
        PanelMouseMove(Buttons, Shift, X, Y);
        return;
    }
    TLumGraphicControl *object = m_objects.TopmostAt(X, Y);
    if (object != m_hoverObject) {
        if (m_hoverObject && !object)
            MouseLeave();
        m_hoverObject = object;
    }
    if (object)
        object->MouseMove(Buttons, Shift, X - object->Left(), Y - object->Top());
    else
        PanelMouseMove(Buttons, Shift, X, Y);
}

void TLumBasePanel::MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)
{
    if (m_handle.Captured()) {
        m_handle.MouseUp(Button, Shift, X - m_handle.Bounds().Left, Y - m_handle.Bounds().Top);
        m_pressTarget = TPressTarget::None;
        return;
    }
    const TPressTarget target = m_pressTarget;
    m_pressTarget = TPressTarget::None;
    if (target == TPressTarget::Object) {
        if (TLumGraphicControl *object = PressedObject())
            object->MouseUp(Button, Shift, X - object->Left(), Y - object->Top());
        return;
    }
    // The click comes before the release is handled, and only for a press
    // and release on the panel that did not drag out a rectangle.
    const bool click = target == TPressTarget::Panel && Button == Qt::LeftButton && X >= 0 &&
                       Y >= 0 && X < Width() && Y < Height() &&
                       std::abs(X - m_pressPoint.x()) <= ClickSlack &&
                       std::abs(Y - m_pressPoint.y()) <= ClickSlack;
    if (click)
        PanelClicked(X, Y);
    PanelMouseUp(Button, Shift, X, Y);
}

void TLumBasePanel::DoubleClick(int X, int Y)
{
    m_pressPoint = QPoint(X, Y);
    if (TLumGraphicControl *object = m_objects.TopmostAt(X, Y))
        object->DblClick();
    else
        PanelDoubleClicked(X, Y);
}

void TLumBasePanel::MouseLeave()
{
    m_hoverObject = nullptr;
    if (!m_rubberBanding)
        ShowCursor(Pointing() ? TDesignCursor::Default : TDesignCursor::Drag);
}

void TLumBasePanel::KeyDown(int Key, Qt::KeyboardModifiers Shift)
{
    const bool control = Shift.testFlag(Qt::ControlModifier);
    if (control && Key == Qt::Key_C)
        ClipboardAction(caCopy);
    else if (control && Key == Qt::Key_V)
        ClipboardAction(caPaste);
    else if (control && Key == Qt::Key_X)
        ClipboardAction(caCut);
    else if (!control && Key == Qt::Key_Delete)
        ClipboardAction(caDelete);
}

void TLumBasePanel::HandleMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                                    int Y)
{
    const QPoint at(X + m_handle.Bounds().Left, Y + m_handle.Bounds().Top);
    m_pressPoint = at;
    if (Pointing() && Button == Qt::LeftButton && Shift.testFlag(Qt::ShiftModifier)) {
        DeselectAt(at);
        return;
    }
    m_handle.MouseDown(Button, Shift, X, Y);
}

void TLumBasePanel::HandleMouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X,
                                    int Y)
{
    m_handle.MouseMove(Buttons, Shift, X, Y);
}

void TLumBasePanel::HandleMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)
{
    m_handle.MouseUp(Button, Shift, X, Y);
}

void TLumBasePanel::HandleDoubleClick(int X, int Y)
{
    m_handle.DoubleClicked();
    ObjectDoubleClick(nullptr, QPoint(X + m_handle.Bounds().Left, Y + m_handle.Bounds().Top));
}

// Shift-click on the selection: the objects under the point leave it.
void TLumBasePanel::DeselectAt(QPoint At)
{
    QList<TLumGraphicControl *> kept = m_objects.Selection();
    const TViewBatch batch(*this);
    m_handle.Clear();
    kept.removeIf([At](const TLumGraphicControl *object) {
        return object->BoundsRect().Contains(At.x(), At.y());
    });
    for (TLumGraphicControl *object : kept)
        m_handle.Add(object);
}

void TLumBasePanel::ObjectMouseDown(TLumGraphicControl &Sender, Qt::MouseButton Button,
                                    Qt::KeyboardModifiers Shift, int X, int Y)
{
    if (!Pointing() || Sender.Unselectable()) {
        PanelMouseDown(Button, Shift, X + Sender.Left(), Y + Sender.Top());
        return;
    }
    if (!Shift.testFlag(Qt::ShiftModifier))
        m_handle.Clear();
    m_handle.Add(&Sender);
    if (m_handle.Count() == 1 && Button == Qt::RightButton)
        OpenObjectMenu(Sender, QPoint(X + Sender.Left(), Y + Sender.Top()));
}

void TLumBasePanel::ObjectDoubleClick(TLumGraphicControl *Object, QPoint At)
{
    if (!Object && m_handle.Count() > 1)
        return;
    if (!Object) {
        if (TLumGraphicControl *target = m_handle.ObjectAt(At)) {
            if (target->OnEdit)
                target->OnEdit();
            else
                OpenObjectMenu(*target, At);
        }
    } else {
        OpenObjectMenu(*Object, At);
    }
    m_handle.DoubleClicked();
}

void TLumBasePanel::PanelMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int Y)
{
    m_rubberBand = {X, Y, X, Y};
    if (Button == Qt::RightButton || Button == Qt::MiddleButton) {
        OpenPanelMenu(QPoint(X, Y));
        return;
    }
    if (Button != Qt::LeftButton)
        return;
    m_rubberBanding = true;
    ShowCursor(TDesignCursor::HandPoint);
}

void TLumBasePanel::PanelMouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, int X, int Y)
{
    if (!m_rubberBanding)
        return;
    ShowCursor(TDesignCursor::HandPoint);
    InvalidateFrame(Normalised(m_rubberBand));
    m_rubberBand.Right = X;
    m_rubberBand.Bottom = Y;
    InvalidateFrame(Normalised(m_rubberBand));
}

void TLumBasePanel::PanelMouseUp(Qt::MouseButton, Qt::KeyboardModifiers Shift, int X, int Y)
{
    if (!m_rubberBanding)
        return;
    InvalidateFrame(Normalised(m_rubberBand));
    m_rubberBand.Right = X;
    m_rubberBand.Bottom = Y;
    m_rubberBand = Normalised(m_rubberBand);
    InvalidateArea(m_rubberBand);
    m_rubberBanding = false;
    if (Pointing()) {
        SelectInRect(m_rubberBand, Shift.testFlag(Qt::ShiftModifier));
        ShowCursor(TDesignCursor::Default);
        return;
    }
    const TRect dropped = m_rubberBand;
    const bool made = CreateObjectInRect(dropped);
    if (m_view)
        m_view->CreationEnded();
    if (made && DroppedObjectEvent)
        DroppedObjectEvent(dropped);
}

std::optional<TRect> TLumBasePanel::RubberBand() const
{
    if (!m_rubberBanding)
        return std::nullopt;
    return Normalised(m_rubberBand);
}

void TLumBasePanel::SelectInRect(const TRect &Rect, bool Shift)
{
    QList<TLumGraphicControl *> working =
        Shift ? m_objects.Selection() : QList<TLumGraphicControl *>{};
    const TViewBatch batch(*this);
    m_handle.Clear();
    const QList<TLumGraphicControl *> objects = m_objects.Objects();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
        if (!Meet((*it)->BoundsRect(), Rect))
            continue;
        if (Shift && working.contains(*it))
            working.removeOne(*it);
        else
            working.append(*it);
    }
    for (TLumGraphicControl *object : working)
        m_handle.Add(object);
}
