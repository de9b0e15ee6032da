#include "WmfTestSupport.h"
#include "WmfWriter.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPicture>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QRect square(0, 0, 1000, 1000);

// A red rectangle (100..300, 100..200), a blue line 20 wide at y 600 from
// x 100 to 900, a green ellipse (500..900, 100..400) and black text at
// (100, 750), in a 1000-unit square.
TWmfWriter Shapes(bool window = true)
{
    TWmfWriter writer(square, 1000);
    if (window)
        writer.SetWindow(square);
    const int noPen = writer.CreatePen(Qt::black, 0, WmfValue::PenNull);
    writer.SelectObject(noPen);
    writer.SelectObject(writer.CreateSolidBrush(Qt::red));
    writer.Rectangle(QRect(100, 100, 200, 100));
    writer.SelectObject(writer.CreatePen(Qt::blue, 20));
    writer.MoveTo({100, 600});
    writer.LineTo({900, 600});
    writer.SelectObject(noPen);
    writer.SelectObject(writer.CreateSolidBrush(Qt::green));
    writer.Ellipse(QRect(500, 100, 400, 300));
    writer.SelectObject(writer.CreateFont({QStringLiteral("Arial"), -150}));
    writer.SetBkMode(WmfValue::BkTransparent);
    writer.SetTextColor(Qt::black);
    writer.TextOut({100, 750}, QStringLiteral("HHHH"));
    return writer;
}

// A picture of one red rectangle after the given set-up.
template <typename SetUp>
QByteArray RedRectangle(const QRect &bounds, const QRect &rect, SetUp setUp)
{
    TWmfWriter writer(bounds, 1000);
    setUp(writer);
    writer.SelectObject(writer.CreatePen(Qt::black, 0, WmfValue::PenNull));
    writer.SelectObject(writer.CreateSolidBrush(Qt::red));
    writer.Rectangle(rect);
    return writer.Placeable();
}

TEST(WmfPicture, ShapesLandWhereTheWriterPutThem)
{
    const QImage image = PlayedImage(Shapes().Placeable(), {200, 200});
    EXPECT_TRUE(Near(image.pixelColor(40, 30), Qt::red));
    EXPECT_TRUE(Near(image.pixelColor(100, 120), Qt::blue));
    EXPECT_TRUE(Near(image.pixelColor(20, 120), Qt::blue));
    EXPECT_EQ(image.pixel(100, 130), qRgb(255, 255, 255)); // the line is 4 pixels thick
    EXPECT_TRUE(Near(image.pixelColor(140, 50), Qt::green));
    EXPECT_EQ(image.pixel(102, 22), qRgb(255, 255, 255)); // outside the ellipse's corner
    EXPECT_GT(InkIn(image, QRect(20, 150, 100, 25)), 40);
    EXPECT_EQ(PaintIn(image, QRect(0, 180, 200, 20)), 0);
    EXPECT_EQ(PaintIn(image, QRect(185, 0, 15, 200)), 0);
}

TEST(WmfPicture, TheFrameIsStretchedOverTheTarget)
{
    // A 200 x 100 image, the picture in (20, 10) sized 100 x 50: 0.1 across, 0.05 down.
    const QImage image = PlayedImage(Shapes().Placeable(), {200, 100}, QRectF(20, 10, 100, 50));
    EXPECT_TRUE(Near(image.pixelColor(40, 17), Qt::red));
    EXPECT_TRUE(Near(image.pixelColor(90, 22), Qt::green));
    EXPECT_EQ(PaintIn(image, QRect(121, 0, 79, 100)), 0);
    EXPECT_EQ(PaintIn(image, QRect(0, 61, 200, 39)), 0);
    EXPECT_EQ(PaintIn(image, QRect(0, 0, 200, 10)), 0);
}

