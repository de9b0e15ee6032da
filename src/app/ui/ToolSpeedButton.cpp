#include "ToolSpeedButton.h"

#include <QContextMenuEvent>
#include <QMenu>

TToolSpeedButton::TToolSpeedButton(QWidget *parent) : QToolButton(parent)
{
    setAutoRaise(true);
    setCheckable(true);
    setFocusPolicy(Qt::NoFocus);
}

void TToolSpeedButton::contextMenuEvent(QContextMenuEvent *event)
{
    if (!m_popupMenu) {
        QToolButton::contextMenuEvent(event);
        return;
    }
    m_popupMenu->popup(event->globalPos());
    event->accept();
}
