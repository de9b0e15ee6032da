#include "EditorObjectLayer.h"

#include "CalendarPanel32.h"
#include "DesignSurface.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

TEditorObjectLayer::TEditorObjectLayer(QWidget &editor, TCalendarPanel32 &page)
    : QWidget(&editor), m_editor(editor), m_page(page)
{
    setObjectName(QStringLiteral("EditorObjectLayer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(editor.rect());
    editor.installEventFilter(this);
    connect(&page.DesignSurface(), &TDesignSurface::AreaInvalidated, this,
            &TEditorObjectLayer::PageAreaInvalidated);
}

QRect TEditorObjectLayer::EditorOnPage() const
{
    return m_editor.geometry().translated(-m_page.pos());
}

void TEditorObjectLayer::PageAreaInvalidated(const QRect &area)
{
    const QRect editor = EditorOnPage();
    if (m_editor.isVisible() && area.intersects(editor))
        update(area.intersected(editor).translated(-editor.topLeft()));
}

bool TEditorObjectLayer::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Show:
        update();
        break;
    case QEvent::Resize:
        setGeometry(m_editor.rect());
        break;
    case QEvent::ChildAdded:
        // Whatever the editor adds goes under the objects.
        raise();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TEditorObjectLayer::paintEvent(QPaintEvent *event)
{
    const QRect editor = EditorOnPage();
    const QRect area = event->rect().translated(editor.topLeft());
    QPainter painter(this);
    painter.translate(-editor.topLeft());
    m_page.Page().PaintObjects(painter,
                               {area.left(), area.top(), area.right() + 1, area.bottom() + 1});
}
