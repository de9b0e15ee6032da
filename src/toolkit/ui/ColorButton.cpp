#include "ColorButton.h"

#include <QPainter>
#include <QPixmap>

TColorButton::TColorButton(const QString &caption, QWidget *parent) : QPushButton(caption, parent)
{
    ShowSwatch();
}

void TColorButton::SetColor(TColor value)
{
    if (value == m_color)
        return;
    m_color = value;
    ShowSwatch();
    emit ColorChanged(value);
}

void TColorButton::ShowSwatch()
{
    constexpr int Side = 12;
    QPixmap swatch(Side, Side);
    swatch.fill(ToQColor(m_color));
    QPainter painter(&swatch);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, Side - 1, Side - 1);
    painter.end();
    setIcon(QIcon(swatch));
}