TEST(WmfPicture, FrameComesFromHeaderWindowOrDrawing)
{
    QString error;
    TWmfWriter placeable(QRect(-50, 20, 300, 400), 720);
    const auto fromHeader = TWmfPicture::Read(placeable.Placeable(), error);
    ASSERT_TRUE(fromHeader);
    EXPECT_EQ(fromHeader->Frame(), QRectF(-50, 20, 300, 400));
    EXPECT_EQ(fromHeader->UnitsPerInch(), 720);

    TWmfWriter window(square, 1000);
    window.SetWindow(QRect(-500, -400, 1000, 800));
    window.Rectangle(QRect(0, 0, 10, 10));
    const auto fromWindow = TWmfPicture::Read(window.Plain(), error);
    ASSERT_TRUE(fromWindow);
    EXPECT_EQ(fromWindow->Frame(), QRectF(-500, -400, 1000, 800));
    EXPECT_EQ(fromWindow->UnitsPerInch(), 0);

    // Without a window the frame is what the records draw.
    const auto fromDrawing = TWmfPicture::Read(Shapes(false).Plain(), error);
    ASSERT_TRUE(fromDrawing);
    EXPECT_NEAR(fromDrawing->Frame().left(), 90, 12);
    EXPECT_NEAR(fromDrawing->Frame().top(), 100, 12);
    EXPECT_NEAR(fromDrawing->Frame().right(), 900, 12);
    EXPECT_GT(fromDrawing->Frame().bottom(), 850);
}

TEST(WmfPicture, APlainMetafileFillsTheTargetWithItsWindow)
{
    // The window (500..1500, 0..1000) is the frame: the rectangle at its left half.
    TWmfWriter writer(square, 1000);
    writer.SetWindow(QRect(500, 0, 1000, 1000));
    writer.SelectObject(writer.CreateSolidBrush(Qt::red));
    writer.Rectangle(QRect(500, 0, 500, 1000));
    const QImage image = PlayedImage(writer.Plain(), {100, 100});
    EXPECT_TRUE(Near(image.pixelColor(25, 50), Qt::red));
    EXPECT_EQ(image.pixel(75, 50), qRgb(255, 255, 255));
}

TEST(WmfPicture, WindowRecordsMapOntoTheFrame)
{
    // A 100-unit box whose records draw in a 1000-unit window.
    const QByteArray wide = RedRectangle(QRect(0, 0, 100, 100), QRect(0, 0, 500, 1000),
                                         [](TWmfWriter &w) { w.SetWindow(square); });
    QImage image = PlayedImage(wide, {100, 100});
    EXPECT_TRUE(Near(image.pixelColor(25, 50), Qt::red));
    EXPECT_EQ(image.pixel(75, 50), qRgb(255, 255, 255));

    // y grows upwards: the band at the window's top y values is at the top.
    const QByteArray upwards = RedRectangle(square, QRect(0, 900, 1000, 100), [](TWmfWriter &w) {
        w.SetWindow(QRect(0, 1000, 1000, -1000));
    });
    image = PlayedImage(upwards, {100, 100});
    EXPECT_TRUE(Near(image.pixelColor(50, 5), Qt::red));
    EXPECT_EQ(image.pixel(50, 95), qRgb(255, 255, 255));

    // A window extent of zero would map nothing: it is ignored.
    const QByteArray zero = RedRectangle(square, QRect(0, 0, 500, 500), [](TWmfWriter &w) {
        w.SetWindow(square);
        w.Record(WmfFunction::SetWindowExt, {0, 0});
    });
    image = PlayedImage(zero, {100, 100});
    EXPECT_TRUE(Near(image.pixelColor(25, 25), Qt::red));
    EXPECT_EQ(image.pixel(75, 75), qRgb(255, 255, 255));

    // The viewport records scale within the frame; text mode ignores extents.
    const QByteArray viewport = RedRectangle(square, QRect(0, 0, 1000, 1000), [](TWmfWriter &w) {
        w.SetWindow(QRect(0, 0, 2000, 2000));
        w.SetViewport(QRect(0, 0, 2000, 2000));
        w.SetMapMode(WmfValue::MapText);
    });
    image = PlayedImage(viewport, {100, 100});
    EXPECT_TRUE(Near(image.pixelColor(90, 90), Qt::red));
}

