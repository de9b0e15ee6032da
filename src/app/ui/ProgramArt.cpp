#include "ProgramArt.h"

#include "PaintedIcon.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// The picture is drawn on a 64 x 64 grid.
constexpr double gridSize = 64;

const QColor outline(0x2f, 0x3b, 0x52);
const QColor titleBand(0xd6, 0x45, 0x3d);
const QColor dayCell(0xc9, 0xd3, 0xe3);
const QColor markedDay(0x2a, 0x6f, 0xd6);

void DrawPage(QPainter &painter)
{
    QPainterPath page;
    page.addRoundedRect(QRectF(6, 10, 52, 48), 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(page);

    painter.save();
    painter.setClipPath(page);
    painter.setBrush(titleBand);
    painter.drawRect(QRectF(6, 10, 52, 14));
    painter.restore();

    painter.setPen(QPen(outline, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(page);
}

void DrawRings(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(outline);
    painter.drawRoundedRect(QRectF(18, 4, 5, 13), 2.5, 2.5);
    painter.drawRoundedRect(QRectF(41, 4, 5, 13), 2.5, 2.5);
}

void DrawDays(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            const bool marked = row == 1 && column == 2;
            painter.setBrush(marked ? markedDay : dayCell);
            painter.drawRoundedRect(QRectF(12 + column * 11, 29 + row * 9, 7, 6), 1.5, 1.5);
        }
    }
}

} // namespace

void DrawProgramPicture(QPainter &painter, const QRectF &target)
{
    const double side = std::min(target.width(), target.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.center() - QPointF(side / 2, side / 2));
    painter.scale(side / gridSize, side / gridSize);
    DrawPage(painter);
    DrawRings(painter);
    DrawDays(painter);
    painter.restore();
}

QIcon ProgramIcon()
{
    return PaintedIcon(DrawProgramPicture);
}
