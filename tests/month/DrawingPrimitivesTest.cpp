#include "DrawingPrimitives.h"

#include "CalendarDrawing.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

QImage Filled(const QList<QRect> &rects, bool merged)
{
    QImage image(200, 150, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (const QRect &rect : merged ? MergedFills(rects) : rects)
        painter.fillRect(rect, Qt::black);
    return image;
}

// Each cell of a 7 x 6 grid outlined on its own, as paper draws them.
QList<QRect> CellOutlines(TCalBorderStyle style)
{
    QList<QRect> lines;
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 7; ++column)
            AddBorderLines(lines, {10 + 25 * column, 5 + 20 * row, 35 + 25 * column, 25 + 20 * row},
                           style);
    return lines;
}

// Joining the lines of neighbouring cells keeps every pixel and adds none,
// and a grid's lines become a handful of long ones.
TEST(DrawingPrimitives, MergedFillsCoverTheSamePixels)
{
    for (const TCalBorderStyle style : {cbAll, cbTop, cbBottom, cbTopBottom}) {
        const QList<QRect> lines = CellOutlines(style);
        EXPECT_EQ(Filled(lines, true), Filled(lines, false)) << int(style);
        EXPECT_LE(MergedFills(lines).size(), 15) << int(style);
    }
    // Rectangles of different extents across the join stay apart.
    const QList<QRect> steps{{0, 0, 10, 2}, {10, 0, 10, 3}, {30, 0, 5, 2}};
    EXPECT_EQ(MergedFills(steps).size(), 3);
    EXPECT_EQ(Filled(steps, true), Filled(steps, false));
    EXPECT_TRUE(MergedFills({}).isEmpty());
}

} // namespace
