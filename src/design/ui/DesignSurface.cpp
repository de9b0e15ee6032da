#include "DesignSurface.h"

#include "LumBasePanel.h"
#include "LumHandleWidget.h"
#include "PopupMenus.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace {

QPoint At(const QMouseEvent &event)
{
    return event.position().toPoint();
}

QCursor CursorOf(TDesignCursor cursor)
{
    switch (cursor) {
    case TDesignCursor::HandGrab:
        return Qt::OpenHandCursor;
    case TDesignCursor::HandPoint:
        return Qt::PointingHandCursor;
    case TDesignCursor::Drag:
        return Qt::DragCopyCursor;
    case TDesignCursor::SizeNWSE:
        return Qt::SizeFDiagCursor;
    case TDesignCursor::SizeNESW:
        return Qt::SizeBDiagCursor;
    case TDesignCursor::SizeNS:
        return Qt::SizeVerCursor;
    case TDesignCursor::SizeWE:
        return Qt::SizeHorCursor;
    case TDesignCursor::NoDrop:
        return Qt::ForbiddenCursor;
    case TDesignCursor::SizeAll:
        return Qt::SizeAllCursor;
    case TDesignCursor::Default:
        break;
    }
    return Qt::ArrowCursor;
}

} // namespace

TDesignSurface::TDesignSurface(QWidget &panelWidget, TLumBasePanel &panel)
    : QObject(&panelWidget), m_widget(panelWidget), m_panel(panel),
      m_handle(new TLumHandleWidget(panelWidget, panel))
{
    m_widget.setMouseTracking(true);
    m_panel.SetView(this);
}

TDesignSurface::~TDesignSurface()
{
    if (m_panel.View() == this)
        m_panel.SetView(nullptr);
    delete m_handle;
}

void TDesignSurface::SetZoom(float zoom)
{
    if (zoom == m_zoom || !std::isfinite(zoom))
        return;
    m_zoom = zoom;
    m_panel.ZoomChanged();
}

void TDesignSurface::SetTool(int tool)
{
    if (tool == m_tool)
        return;
    m_tool = tool;
    emit ToolChanged(tool);
}

void TDesignSurface::MousePress(const QMouseEvent &event)
{
    m_panel.MouseDown(event.button(), event.modifiers(), At(event).x(), At(event).y());
}

void TDesignSurface::MouseMove(const QMouseEvent &event)
{
    m_panel.MouseMove(event.buttons(), event.modifiers(), At(event).x(), At(event).y());
}

void TDesignSurface::MouseRelease(const QMouseEvent &event)
{
    m_panel.MouseUp(event.button(), event.modifiers(), At(event).x(), At(event).y());
}

void TDesignSurface::MouseDoubleClick(const QMouseEvent &event)
{
    m_panel.DoubleClick(At(event).x(), At(event).y());
}

void TDesignSurface::MouseLeave()
{
    m_panel.MouseLeave();
}

void TDesignSurface::KeyPress(const QKeyEvent &event)
{
    m_panel.KeyDown(event.key(), event.modifiers());
}

void TDesignSurface::Paint(QPainter &target, const QRegion &region) const
{
    const QRect area = region.boundingRect();
    m_panel.PaintObjects(target, {area.left(), area.top(), area.right() + 1, area.bottom() + 1});
    m_panel.PaintSelection(target);
    m_panel.PaintOutlines(target);
}

void TDesignSurface::InvalidateArea(const TRect &area)
{
    m_widget.update(area.ToQRect());
    emit AreaInvalidated(area.ToQRect());
}

void TDesignSurface::ShowCursor(TDesignCursor cursor)
{
    if (cursor == m_cursor)
        return;
    m_cursor = cursor;
    const QCursor shape = CursorOf(cursor);
    m_widget.setCursor(shape);
    m_handle->setCursor(shape);
}

void TDesignSurface::PopupMenu(const TDesignMenu &menu, QPoint at)
{
    ExecDesignMenu(menu, &m_widget, m_widget.mapToGlobal(at));
}

void TDesignSurface::PostRefit()
{
    QMetaObject::invokeMethod(
        this, [this] { m_panel.DeliverRefit(); }, Qt::QueuedConnection);
}

std::optional<TFontDesc> TDesignSurface::ChooseFont(const TFontDesc &current)
{
    return FontPrompt ? FontPrompt(current) : std::nullopt;
}

void TDesignSurface::HandleChanged()
{
    m_handle->Follow();
}

void TDesignSurface::FocusHandle()
{
    if (m_handle->isVisible())
        m_handle->setFocus(Qt::OtherFocusReason);
}
