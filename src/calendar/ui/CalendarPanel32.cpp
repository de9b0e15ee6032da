#include "CalendarPanel32.h"

#include "CalendarPagePaint.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

TCalendarPanel32::TCalendarPanel32(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setFocusPolicy(Qt::StrongFocus);
    resize(Width(), Height());
}

TCalendarPanel32::~TCalendarPanel32()
{
    RestoreCursor();
}

QImage TCalendarPanel32::RenderToBitmap()
{
    return ::RenderToBitmap(*this, m_cellTexts);
}

void TCalendarPanel32::ControlResized()
{
    resize(Width(), Height());
}

void TCalendarPanel32::Invalidate()
{
    update();
}

void TCalendarPanel32::PanelStateChanged()
{
    // A creation tool shows the drag cursor over the whole screen until the
    // page returns to pointing.
    if (PanelState() == psPointing) {
        RestoreCursor();
    } else if (m_dragCursorShown) {
        QGuiApplication::changeOverrideCursor(Qt::DragCopyCursor);
    } else {
        QGuiApplication::setOverrideCursor(Qt::DragCopyCursor);
        m_dragCursorShown = true;
    }
}

void TCalendarPanel32::RestoreCursor()
{
    if (!m_dragCursorShown)
        return;
    QGuiApplication::restoreOverrideCursor();
    m_dragCursorShown = false;
}

void TCalendarPanel32::VisibilityChanged()
{
    setVisible(Visible());
}

void TCalendarPanel32::paintEvent(QPaintEvent *)
{
    // A paint that starts while another runs (an event processed inside the
    // drawing) does nothing; so does one while the document is read or written.
    if (m_painting || PaintSuspended())
        return;
    m_painting = true;
    // Drawn at the screen's own resolution, so that text and border pictures
    // stay sharp on a scaled screen.
    const QImage page = RenderPageImage(*this, m_cellTexts, devicePixelRatioF());
    QPainter(this).drawImage(0, 0, page);
    m_painting = false;
}

void TCalendarPanel32::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Click(event->position().toPoint().x(), event->position().toPoint().y());
    QWidget::mouseReleaseEvent(event);
}

void TCalendarPanel32::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (OnDblClick)
        OnDblClick();
    QWidget::mouseDoubleClickEvent(event);
}
