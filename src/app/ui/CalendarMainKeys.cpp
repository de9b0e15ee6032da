// What the main window sees of every event of the application: the keys of
// HandleAppKey, hints switched off, the cursor over the tool row, the
// page's size and first paint, and icons dragged over the page.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "WPRichText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollArea>

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

} // namespace

bool TCalendarMain::HandleAppKey(QObject *receiver, const QKeyEvent &event)
{
    if (QApplication::activeWindow() != this || !IsFirstDelivery(receiver))
        return false;
    // While a cell is edited a zoom key only zooms: the editing goes on at
    // the new zoom with the caret where it was.
    const bool editing = EditorHasFocus();
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
            CalendarPanel->MoveToPreviousCell(CurrentCell);
        else
            CalendarPanel->MoveToNextCell(CurrentCell);
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
    case QEvent::Move:
        if (watched == CalendarPanel)
            FitScrollContents();
        return false;
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

void TCalendarMain::NotePagePaint()
{
    if (m_pagePainted || Starting || CalendarPanel->PaintSuspended() || DocumentFileName.isEmpty())
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
