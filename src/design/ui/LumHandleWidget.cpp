#include "LumHandleWidget.h"

#include "LumBasePanel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

QPoint At(const QMouseEvent &event)
{
    return event.position().toPoint();
}

} // namespace

TLumHandleWidget::TLumHandleWidget(QWidget &panelWidget, TLumBasePanel &panel)
    : QWidget(&panelWidget), m_panel(panel)
{
    setObjectName(QStringLiteral("LumHandle"));
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    Follow();
}

void TLumHandleWidget::Follow()
{
    const TBounds &bounds = m_panel.Handle().Bounds();
    setGeometry(bounds.Left, bounds.Top, bounds.Width, bounds.Height);
    setEnabled(m_panel.Handle().Enabled());
    setVisible(m_panel.Handle().Visible());
    raise();
}

void TLumHandleWidget::mousePressEvent(QMouseEvent *event)
{
    m_panel.HandleMouseDown(event->button(), event->modifiers(), At(*event).x(), At(*event).y());
}

void TLumHandleWidget::mouseMoveEvent(QMouseEvent *event)
{
    m_panel.HandleMouseMove(event->buttons(), event->modifiers(), At(*event).x(), At(*event).y());
}

void TLumHandleWidget::mouseReleaseEvent(QMouseEvent *event)
{
    m_panel.HandleMouseUp(event->button(), event->modifiers(), At(*event).x(), At(*event).y());
}

void TLumHandleWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_panel.HandleDoubleClick(At(*event).x(), At(*event).y());
}

void TLumHandleWidget::leaveEvent(QEvent *)
{
    m_panel.Handle().MouseLeave();
}

void TLumHandleWidget::keyPressEvent(QKeyEvent *event)
{
    m_panel.Handle().KeyDown(event->key(), event->modifiers());
}

void TLumHandleWidget::keyReleaseEvent(QKeyEvent *event)
{
    // A held key repeats as releases and presses; only the real release
    // moves the selection.
    if (!event->isAutoRepeat())
        m_panel.Handle().KeyUp(event->key(), event->modifiers());
}

bool TLumHandleWidget::focusNextPrevChild(bool)
{
    // The handle wants every key; Tab moves nothing here.
    return false;
}
