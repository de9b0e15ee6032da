#include "CaptionPanel.h"

#include <QMouseEvent>

TCaptionPanel::TCaptionPanel(const QString &caption, int tag, QWidget *parent)
    : QLabel(caption, parent), m_tag(tag)
{
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAutoFillBackground(true);
}

QColor TCaptionPanel::FaceColor() const
{
    return palette().color(QPalette::Window);
}

void TCaptionPanel::SetFaceColor(const QColor &color)
{
    QPalette face = palette();
    face.setColor(QPalette::Window, color);
    setPalette(face);
}

void TCaptionPanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Clicked(m_tag);
    QLabel::mouseReleaseEvent(event);
}
