#include "CanvasReport.h"
#include "ComponentStream.h"
#include "DesignFixture.h"
#include "StreamReader.h"
#include "StreamWriter.h"

#include <QImage>
#include <QPainter>

using PlacedObject = DesignPanel;

namespace {

QByteArray Record(const TComponent &object)
{
    TStreamWriter out;
    WriteComponent(out, object);
    return out.Data();
}

// The names of the properties a record stores, in order.
QStringList StoredNames(const QByteArray &record)
{
    TStreamReader in(record);
    in.ReadSignature();
    in.ReadName();
    in.ReadName();
    QStringList names;
    while (const auto name = in.ReadName()) {
        if (name->isEmpty())
            break;
        names.append(*name);
        in.SkipValue();
    }
    return names;
}

QImage White(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

TEST_F(PlacedObject, StoresItsPropertiesInDeclarationOrder)
{
    const auto object = MakeTestObject(10, 20, 30, 40);
    EXPECT_EQ(StoredNames(Record(*object)),
              (QStringList{"Left", "Top", "Width", "Height", "Locked", "Unselectable"}));
    object->SetTag(7);
    object->SetCursor(-21);
    object->SetHint("tip");
    object->SetColor(clBlue);
    EXPECT_EQ(StoredNames(Record(*object)),
              (QStringList{"Tag", "Left", "Top", "Width", "Height", "Cursor", "Hint", "Locked",
                           "Unselectable", "Color"}));
    TClassRegistry classes;
    classes.Register(TTestObject::Class());
    object->SetLocked(true);
    TStreamReader in(Record(*object));
    const auto read = ReadComponent(in, classes);
    const auto *copy = dynamic_cast<const TTestObject *>(read.get());
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->Bounds(), (TBounds{10, 20, 30, 40}));
    EXPECT_EQ(copy->Tag(), 7);
    EXPECT_EQ(copy->Cursor(), -21);
    EXPECT_EQ(copy->Hint(), "tip");
    EXPECT_TRUE(copy->Locked());
    EXPECT_FALSE(copy->Unselectable());
    EXPECT_EQ(copy->Color(), clBlue);
    EXPECT_FALSE(copy->Reading());
}

TEST_F(PlacedObject, AMoveNotifiesOnceAndAsksForARefit)
{
    TTestObject &a = Place(10, 10, 20, 20);
    a.SetObjectBounds(10, 10, 20, 20);
    EXPECT_EQ(Changes, 0);
    a.SetObjectBounds(12, 10, 20, 20);
    EXPECT_EQ(Changes, 1);
    EXPECT_TRUE(Panel.RefitPending());
    a.CheckBoundsChanged();
    EXPECT_EQ(Changes, 1);
}

// Regression: zooming rescaled the bounds shown by the ratio of the zooms,
// rounding each time, so that a zoom there and back moved objects.
TEST_F(PlacedObject, ShowsItsBoundsAtZoomOneTimesTheZoomRoundingHalvesToEven)
{
    TTestObject *object = &Place(5, 7, 9, 11);
    View.SetZoom(0.5f);
    EXPECT_EQ(object->Bounds(), (TBounds{2, 4, 4, 6}));
    View.SetZoom(1.5f);
    EXPECT_EQ(object->Bounds(), (TBounds{8, 10, 14, 16}));
    EXPECT_EQ(object->Scale(), 1.5f);
    View.SetZoom(1.0f);
    EXPECT_EQ(object->Bounds(), (TBounds{5, 7, 9, 11}));
    // A move at a zoom takes only what moved back to zoom 1.
    View.SetZoom(0.5f);
    object->SetObjectBounds(3, 4, 4, 6);
    EXPECT_EQ(object->UnzoomedBounds(), (TBounds{6, 7, 9, 11}));
    EXPECT_EQ(object->Bounds(), (TBounds{3, 4, 4, 6}));
    // A zoom that dropped to nothing shows nothing, and a move there counts
    // as at zoom 1.
    View.SetZoom(0.0f);
    EXPECT_EQ(object->Bounds(), (TBounds{0, 0, 0, 0}));
    object->SetObjectBounds(8, 0, 0, 0);
    EXPECT_EQ(object->UnzoomedBounds(), (TBounds{8, 7, 9, 11}));
}

TEST_F(PlacedObject, CentresOnThePanel)
{
    TTestObject &a = Place(10, 10, 21, 31);
    a.CenterHorizontally();
    a.CenterVertically();
    // 400 div 2 - 21 div 2, 300 div 2 - 31 div 2.
    EXPECT_EQ(a.Left(), 190);
    EXPECT_EQ(a.Top(), 135);
}

TEST_F(PlacedObject, SelectionSquaresByHowManyAreSelected)
{
    TTestObject &a = Place(20, 20, 40, 30);
    TTestObject &b = Place(100, 100, 10, 10);
    Panel.Handle().Add(&a);
    QImage one = White(200, 200);
    {
        QPainter painter(&one);
        Panel.PaintSelection(painter);
    }
    // R = (18, 18, 62, 52): corners and edge middles, black.
    const QPoint black[] = {{18, 18}, {22, 22}, {61, 18}, {61, 51}, {18, 51},
                            {38, 18}, {42, 22}, {18, 33}, {61, 37}, {38, 51}};
    for (const QPoint &p : black)
        EXPECT_EQ(one.pixel(p), qRgb(0, 0, 0)) << p.x() << "," << p.y();
    EXPECT_EQ(one.pixel(30, 18), qRgb(255, 255, 255));
    EXPECT_EQ(one.pixel(23, 18), qRgb(255, 255, 255));
    Panel.Handle().Add(&b);
    QImage two = White(200, 200);
    {
        QPainter painter(&two);
        Panel.PaintSelection(painter);
    }
    // Grey corners only.
    EXPECT_EQ(two.pixel(18, 18), qRgb(128, 128, 128));
    EXPECT_EQ(two.pixel(98, 98), qRgb(128, 128, 128));
    EXPECT_EQ(two.pixel(38, 18), qRgb(255, 255, 255));
}

TEST_F(PlacedObject, PaintsClippedToItsBounds)
{
    Place(10, 10, 20, 20);
    QImage image = White(100, 100);
    {
        QPainter painter(&image);
        Panel.PaintObjects(painter, {0, 0, 100, 100});
    }
    EXPECT_EQ(image.pixel(10, 10), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(29, 29), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(30, 30), qRgb(255, 255, 255));
}

TEST_F(PlacedObject, PrintsWhereItStandsInInches)
{
    Place(96, 48, 96, 96);
    QImage sheet = White(400, 400);
    TCanvasReport report;
    {
        QPainter painter(&sheet);
        report.BeginCanvas(painter);
        Panel.PrintObjects(report, 0.5, 0, 1.0f);
        report.EndCanvas();
    }
    // At 96 dpi: 1.5 to 2.5 inches across, 0.5 to 1.5 down.
    EXPECT_EQ(sheet.pixel(150, 50), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.pixel(238, 142), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.pixel(140, 50), qRgb(255, 255, 255));
    EXPECT_EQ(sheet.pixel(150, 46), qRgb(255, 255, 255));
    EXPECT_EQ(sheet.pixel(244, 100), qRgb(255, 255, 255));
}

TEST_F(PlacedObject, HasTheMenuOfEveryObject)
{
    TTestObject &a = Place(10, 10, 20, 20);
    QStringList captions;
    for (const TDesignMenuItem &item : a.Menu())
        captions.append(item.Caption);
    EXPECT_EQ(captions, (QStringList{"Bring To Front", "Send To Back", "Cut", "Copy", "Delete",
                                     "Clone", "-", "Locked", "Unselectable", "-",
                                     "Center Vertically", "Center Horizontally"}));
    View.MenuChoice = "Locked";
    Panel.OpenObjectMenu(a, {});
    EXPECT_TRUE(a.Locked());
    EXPECT_TRUE(FindMenuItem(a.Menu(), "Locked")->Checked);
    // Unfinished objects have no menu yet.
    EXPECT_TRUE(TTestObject().Menu().isEmpty());
}
