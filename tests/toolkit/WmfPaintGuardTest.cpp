#include "WmfPaintGuard.h"

#include "HostileInput.h"
#include "WmfPicture.h"
#include "WmfWriter.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A paint engine that draws nothing and counts what reaches it: shapes,
// clip changes and the widest pen on the device.
class TCountingEngine : public QPaintEngine
{
public:
    int Shapes = 0;
    int ClipChanges = 0;
    double WidestPen = 0;

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & (DirtyClipPath | DirtyClipRegion))
            ++ClipChanges;
        if (state.state() & DirtyPen) {
            const double scale = std::sqrt(std::abs(painter()->combinedTransform().determinant()));
            const QPen pen = state.pen();
            WidestPen = std::max(WidestPen, pen.isCosmetic() ? pen.widthF() : pen.widthF() * scale);
        }
    }
    void drawPath(const QPainterPath &) override { ++Shapes; }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override { ++Shapes; }
    void drawRects(const QRectF *, int count) override { Shapes += count; }
    void drawEllipse(const QRectF &) override { ++Shapes; }
    void drawLines(const QLineF *, int count) override { Shapes += count; }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override { ++Shapes; }
    void drawImage(const QRectF &, const QImage &, const QRectF &,
                   Qt::ImageConversionFlags) override
    {
        ++Shapes;
    }
    void drawTextItem(const QPointF &, const QTextItem &) override { ++Shapes; }
};

// A page-sized device that hands its painter the counting engine.
class TCountingDevice : public QPaintDevice
{
public:
    TCountingEngine Engine;
    QPaintEngine *paintEngine() const override { return const_cast<TCountingEngine *>(&Engine); }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return 816;
        case PdmHeight:
            return 1056;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 1;
        }
    }
};

const QRectF Page(0, 0, 816, 1056);

} // namespace

// Regression: border pictures of 64 KB whose records claim page-wide pens,
// shapes thousands of pages across or thousands of clip holes took about ten
// seconds each to draw.
TEST(WmfPaintGuardTest, HostileBordersReachTheDeviceInBoundedMeasure)
{
    for (const THostileBorder kind : HostileBorders) {
        SCOPED_TRACE(HostileBorderName(kind));
        QString error;
        const auto picture = TWmfPicture::Read(HostileBorder(kind), error);
        ASSERT_TRUE(picture) << error.toStdString();
        TCountingDevice device;
        {
            QPainter painter(&device);
            picture->Play(painter, Page);
        }
        // Thousands of records; hatching takes the engine a few calls a shape.
        EXPECT_LE(device.Engine.Shapes, 4 * int(TWmfPaintGuard::MaxCoverings));
        EXPECT_LE(device.Engine.ClipChanges, 200);
        if (kind == THostileBorder::WidePen) {
            EXPECT_LE(device.Engine.WidestPen, Page.width() / 4 + 1);
        }
    }
}

TEST(WmfPaintGuardTest, ShapesOffTheDeviceAreSkippedAndCoveringIsBounded)
{
    TWmfPaintGuard guard(Page, Page);
    const QTransform identity;
    const QPen hairline(Qt::black, 0);
    EXPECT_FALSE(guard.Admit(QRectF(2000, 2000, 10, 10), hairline, identity));
    EXPECT_TRUE(guard.Admit(QRectF(-10, -10, 30, 30), hairline, identity)); // reaches in
    int wholePages = 0;
    while (guard.Admit(Page, Qt::NoPen, identity) && wholePages < 1000)
        ++wholePages;
    EXPECT_NEAR(wholePages, TWmfPaintGuard::MaxCoverings, 1);
    // A recording device has no bounds and refuses nothing.
    TWmfPaintGuard recording(QRectF(), Page);
    for (int i = 0; i < 1000; ++i)
        ASSERT_TRUE(recording.Admit(Page, Qt::NoPen, identity));
}

TEST(WmfPaintGuardTest, PensAreNoWiderThanAQuarterOfThePicture)
{
    const TWmfPaintGuard guard(Page, Page);
    const QTransform twice = QTransform::fromScale(2, 2);
    EXPECT_EQ(guard.Tamed(QPen(Qt::black, 10), twice).widthF(), 10);
    EXPECT_EQ(guard.Tamed(QPen(Qt::black, 32767), twice).widthF(), 816 / 4 / 2.0);
    EXPECT_EQ(guard.Tamed(QPen(Qt::black, 0), twice).widthF(), 0); // hairlines stay
}

TEST(WmfPaintGuardTest, OrdinaryDrawingIsUntouched)
{
    // Forty framed boxes along the edges, as a border draws them.
    TWmfWriter writer(QRect(0, 0, 1000, 1400), 1440);
    writer.SelectObject(writer.CreatePen(Qt::black, 20));
    writer.SelectObject(writer.CreateSolidBrush(Qt::red));
    for (int i = 0; i < 20; ++i) {
        writer.Rectangle(QRect(i * 50, 0, 40, 40));
        writer.Ellipse(QRect(0, i * 70, 40, 40));
    }
    QString error;
    const auto picture = TWmfPicture::Read(writer.Placeable(), error);
    ASSERT_TRUE(picture);
    TCountingDevice device;
    {
        QPainter painter(&device);
        picture->Play(painter, Page);
    }
    EXPECT_EQ(device.Engine.Shapes, 40);
    EXPECT_NEAR(device.Engine.WidestPen, 20 * std::sqrt(816.0 / 1000 * 1056.0 / 1400), 0.01);
}