TEST(WmfPicture, ObjectTableSelectsAndDeletesBySlot)
{
    TWmfWriter writer(square, 1000);
    writer.SetWindow(square);
    writer.SelectObject(writer.CreatePen(Qt::black, 0, WmfValue::PenNull));
    const int red = writer.CreateSolidBrush(Qt::red);
    const int blue = writer.CreateSolidBrush(Qt::blue);
    writer.SelectObject(blue);
    writer.DeleteObject(red);
    const int green = writer.CreateSolidBrush(Qt::green); // takes the red brush's slot
    EXPECT_EQ(green, red);
    writer.Rectangle(QRect(0, 0, 500, 500)); // blue
    writer.SelectObject(green);
    writer.Rectangle(QRect(500, 0, 500, 500)); // green
    writer.DeleteObject(blue);
    writer.SelectObject(blue);                         // a free slot: ignored
    writer.Record(WmfFunction::SelectObject, {60000}); // beyond the table: ignored
    writer.Rectangle(QRect(0, 500, 500, 500));         // still green
    const QImage image = PlayedImage(writer.Placeable(), {100, 100});
    EXPECT_TRUE(Near(image.pixelColor(25, 25), Qt::blue));
    EXPECT_TRUE(Near(image.pixelColor(75, 25), Qt::green));
    EXPECT_TRUE(Near(image.pixelColor(25, 75), Qt::green));
}

TEST(WmfPicture, SavedStatesRestoreObjectsAndClipping)
{
    TWmfWriter writer(square, 1000);
    writer.SetWindow(square);
    writer.SelectObject(writer.CreatePen(Qt::black, 0, WmfValue::PenNull));
    const int red = writer.CreateSolidBrush(Qt::red);
    const int blue = writer.CreateSolidBrush(Qt::blue);
    writer.SelectObject(red);
    writer.SaveDC();
    writer.SelectObject(blue);
    writer.IntersectClipRect(QRect(0, 0, 500, 1000));
    writer.ExcludeClipRect(QRect(0, 0, 200, 200));
    writer.Rectangle(square); // blue, only in the left half outside the corner
    writer.RestoreDC(-1);
    writer.RestoreDC(-1);                        // nothing saved: ignored
    writer.Rectangle(QRect(600, 600, 400, 400)); // red, no clip
    const QImage image = PlayedImage(writer.Placeable(), {100, 100});
    EXPECT_TRUE(Near(image.pixelColor(30, 50), Qt::blue));
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(70, 30), qRgb(255, 255, 255));
    EXPECT_TRUE(Near(image.pixelColor(80, 80), Qt::red));
}

TEST(WmfPicture, UnknownAndShortRecordsAreSkipped)
{
    TWmfWriter writer(square, 1000);
    writer.SetWindow(square);
    writer.Record(0x0999, {1, 2, 3});
    writer.Record(WmfFunction::Rectangle, {5}); // too short: reads zeros
    writer.SelectObject(writer.CreateSolidBrush(Qt::red));
    writer.SelectObject(writer.CreatePen(Qt::black, 0, WmfValue::PenNull));
    // Claims 30000 points but holds three: the three are drawn.
    writer.Record(WmfFunction::Polygon, {30000, 0, 0, 1000, 0, 0, 1000});
    writer.Record(WmfFunction::TextOut, {30000, 0x4141});          // text beyond the record
    writer.Record(WmfFunction::StretchDib, {0x20, 0xCC, 0, 1, 1}); // no bitmap
    const QImage image = PlayedImage(writer.Placeable(), {100, 100});
    EXPECT_TRUE(Near(image.pixelColor(20, 20), Qt::red));
    EXPECT_EQ(image.pixel(80, 80), qRgb(255, 255, 255));
}

