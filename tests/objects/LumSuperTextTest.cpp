#include "CalendarPage.h"
#include "SuperTextFixture.h"
#include "TestObject.h"

#include <QFontMetrics>

namespace {

constexpr TColor Red = 0x0000FF;

QImage PaintedObject(const TLumSuperText &text)
{
    QImage image(text.Width(), text.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    text.Paint(painter);
    return image;
}

} // namespace

TEST_F(SuperTextTest, NewObjectHasTheInitialValues)
{
    const TLumSuperText text;
    EXPECT_EQ(text.Width(), 142);
    EXPECT_EQ(text.Height(), 33);
    EXPECT_EQ(text.ShadowDepth(), 0);
    EXPECT_EQ(text.ShadowOrientation(), sdDownRight);
    EXPECT_EQ(text.Shadowcolor(), clGray);
    EXPECT_EQ(text.BorderStyle(), bsNone);
    EXPECT_TRUE(text.ControlTransparent());
    EXPECT_EQ(text.BGColor(), clWhite);
    EXPECT_EQ(text.Caption(), QStringLiteral("Text"));
    EXPECT_EQ(text.Font(), (TFontDesc{QStringLiteral("Arial"), 48, TFontStyle::fsBold, clBlack}));
    EXPECT_EQ(text.FillDirection(), gdRight);
    EXPECT_EQ(text.GradientToColor(), TColor(0x00FFFF));
    EXPECT_EQ(text.GradientFromColor(), TColor(0xFF0000));
    EXPECT_TRUE(text.Image().isNull());
    EXPECT_EQ(text.OutlineColor(), clBlack);
    EXPECT_EQ(text.OutlineStyle(), psSolid);
    EXPECT_EQ(text.OutlineWidth(), 1);
    EXPECT_EQ(text.SurfaceType(), stGradientFill);
    EXPECT_TRUE(text.LastBitmapFileNameandPath().isEmpty());
}

TEST_F(SuperTextTest, ToolMakesFramedGradientTextOnWhiteAndOpensTheDialog)
{
    int asked = 0;
    SetSuperTextPrompts({[&asked](TLumSuperText &) {
        ++asked;
        return true;
    }});
    TCalendarPage page;
    TRecordingView view(page);
    view.ToolOn = psSuperText;
    page.CreateObjectInRect({40, 50, 182, 83});
    ASSERT_EQ(page.Objects().Count(), 1);
    auto *text = dynamic_cast<TLumSuperText *>(page.Objects().At(0));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(text->BorderStyle(), bsSingle);
    EXPECT_FALSE(text->ControlTransparent());
    EXPECT_EQ(text->BGColor(), clWhite);
    EXPECT_EQ(text->Width(), 142);
    // The height grows to the 48-point text.
    const int lineHeight = QFontMetrics(text->DrawingFont()).height();
    EXPECT_EQ(text->Height(), lineHeight);

    const QImage image = PaintedObject(*text);
    const int w = image.width();
    const int h = image.height();
    EXPECT_TRUE(IsDark(image.pixel(0, 0)));
    EXPECT_TRUE(IsDark(image.pixel(w - 1, h - 1)));
    EXPECT_TRUE(IsDark(image.pixel(w / 2, h - 1)));
    EXPECT_EQ(image.pixel(2, h - 3) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(image.pixel(w - 3, 2) & 0xFFFFFF, 0xFFFFFFu);
    // Blue in the T, yellow in the final t, no yellow at the start; the
    // glyphs are outlined in black.
    const QRect start(5, 5, 35, h - 10);
    const QRect end(w - 30, 5, 25, h - 10);
    EXPECT_TRUE(AnyPixel(image, start, IsBlueish));
    EXPECT_FALSE(AnyPixel(image, start, IsYellowish));
    EXPECT_TRUE(AnyPixel(image, end, IsYellowish));
    EXPECT_FALSE(AnyPixel(image, end, IsBlueish));
    EXPECT_TRUE(AnyPixel(image, QRect(5, 2, w - 10, h - 4), IsDark));
}

TEST_F(SuperTextTest, ShadowOffsetFollowsOrientationAndDepth)
{
    struct Case
    {
        TShadowOrientation Orientation;
        QPoint Offset;
    };
    for (const Case &c :
         {Case{sdNone, {0, 0}}, Case{sdRight, {3, 0}}, Case{sdLeft, {-3, 0}},
          Case{sdDownRight, {3, 3}}, Case{sdDownLeft, {-3, 3}}, Case{sdDown, {0, 3}}}) {
        TLumSuperText text;
        text.SetShadowDepth(3);
        text.SetShadowOrientation(c.Orientation);
        EXPECT_EQ(text.ShadowOffset(), c.Offset) << c.Orientation;
    }
}

TEST_F(SuperTextTest, LeftShadowOfDepthFourStartsFourPixelsLeftOfTheText)
{
    TLumSuperText &text = PlaceText(300, 100);
    text.SetShadowcolor(Red);
    text.SetShadowOrientation(sdLeft);
    text.SetShadowDepth(4);
    EXPECT_FALSE(text.NeedsLayout());
    EXPECT_EQ(text.Layout().TextOrigin, QPoint(4, 0));
    EXPECT_EQ(text.Layout().TextRect.Left, 9);
    EXPECT_EQ(text.Layout().TextPosition, QPoint(9, 0));
    EXPECT_EQ(text.Layout().ShadowRect.Left, 5);
    EXPECT_EQ(text.Layout().ShadowPosition, QPoint(5, 0));
    // The shadow shows left of the T's stem, in its colour.
    const QImage image = PaintedObject(text);
    EXPECT_TRUE(AnyPixel(image, QRect(0, 0, 40, image.height()), IsReddish));
}

TEST_F(SuperTextTest, LayoutKeepsATransparentObjectNearItsTextHeight)
{
    TLumSuperText &text = PlaceText(300, 100);
    text.SetShadowOrientation(sdDown);
    text.SetShadowDepth(6);
    text.SetObjectBounds(10, 10, 300, 400);
    const int f = QFontMetrics(text.DrawingFont()).height() + 6;
    EXPECT_EQ(text.Height(), int(1.2 * f));
    // Framed, it keeps a taller size; it never stays lower than the text.
    text.SetBorderStyle(bsSingle);
    text.SetObjectBounds(10, 10, 300, 400);
    EXPECT_EQ(text.Height(), 400);
    text.SetObjectBounds(10, 10, 300, 20);
    EXPECT_EQ(text.Height(), f);
    // A width of 5 or less becomes the caption's and a space's.
    text.SetObjectBounds(10, 10, 4, 20);
    EXPECT_EQ(text.Width(), QFontMetrics(text.DrawingFont()).horizontalAdvance("Text "));
}

// Regression: losing its frame or turning transparent again left the object
// as tall as it was until it was next moved.
TEST_F(SuperTextTest, FrameOffOrTransparentAgainFitsTheHeightAtOnce)
{
    TLumSuperText &text = PlaceText(300, 100);
    const int fitted = int(1.2 * QFontMetrics(text.DrawingFont()).height());
    text.SetBorderStyle(bsSingle);
    text.SetObjectBounds(10, 10, 300, 400);
    text.SetBorderStyle(bsNone);
    EXPECT_EQ(text.Height(), fitted);
    EXPECT_EQ(text.UnzoomedHeight(), fitted);
    text.SetControlTransparent(false);
    text.SetObjectBounds(10, 10, 300, 400);
    text.SetControlTransparent(true);
    EXPECT_EQ(text.Height(), fitted);
    EXPECT_EQ(text.UnzoomedHeight(), fitted);
}

TEST_F(SuperTextTest, LayoutScalesOffsetAndFontByTheZoom)
{
    TLumSuperText &text = PlaceText(300, 100);
    text.SetShadowOrientation(sdDownLeft);
    text.SetShadowDepth(5);
    View.SetZoom(1.5f);
    EXPECT_EQ(text.Layout().Offset, QPoint(-7, 7));
    EXPECT_EQ(text.Layout().FontSize, 72);
    EXPECT_EQ(text.Layout().TextRect.Left, 12);
}

TEST_F(SuperTextTest, CaptionIsCutFromItsEndOnScreen)
{
    TLumSuperText &text = PlaceText(300, 100, QStringLiteral("Text"));
    const QFont font = text.DrawingFont();
    const QFontMetrics metrics(font);
    EXPECT_EQ(text.FittedCaption(font, 1000), QStringLiteral("Text"));
    EXPECT_EQ(text.FittedCaption(font, metrics.horizontalAdvance("Tex")), QStringLiteral("Tex"));
    EXPECT_EQ(text.FittedCaption(font, metrics.horizontalAdvance("Tex") - 1), QStringLiteral("Te"));
    EXPECT_EQ(text.FittedCaption(font, 2), QString());
    EXPECT_EQ(text.FittedCaption(font, -10), QString());

    // Only the T fits: nothing is drawn right of it.
    text.SetObjectBounds(10, 10, 5 + metrics.horizontalAdvance("T") + 5, 100);
    text.SetSurfaceType(stNormal);
    const QImage cut = PaintedObject(text);
    const auto ink = InkColumns(cut, cut.rect());
    EXPECT_GE(ink.first, 4);
    EXPECT_LE(ink.second, 5 + metrics.horizontalAdvance("T") + 1);
    EXPECT_TRUE(AnyPixel(cut, cut.rect(), IsDark));
}

TEST_F(SuperTextTest, CaptionIsCutFromItsEndOnPaper)
{
    TLumSuperText &text = PlaceText(900, 100, QStringLiteral("TTTTTT"));
    text.SetSurfaceType(stNormal);
    const int one = QFontMetrics(text.DrawingFont()).horizontalAdvance("T");
    const auto whole = InkColumns(PrintedSheet(text), QRect(0, 0, 900, 200));
    text.SetObjectBounds(10, 10, 5 + 2 * one + 3, 100);
    const auto cut = InkColumns(PrintedSheet(text), QRect(0, 0, 900, 200));
    EXPECT_GT(whole.second, 5 * one);
    EXPECT_LE(cut.second, 5 + 2 * one + 3);
    EXPECT_GT(cut.second, 5 + one);
}

TEST_F(SuperTextTest, EmptyCaptionDrawsACrossedBox)
{
    TLumSuperText &text = PlaceText(100, 100, QString());
    text.SetBorderStyle(bsSingle);
    text.SetObjectBounds(10, 10, 100, 100);
    const QImage image = PaintedObject(text);
    for (const QPoint p : {QPoint(0, 0), QPoint(99, 99), QPoint(50, 50), QPoint(20, 20),
                           QPoint(20, 79), QPoint(79, 20), QPoint(50, 0), QPoint(0, 50)})
        EXPECT_TRUE(IsDark(image.pixel(p))) << p.x() << "," << p.y();
    EXPECT_EQ(image.pixel(50, 20) & 0xFFFFFF, 0xFFFFFFu);
    // A caption cut to nothing draws the box too.
    text.SetCaption(QStringLiteral("Text"));
    text.SetObjectBounds(10, 10, 12, 100);
    const QImage narrow = PaintedObject(text);
    EXPECT_TRUE(IsDark(narrow.pixel(0, 50)));
    EXPECT_TRUE(IsDark(narrow.pixel(11, 50)));
    EXPECT_FALSE(AnyPixel(narrow, QRect(1, 0, 10, 10), IsBlueish));
}

TEST_F(SuperTextTest, SurfacesFillWithTheirOwnPaint)
{
    TLumSuperText &text = PlaceText(300, 100);
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QRect stem(10, 10, 40, 50);
    text.SetSurfaceType(stNormal);
    text.SetFont({QStringLiteral("Arial"), 48, TFontStyle::fsBold, Red});
    EXPECT_TRUE(AnyPixel(PaintedObject(text), stem, IsReddish));
    text.SetSurfaceType(stBrushImage);
    EXPECT_FALSE(AnyPixel(PaintedObject(text), stem, IsReddish)) << "no texture yet";
    text.SetImage(red);
    EXPECT_TRUE(AnyPixel(PaintedObject(text), stem, IsReddish));
    text.SetSurfaceType(stBrushTransparent);
    const QImage outline = PaintedObject(text);
    EXPECT_FALSE(AnyPixel(outline, stem, IsReddish));
    EXPECT_TRUE(AnyPixel(outline, stem, IsDark));
    text.SetOutlineWidth(0);
    EXPECT_FALSE(AnyPixel(PaintedObject(text), stem, IsDark));
}

TEST_F(SuperTextTest, TextureTilesStartAtTheObjectsCorner)
{
    TLumSuperText &text = PlaceText(300, 100);
    text.SetOutlineStyle(psClear);
    QImage texture(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            texture.setPixel(x, y, qRgb(30 * x, 40 * y, 200));
    text.SetSurfaceType(stBrushImage);
    text.SetImage(texture);
    const QImage image = PaintedObject(text);
    const auto tinted = [&image](int x, int y) {
        return (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    };
    int matched = 0;
    int inside = 0;
    for (int y = 1; y + 1 < image.height(); ++y)
        for (int x = 1; x + 1 < image.width(); ++x) {
            // Pixels well inside a glyph show the tile's own pixel.
            if (!tinted(x, y) || !tinted(x - 1, y) || !tinted(x + 1, y) || !tinted(x, y - 1) ||
                !tinted(x, y + 1))
                continue;
            ++inside;
            if ((image.pixel(x, y) & 0xFFFFFF) == (texture.pixel(x % 7, y % 5) & 0xFFFFFF))
                ++matched;
        }
    EXPECT_GT(inside, 200);
    EXPECT_GE(matched, inside * 9 / 10);
}

TEST_F(SuperTextTest, TextureToNormalAndBackDiscardsTheTexture)
{
    TLumSuperText text;
    QImage texture(4, 4, QImage::Format_RGB32);
    texture.fill(Qt::green);
    text.SetSurfaceType(stBrushImage);
    text.SetImage(texture);
    EXPECT_FALSE(text.Image().isNull());
    text.SetSurfaceType(stNormal);
    EXPECT_TRUE(text.Image().isNull());
    EXPECT_FALSE(text.HasImageData());
    text.SetSurfaceType(stBrushImage);
    EXPECT_TRUE(text.Image().isNull());
}

TEST_F(SuperTextTest, TransparentSurfaceForcesAClearOutlineSolid)
{
    struct Case
    {
        TSurfaceType Surface;
        TPenStyle Expected;
    };
    for (const Case &c : {Case{stBrushTransparent, psSolid}, Case{stNormal, psClear},
                          Case{stBrushImage, psClear}}) {
        TLumSuperText text;
        text.SetOutlineStyle(psClear);
        text.SetSurfaceType(c.Surface);
        EXPECT_EQ(text.OutlineStyle(), c.Expected) << c.Surface;
    }
    TLumSuperText dashed;
    dashed.SetOutlineStyle(psDash);
    dashed.SetSurfaceType(stBrushTransparent);
    EXPECT_EQ(dashed.OutlineStyle(), psDash);
}

TEST_F(SuperTextTest, GradientBitmapFollowsSizeAndColours)
{
    TLumSuperText &text = PlaceText(256, 100);
    ASSERT_FALSE(text.GradientBitmap().isNull());
    EXPECT_EQ(text.GradientBitmap().size(), QSize(text.Width(), text.Height()));
    text.SetFillDirection(gdLeft);
    EXPECT_EQ(text.GradientBitmap().pixel(0, 0) & 0xFFFFFF, 0xFFFF00u);
    text.SetGradientToColor(Red);
    EXPECT_EQ(text.GradientBitmap().pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    text.SetObjectBounds(10, 10, 400, 100);
    EXPECT_EQ(text.GradientBitmap().width(), 400);
}

TEST_F(SuperTextTest, PaintedPictureIsKeptUntilTheObjectChanges)
{
    TLumSuperText &text = PlaceText(300, 100);
    const QRect stem(10, 10, 40, 50);
    const auto red = [&] { return AnyPixel(PaintedObject(text), stem, IsReddish); };
    text.SetSurfaceType(stNormal);
    EXPECT_FALSE(red());
    text.SetFont({QStringLiteral("Arial"), 48, TFontStyle::fsBold, Red});
    EXPECT_TRUE(red());
    text.SetSurfaceType(stGradientFill);
    EXPECT_FALSE(red());
    text.SetGradientFromColor(Red);
    EXPECT_TRUE(red());
    text.SetFillDirection(gdLeft);
    EXPECT_FALSE(red());
    text.SetGradientToColor(Red);
    EXPECT_TRUE(red());
    text.SetSurfaceType(stBrushTransparent);
    EXPECT_FALSE(red());
    text.SetOutlineColor(Red);
    text.SetOutlineWidth(6);
    EXPECT_TRUE(red());
}

TEST_F(SuperTextTest, PrintsGradientTextureAndOutlineOnPaper)
{
    TLumSuperText &text = PlaceText(200, 100);
    text.SetBorderStyle(bsSingle);
    const QImage gradient = PrintedSheet(text, 192);
    const QRect start(10, 10, 70, 140);
    EXPECT_TRUE(AnyPixel(gradient, start, IsBlueish));
    EXPECT_FALSE(AnyPixel(gradient, start, IsYellowish));
    EXPECT_TRUE(AnyPixel(gradient, QRect(0, 0, 400, 2), IsDark)) << "the frame";

    QImage red(6, 6, QImage::Format_RGB32);
    red.fill(Qt::red);
    text.SetSurfaceType(stBrushImage);
    text.SetImage(red);
    EXPECT_TRUE(AnyPixel(PrintedSheet(text, 192), start, IsReddish));
    text.SetSurfaceType(stBrushTransparent);
    const QImage outline = PrintedSheet(text, 192);
    EXPECT_FALSE(AnyPixel(outline, start, IsReddish));
    EXPECT_TRUE(AnyPixel(outline, QRect(10, 10, 70, 140), IsDark));
}

TEST_F(SuperTextTest, MenuAddsItsEntriesWithCheckMarks)
{
    TLumSuperText &text = PlaceText(300, 100);
    const TDesignMenu menu = text.Menu();
    QStringList captions;
    for (const TDesignMenuItem &item : menu)
        captions << item.Caption;
    const QStringList own{"-", "Font", "Transparent", "Background Color", "Border", "Properties"};
    ASSERT_GE(captions.size(), own.size());
    EXPECT_EQ(captions.mid(captions.size() - own.size()), own);
    EXPECT_TRUE(FindMenuItem(menu, "Transparent")->Checked);
    EXPECT_FALSE(FindMenuItem(menu, "Border")->Checked);

    Changes = 0;
    RunMenu(text, "Border");
    RunMenu(text, "Transparent");
    EXPECT_EQ(text.BorderStyle(), bsSingle);
    EXPECT_FALSE(text.ControlTransparent());
    EXPECT_GE(Changes, 2);
    const TDesignMenu after = text.Menu();
    EXPECT_TRUE(FindMenuItem(after, "Border")->Checked);
    EXPECT_FALSE(FindMenuItem(after, "Transparent")->Checked);
}

TEST_F(SuperTextTest, MenuCommandsRunTheirDialogs)
{
    TLumSuperText &text = PlaceText(300, 100);
    TLabelPrompts prompts;
    prompts.ChooseColor = [](TColor) { return std::optional<TColor>(clYellow); };
    SetLabelPrompts(prompts);
    RunMenu(text, "Background Color");
    EXPECT_EQ(text.BGColor(), clYellow);
    EXPECT_FALSE(text.ControlTransparent());

    View.FontAnswer = TFontDesc{QStringLiteral("Arial"), 20, {}, clBlack};
    Changes = 0;
    RunMenu(text, "Font");
    EXPECT_EQ(text.Font().Size, 20);
    EXPECT_GE(Changes, 1);

    int edits = 0;
    SetSuperTextPrompts({[&edits](TLumSuperText &) {
        ++edits;
        return true;
    }});
    RunMenu(text, "Properties");
    EXPECT_EQ(edits, 1);
}

TEST_F(SuperTextTest, PreviewTakesTheLookAndOkGivesBackAllButFrameAndBackground)
{
    TLumSuperText &text = PlaceText(300, 100);
    text.SetBGColor(clYellow);
    text.SetShadowDepth(3);
    TLumSuperText preview;
    text.CopyToPreview(preview);
    EXPECT_EQ(preview.BGColor(), clYellow);
    EXPECT_EQ(preview.ShadowDepth(), 3);
    EXPECT_EQ(preview.Width(), text.Width());

    QImage texture(4, 4, QImage::Format_RGB32);
    texture.fill(Qt::green);
    preview.SetCaption(QStringLiteral("Fête"));
    preview.SetSurfaceType(stBrushImage);
    preview.SetImage(texture);
    preview.SetLastBitmapFileNameandPath(QStringLiteral("/textures/green.bmp"));
    preview.SetShadowOrientation(sdLeft);
    preview.SetOutlineWidth(4);
    preview.SetBGColor(clRed);
    preview.SetBorderStyle(bsSingle);
    preview.SetControlTransparent(false);
    preview.SetObjectBounds(0, 0, 50, 50);
    Changes = 0;
    text.TakeFromPreview(preview);
    EXPECT_EQ(text.Caption(), QStringLiteral("Fête"));
    EXPECT_EQ(text.SurfaceType(), stBrushImage);
    EXPECT_EQ(text.Image(), texture);
    EXPECT_EQ(text.LastBitmapFileNameandPath(), QStringLiteral("/textures/green.bmp"));
    EXPECT_EQ(text.ShadowOrientation(), sdLeft);
    EXPECT_EQ(text.OutlineWidth(), 4);
    EXPECT_EQ(text.BGColor(), clYellow);
    EXPECT_EQ(text.BorderStyle(), bsNone);
    EXPECT_TRUE(text.ControlTransparent());
    EXPECT_EQ(text.Width(), 300);
    EXPECT_GE(Changes, 1);
}

TEST_F(SuperTextTest, FittedPreviewLeavesRoomAroundTheCaption)
{
    TLumSuperText preview;
    preview.FinishLoad();
    preview.SetBorderStyle(bsSingle);
    preview.SetObjectBounds(0, 0, 100, 100);
    preview.FitPreview();
    const QFontMetrics metrics(preview.DrawingFont());
    EXPECT_EQ(preview.Width(), int(5 + 1.2 * metrics.horizontalAdvance("Text")));
    EXPECT_EQ(preview.Height(), int(1.2 * metrics.height()));
}
