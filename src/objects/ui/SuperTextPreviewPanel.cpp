#include "SuperTextPreviewPanel.h"

#include "LumSuperText.h"

#include <QPainter>

TSuperTextPreviewPanel::TSuperTextPreviewPanel(const TLumSuperText &text, QWidget *parent)
    : QWidget(parent), m_text(text)
{}

void TSuperTextPreviewPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.save();
    m_text.PaintAt(painter);
    painter.restore();
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
