// What the main window sees of every event of the application: the keys of
// HandleAppKey, hints switched off, the cursor over the tool row, the
// page's size and first paint, and icons dragged over the page.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "WPRichText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollArea>
#include <QWheelEvent>

namespace {

// A key event travels from the focus widget up through its parents, and the
// application sees each step; only the first delivery counts.
bool IsFirstDelivery(QObject *receiver)
{
    auto *widget = qobject_cast<QWidget *>(receiver);
    if (!widget)
        return false;
    const QWidget *focus = QApplication::focusWidget();
    return focus ? widget == focus : widget->isWindow();
}

// Posted when the page is painted for the first time.
QEvent::Type PagePaintedEvent()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

// Ctrl+= and Ctrl++ zoom in one step, Ctrl+- zooms out; 0 for other keys.
int ZoomKeyStep(const QKeyEvent &event)
{
    if (!event.modifiers().testFlag(Qt::ControlModifier) ||
        event.modifiers().testFlag(Qt::AltModifier))
        return 0;
    switch (event.key()) {
    case Qt::Key_Equal:
    case Qt::Key_Plus:
        return 1;
    case Qt::Key_Minus:
        return -1;
    default:
        return 0;
    }
}

} // namespace

bool TCalendarMain::HandleAppKey(QObject *receiver, const QKeyEvent &event)
{
    if (QApplication::activeWindow() != this || !IsFirstDelivery(receiver))
        return false;
    // While a cell is edited a zoom key only zooms: the editing goes on at
    // the new zoom with the caret where it was.
    const bool editing = EditorHasFocus();
    if (const int step = ZoomKeyStep(event)) {
        ZoomBy(step);
        return true;
    }
    switch (event.key()) {
    case Qt::Key_PageDown:
        ZoomPlusButtonClick();
        return editing;
    case Qt::Key_PageUp:
        ZoomMinusButtonClick();
        return editing;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!WPRichText1->isVisible() || !EditorHasFocus())
            return false;
        if (event.key() == Qt::Key_Backtab || event.modifiers().testFlag(Qt::ShiftModifier))
            CalendarPage->MoveToPreviousCell(m_session.CurrentCell());
        else
            CalendarPage->MoveToNextCell(m_session.CurrentCell());
        return true;
    default:
        return false;
    }
}

bool TCalendarMain::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return HandleAppKey(watched, static_cast<const QKeyEvent &>(*event));
    case QEvent::ToolTip:
        // With hints off no hint is shown anywhere.
        return !Preferences.HintsOn;
    case QEvent::MouseMove:
        if (watched == Panel3 || Panel3->isAncestorOf(qobject_cast<QWidget *>(watched)))
            RepairCursor();
        return false;
    case QEvent::Resize:
        if (m_scrollFollowsPage && (watched == CalendarPanel || watched == ScrollBox2->viewport()))
            PlacePageInView();
        return false;
    case QEvent::Wheel:
        return IsInPageArea(watched) && CtrlWheelZoom(static_cast<const QWheelEvent &>(*event));
    case QEvent::Paint:
        if (watched == CalendarPanel)
            NotePagePaint();
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return watched == CalendarPanel && CalendarPanelDragEvent(*event);
    default:
        return false;
    }
}

bool TCalendarMain::IsInPageArea(QObject *watched) const
{
    auto *widget = qobject_cast<QWidget *>(watched);
    return widget && (widget == ScrollBox2 || ScrollBox2->isAncestorOf(widget));
}

bool TCalendarMain::CtrlWheelZoom(const QWheelEvent &event)
{
    if (!event.modifiers().testFlag(Qt::ControlModifier)) {
        m_wheelTurn = 0;
        return false;
    }
    // A wheel notch is 120; finer wheels and touchpads add up to a notch.
    constexpr int notch = 120;
    m_wheelTurn += event.angleDelta().y();
    while (m_wheelTurn >= notch || m_wheelTurn <= -notch) {
        const int step = m_wheelTurn > 0 ? 1 : -1;
        m_wheelTurn -= step * notch;
        ZoomBy(step);
    }
    return true;
}

void TCalendarMain::NotePagePaint()
{
    if (m_pagePainted || Starting || CalendarPanel->PaintingHeld() || !CalendarPanel->PageShown())
        return;
    m_pagePainted = true;
    // Told once the paint now starting has been done.
    QCoreApplication::postEvent(this, new QEvent(PagePaintedEvent()));
}

void TCalendarMain::customEvent(QEvent *event)
{
    if (event->type() == PagePaintedEvent())
        emit FirstPagePainted();
}
