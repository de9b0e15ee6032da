#include "ToolGlyphs.h"

#include "PaintedIcon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace {

// The colours every glyph shares, matching the program icon.
const QColor ink(0x2f, 0x3b, 0x52);
const QColor accent(0x2a, 0x6f, 0xd6);
const QColor warm(0xd6, 0x45, 0x3d);
const QColor paper(Qt::white);
const QColor shade(0xc9, 0xd3, 0xe3);

QPen InkPen(double width = 1.2)
{
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void DrawLens(QPainter &painter, bool plus)
{
    painter.setPen(QPen(ink, 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10.2, 10.2), QPointF(14.2, 14.2));
    painter.setPen(InkPen());
    painter.setBrush(paper);
    painter.drawEllipse(QPointF(6.5, 6.5), 4.8, 4.8);
    painter.setPen(QPen(accent, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4.3, 6.5), QPointF(8.7, 6.5));
    if (plus)
        painter.drawLine(QPointF(6.5, 4.3), QPointF(6.5, 8.7));
}

void DrawSheet(QPainter &painter, const QRectF &sheet)
{
    painter.setPen(InkPen());
    painter.setBrush(paper);
    painter.drawRect(sheet);
}

void DrawProperties(QPainter &painter)
{
    DrawSheet(painter, QRectF(2.5, 1.5, 11, 13));
    painter.setPen(QPen(shade, 1.4));
    for (const double y : {5.0, 8.0, 11.0})
        painter.drawLine(QPointF(4.5, y), QPointF(11.5, y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent);
    painter.drawEllipse(QPointF(9.5, 5.0), 1.5, 1.5);
    painter.drawEllipse(QPointF(6.0, 8.0), 1.5, 1.5);
    painter.drawEllipse(QPointF(10.0, 11.0), 1.5, 1.5);
}

void DrawPrint(QPainter &painter)
{
    DrawSheet(painter, QRectF(4, 1.5, 8, 5));
    painter.setPen(InkPen());
    painter.setBrush(shade);
    painter.drawRoundedRect(QRectF(1.5, 6, 13, 6), 1.5, 1.5);
    DrawSheet(painter, QRectF(4, 10, 8, 4.5));
    painter.setPen(QPen(accent, 1));
    painter.drawLine(QPointF(5.5, 12.3), QPointF(10.5, 12.3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(warm);
    painter.drawEllipse(QPointF(12.5, 8), 0.8, 0.8);
}

void DrawPointer(QPainter &painter)
{
    const QPolygonF arrow(
        {{4, 1.5}, {4, 13}, {6.8, 10.3}, {9, 14.6}, {10.8, 13.7}, {8.7, 9.5}, {12.5, 9.5}});
    painter.setPen(InkPen());
    painter.setBrush(paper);
    painter.drawPolygon(arrow);
}

void DrawLetterA(QPainter &painter, const QColor &color, const QRectF &box, double width)
{
    painter.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(
        QPolygonF({box.bottomLeft(), QPointF(box.center().x(), box.top()), box.bottomRight()}));
    const double barY = box.top() + box.height() * 0.62;
    painter.drawLine(QPointF(box.left() + box.width() * 0.25, barY),
                     QPointF(box.right() - box.width() * 0.25, barY));
}

void DrawLabel(QPainter &painter)
{
    DrawLetterA(painter, ink, QRectF(3, 2, 10, 12), 2);
}

void DrawImage(QPainter &painter)
{
    DrawSheet(painter, QRectF(1.5, 2.5, 13, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(accent);
    painter.drawPolygon(QPolygonF({{2.2, 12.8}, {6, 7}, {9, 10.5}, {11, 8.5}, {13.8, 12.8}}));
    painter.setBrush(warm);
    painter.drawEllipse(QPointF(11, 5.5), 1.5, 1.5);
}

void DrawRichText(QPainter &painter)
{
    DrawLetterA(painter, warm, QRectF(1.5, 2, 7, 8), 1.8);
    const std::pair<QColor, double> lines[] = {{accent, 12}, {ink, 10}, {ink, 14}};
    double y = 10.5;
    for (const auto &[color, right] : lines) {
        painter.setPen(QPen(color, 1.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(2, y), QPointF(right, y));
        y += 2;
    }
    painter.setPen(QPen(ink, 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(10, 4), QPointF(14, 4));
    painter.drawLine(QPointF(10, 7), QPointF(14, 7));
}

void DrawSuperText(QPainter &painter)
{
    QPainterPath letter;
    letter.moveTo(12.5, 3.5);
    letter.cubicTo(10, 0.5, 3, 1.5, 4, 5.5);
    letter.cubicTo(5, 9, 12.5, 7, 12, 11);
    letter.cubicTo(11.5, 15, 4.5, 14.5, 3, 12);
    QLinearGradient fill(0, 1, 0, 15);
    fill.setColorAt(0, accent);
    fill.setColorAt(1, warm);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 4.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(letter);
    painter.setPen(QPen(QBrush(fill), 2.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(letter);
}

void DrawFloatingCalendar(QPainter &painter)
{
    DrawSheet(painter, QRectF(1.5, 2.5, 13, 12));
    painter.setPen(Qt::NoPen);
    painter.setBrush(warm);
    painter.drawRect(QRectF(2.1, 3.1, 11.8, 3));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            painter.setBrush(row == 1 && column == 1 ? accent : ink);
            painter.drawRect(QRectF(3.2 + column * 2.6, 7.4 + row * 2.2, 1.5, 1.3));
        }
    }
}

QString ThemeName(TToolGlyph glyph)
{
    switch (glyph) {
    case TToolGlyph::ZoomIn:
        return u"zoom-in"_s;
    case TToolGlyph::ZoomOut:
        return u"zoom-out"_s;
    case TToolGlyph::Properties:
        return u"document-properties"_s;
    case TToolGlyph::Print:
        return u"document-print"_s;
    default:
        return {};
    }
}

} // namespace

void DrawToolGlyph(QPainter &painter, TToolGlyph glyph)
{
    painter.save();
    switch (glyph) {
    case TToolGlyph::ZoomIn:
        DrawLens(painter, true);
        break;
    case TToolGlyph::ZoomOut:
        DrawLens(painter, false);
        break;
    case TToolGlyph::Properties:
        DrawProperties(painter);
        break;
    case TToolGlyph::Print:
        DrawPrint(painter);
        break;
    case TToolGlyph::Pointer:
        DrawPointer(painter);
        break;
    case TToolGlyph::Label:
        DrawLabel(painter);
        break;
    case TToolGlyph::Image:
        DrawImage(painter);
        break;
    case TToolGlyph::RichText:
        DrawRichText(painter);
        break;
    case TToolGlyph::SuperText:
        DrawSuperText(painter);
        break;
    case TToolGlyph::FloatingCalendar:
        DrawFloatingCalendar(painter);
        break;
    }
    painter.restore();
}

QIcon ToolIcon(TToolGlyph glyph)
{
    const QIcon drawn = PaintedIcon([glyph](QPainter &painter, const QRectF &target) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(target.topLeft());
        painter.scale(target.width() / 16.0, target.height() / 16.0);
        DrawToolGlyph(painter, glyph);
    });
    const QString themeName = ThemeName(glyph);
    return themeName.isEmpty() ? drawn : QIcon::fromTheme(themeName, drawn);
}