TEST(WmfPicture, ArcsRunCounterClockwiseOnTheOutput)
{
    // A pie from the right (start) to the top (end): the upper right quarter.
    const auto pie = [](const QRect &window, QPoint start, QPoint end) {
        TWmfWriter writer(square, 1000);
        writer.SetWindow(window);
        writer.SelectObject(writer.CreateSolidBrush(Qt::red));
        writer.Pie(square, start, end);
        return PlayedImage(writer.Placeable(), {100, 100});
    };
    QImage image = pie(square, {1000, 500}, {500, 0});
    EXPECT_TRUE(Near(image.pixelColor(70, 30), Qt::red));
    EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(70, 70), qRgb(255, 255, 255));

    image = pie(QRect(0, 1000, 1000, -1000), {1000, 500}, {500, 1000}); // y upwards
    EXPECT_TRUE(Near(image.pixelColor(70, 30), Qt::red));
    EXPECT_EQ(image.pixel(70, 70), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
}

TEST(WmfPicture, TextIsAlignedUprightAndTurnsWithItsEscapement)
{
    const auto text = [](const QRect &window, int align, int escapement) {
        TWmfWriter writer(square, 1000);
        writer.SetWindow(window);
        TWmfFontSpec font;
        font.Height = -200;
        font.Escapement = escapement;
        writer.SelectObject(writer.CreateFont(font));
        writer.SetTextAlign(align);
        writer.ExtTextOut({500, 500}, QStringLiteral("HHH"));
        return PlayedImage(writer.Placeable(), {100, 100});
    };
    // Right aligned at the top: all ink left of x 50 and below y 50.
    QImage image = text(square, WmfValue::AlignRight, 0);
    EXPECT_GT(InkIn(image, QRect(20, 50, 30, 20)), 50);
    EXPECT_EQ(InkIn(image, QRect(52, 0, 48, 100)), 0);
    EXPECT_EQ(InkIn(image, QRect(0, 0, 100, 49)), 0);

    // y upwards: the text is not mirrored, it still hangs below its top.
    image = text(QRect(0, 1000, 1000, -1000), WmfValue::AlignBaseline, 0);
    EXPECT_GT(InkIn(image, QRect(50, 35, 30, 15)), 50);
    EXPECT_EQ(InkIn(image, QRect(0, 52, 100, 48)), 0);

    // Turned a quarter counter-clockwise: it runs upwards from the point.
    image = text(square, WmfValue::AlignBaseline, 900);
    EXPECT_GT(InkIn(image, QRect(35, 20, 15, 30)), 50);
    EXPECT_EQ(InkIn(image, QRect(0, 52, 100, 48)), 0);
    EXPECT_EQ(InkIn(image, QRect(52, 0, 48, 100)), 0);
}

TEST(WmfPicture, CharacterAdvancesPlaceEachCharacter)
{
    TWmfWriter writer(square, 1000);
    writer.SetWindow(square);
    TWmfFontSpec font;
    font.Height = -200;
    writer.SelectObject(writer.CreateFont(font));
    writer.ExtTextOut({0, 400}, QStringLiteral("II"), {800, 100});
    const QImage image = PlayedImage(writer.Placeable(), {100, 100});
    EXPECT_GT(InkIn(image, QRect(0, 40, 10, 20)), 5);
    EXPECT_GT(InkIn(image, QRect(80, 40, 10, 20)), 5);
    EXPECT_EQ(InkIn(image, QRect(15, 0, 60, 100)), 0);
}

TEST(WmfPicture, BitmapsAreStretchedAndMirrored)
{
    QImage pixels(2, 2, QImage::Format_RGB32);
    pixels.setPixel(0, 0, qRgb(255, 0, 0));
    pixels.setPixel(1, 0, qRgb(0, 255, 0));
    pixels.setPixel(0, 1, qRgb(0, 0, 255));
    pixels.setPixel(1, 1, qRgb(255, 255, 0));
    TWmfWriter writer(square, 1000);
    writer.SetWindow(square);
    writer.StretchDib(QRect(0, 0, 1000, 500), pixels);
    writer.StretchDib(QRect(1000, 500, -1000, 500), pixels); // mirrored left to right
    const QImage image = PlayedImage(writer.Placeable(), {100, 100});
    EXPECT_TRUE(Near(image.pixelColor(25, 12), Qt::red));
    EXPECT_TRUE(Near(image.pixelColor(75, 12), Qt::green));
    EXPECT_TRUE(Near(image.pixelColor(25, 37), Qt::blue));
    EXPECT_TRUE(Near(image.pixelColor(75, 37), Qt::yellow));
    EXPECT_TRUE(Near(image.pixelColor(25, 62), Qt::green));
    EXPECT_TRUE(Near(image.pixelColor(75, 62), Qt::red));
}

TEST(WmfPicture, HatchedBrushesLeaveGapsWhenTransparent)
{
    TWmfWriter writer(square, 1000);
    writer.SetWindow(square);
    writer.SetBkMode(WmfValue::BkTransparent);
    writer.SelectObject(writer.CreatePen(Qt::black, 0, WmfValue::PenNull));
    writer.SelectObject(writer.CreateHatchBrush(Qt::blue, WmfValue::HatchCross));
    writer.Rectangle(square);
    const QImage image = PlayedImage(writer.Placeable(), {100, 100});
    const int painted = PaintIn(image, QRect(10, 10, 80, 80));
    EXPECT_GT(painted, 500);
    EXPECT_LT(painted, 6000);
}

struct BadInput
{
    const char *name;
    QByteArray bytes;
    const char *error;
};

QByteArray Le32(quint32 value)
{
    QByteArray out;
    for (int shift = 0; shift < 32; shift += 8)
        out.append(char((value >> shift) & 0xFF));
    return out;
}

// The plain header followed by raw record bytes.
QByteArray WithRecords(const QByteArray &records)
{
    return TWmfWriter(square, 1000).Plain().left(18) + records;
}

TEST(WmfPicture, BadInputGivesAClearError)
{
    const QByteArray placeable = Shapes().Placeable();
    QByteArray inverted = placeable;
    inverted[10] = 0; // right edge 0, left of the left edge... at 0 too
    inverted[11] = 0;
    QByteArray negative = placeable;
    negative[12] = char(0x18); // bottom -1000
    negative[13] = char(0xFC);
    const std::vector<BadInput> cases = {
        {"empty", QByteArray(), "not a Windows metafile"},
        {"text", QByteArray("GIF89a not a metafile at all"), "not a Windows metafile"},
        {"placeable header only", placeable.left(30), "ends inside its headers"},
        {"empty bounding box", inverted, "bounding box is empty"},
        {"negative extent", negative, "bounding box is empty"},
        {"cut inside a record", placeable.left(placeable.size() - 9), "runs past the end"},
        {"cut inside a record header", placeable.left(22 + 18 + 3), "ends inside a record"},
        {"size zero", WithRecords(Le32(0) + QByteArray(2, '\1')), "smaller than its own header"},
        {"size two", WithRecords(Le32(2) + QByteArray(2, '\1')), "smaller than its own header"},
        {"size beyond the end", WithRecords(Le32(0x7FFFFFFF) + QByteArray(10, '\1')),
         "runs past the end"},
        {"size beyond 32 bits", WithRecords(Le32(0xFFFFFFFF) + QByteArray(10, '\1')),
         "runs past the end"},
    };
    for (const BadInput &bad : cases) {
        QString error;
        EXPECT_FALSE(TWmfPicture::Read(bad.bytes, error)) << bad.name;
        EXPECT_TRUE(error.contains(QLatin1String(bad.error)))
            << bad.name << ": " << error.toStdString();
        EXPECT_TRUE(error.endsWith('.')) << bad.name;
    }
}

TEST(WmfPicture, MissingEndRecordKeepsWhatWasRead)
{
    const QByteArray plain = Shapes().Plain();
    QString error;
    const auto picture = TWmfPicture::Read(plain.left(plain.size() - 6), error);
    ASSERT_TRUE(picture) << error.toStdString();
    EXPECT_EQ(picture->Frame(), QRectF(square));
}

TEST(WmfPicture, EmptyFrameOrTargetDrawsNothing)
{
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    QString error;
    TWmfWriter writer(square, 1000);
    const auto nothing = TWmfPicture::Read(writer.Plain(), error); // no window, no drawing
    ASSERT_TRUE(nothing);
    EXPECT_TRUE(nothing->Frame().isEmpty());
    const auto shapes = TWmfPicture::Read(Shapes().Placeable(), error);
    ASSERT_TRUE(shapes);
    QPainter painter(&image);
    nothing->Play(painter, QRectF(0, 0, 50, 50));
    shapes->Play(painter, QRectF(0, 0, 0, 50));
    painter.end();
    EXPECT_EQ(PaintIn(image, image.rect()), 0);
}

TEST(WmfPicture, ThePainterStateIsKept)
{
    QImage image(50, 50, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setPen(Qt::magenta);
    painter.setBrush(Qt::cyan);
    painter.translate(3, 4);
    painter.setClipRect(QRect(0, 0, 20, 20));
    QString error;
    TWmfPicture::Read(Shapes().Placeable(), error)->Play(painter, QRectF(0, 0, 40, 40));
    EXPECT_EQ(painter.pen().color(), QColor(Qt::magenta));
    EXPECT_EQ(painter.brush().color(), QColor(Qt::cyan));
    EXPECT_EQ(painter.transform(), QTransform::fromTranslate(3, 4));
    EXPECT_EQ(painter.clipBoundingRect(), QRectF(0, 0, 20, 20));
}

TEST(WmfPicture, PlaysIntoARecordedPicture)
{
    QString error;
    const auto picture = TWmfPicture::Read(Shapes().Placeable(), error);
    ASSERT_TRUE(picture);
    QPicture recorded;
    QPainter recorder(&recorded);
    picture->Play(recorder, QRectF(0, 0, 200, 200));
    recorder.end();
    QImage image(200, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.drawPicture(0, 0, recorded);
    painter.end();
    EXPECT_TRUE(Near(image.pixelColor(40, 30), Qt::red));
    EXPECT_TRUE(Near(image.pixelColor(140, 50), Qt::green));
    EXPECT_TRUE(Near(image.pixelColor(100, 120), Qt::blue));
    EXPECT_GT(InkIn(image, QRect(20, 150, 100, 25)), 40);
}

TEST(WmfPicture, PlaysIntoAPdfAsVectors)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString pdf = folder.filePath("shapes.pdf");
    {
        QPdfWriter writer(pdf);
        writer.setResolution(96);
        writer.setPageSize(QPageSize(QSizeF(200.0 / 96, 200.0 / 96), QPageSize::Inch));
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        QString error;
        TWmfPicture::Read(Shapes().Placeable(), error)->Play(painter, QRectF(0, 0, 200, 200));
    }
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("/Subtype /Image")); // no raster in the file

    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty())
        GTEST_SKIP() << "pdftoppm is not available";
    QProcess process;
    const QString stem = folder.filePath("raster");
    process.start(tool, {"-r", "96", "-png", "-singlefile", pdf, stem});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QImage image(stem + QStringLiteral(".png"));
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(Near(image.pixelColor(40, 30), Qt::red));
    EXPECT_TRUE(Near(image.pixelColor(140, 50), Qt::green));
    EXPECT_TRUE(Near(image.pixelColor(100, 120), Qt::blue));
    EXPECT_GT(InkIn(image, QRect(20, 150, 100, 25)), 40);
}

} // namespace
