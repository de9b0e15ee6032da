#include "CanvasReport.h"
#include "LabelFixture.h"
#include "Ppi.h"

#include <QFontMetrics>

namespace {

constexpr QRgb Red = 0xFF0000;
constexpr QRgb Blue = 0x0000FF;

int LineHeightOf(const TFontDesc &font, float scale = 1.0f)
{
    const QFontMetrics metrics(LabelDrawingFont(font, scale, ScreenPpi()));
    return metrics.height() + std::max(metrics.leading(), 0);
}

// The ink of a report drawn on a white 96 dpi sheet.
QRect PrintedInk(const TLumGraphicControl &object)
{
    QImage sheet(800, 600, QImage::Format_RGB32);
    sheet.setDotsPerMeterX(3780);
    sheet.setDotsPerMeterY(3780);
    sheet.fill(Qt::white);
    {
        QPainter painter(&sheet);
        TCanvasReport report;
        report.BeginCanvas(painter);
        object.PrintObject(report, 0, 0, object.Scale());
        report.EndCanvas();
    }
    QRect ink;
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            if ((sheet.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

TEST_F(LabelTest, NewLabelHasTheCreationValues)
{
    const TPaxLabel label;
    EXPECT_EQ(label.Width(), 142);
    EXPECT_EQ(label.Height(), 33);
    EXPECT_EQ(label.Caption(), QStringLiteral("Text"));
    EXPECT_EQ(label.Font().Name, QStringLiteral("Arial"));
    EXPECT_EQ(label.Font().Size, 10);
    EXPECT_EQ(label.Font().Color, clBlack);
    EXPECT_EQ(label.Alignment(), taLeftJustify);
    EXPECT_EQ(label.DirectionHighlight(), hdUpLeft);
    EXPECT_EQ(label.DirectionShadow(), sdDownRight);
    EXPECT_EQ(label.colorHighlight(), clAqua);
    EXPECT_EQ(label.colorShadow(), clGray);
    EXPECT_TRUE(label.Transparent());
    EXPECT_EQ(label.BackColor(), clWhite);
    EXPECT_EQ(label.BorderStyle(), bsNone);
    EXPECT_EQ(label.ShadowOffsetXY(), QPoint(0, 0));
}

TEST(LabelOffsets, FollowDirectionAndDepth)
{
    const struct
    {
        TShadowDirection shadow;
        QPoint shadowOffset;
        THighlightDirection highlight;
        QPoint highlightOffset;
    } cases[] = {
        {sdNone, {0, 0}, hdNone, {0, 0}},          {sdRight, {3, 0}, hdright, {3, 0}},
        {sdLeft, {-3, 0}, hdLeft, {-3, 0}},        {sdDownRight, {3, 3}, hdUpRight, {3, -3}},
        {sdDownLeft, {-3, 3}, hdUpLeft, {-3, -3}}, {sdDown, {0, 3}, hdUp, {0, -3}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(ShadowOffset(c.shadow, 3), c.shadowOffset) << c.shadow;
        EXPECT_EQ(HighlightOffset(c.highlight, 3), c.highlightOffset) << c.highlight;
    }
}

TEST_F(LabelTest, RotationSwapsTheSizeAndAlignsLeft)
{
    TPaxLabel &label = PlaceLabel(142, 33, QStringLiteral("Enter text..."), 20);
    ASSERT_EQ(label.Width(), 142);
    ASSERT_EQ(label.Height(), 33);
    label.SetAlignment(taCenter);
    label.SetAngle(90);
    EXPECT_EQ(label.Width(), 33);
    EXPECT_EQ(label.Height(), 142);
    EXPECT_EQ(label.Alignment(), taLeftJustify);
    label.SetAngle(0);
    EXPECT_EQ(label.Width(), 142);
    EXPECT_EQ(label.Height(), 33);
    label.SetAngle(270);
    EXPECT_EQ(label.Width(), 33);
    label.SetAngle(180);
    EXPECT_EQ(label.Height(), 33);
}

TEST_F(LabelTest, OtherAnglesAreIgnored)
{
    TPaxLabel &label = PlaceLabel(142, 33, QStringLiteral("Enter text..."), 20);
    for (const int angle : {45, -90, 360, 1})
        label.SetAngle(angle);
    EXPECT_EQ(label.Angle(), 0);
    EXPECT_EQ(label.Width(), 142);
}

TEST_F(LabelTest, SizeAcrossTheTextStaysBetweenItsHeightAndAFifthMore)
{
    TPaxLabel &label = PlaceLabel(200, 1);
    const int lh = LineHeightOf(label.Font());
    EXPECT_EQ(label.Height(), lh);
    label.SetHeight(500);
    EXPECT_EQ(label.Height(), int(lh * 1.2));
    EXPECT_EQ(label.Width(), 200);
}

TEST_F(LabelTest, ShadowDownRightGrowsTheHeightByItsDepth)
{
    TPaxLabel &label = PlaceLabel(200, 1, QStringLiteral("Shadow"), 20);
    const int before = label.Height();
    label.SetcolorShadow(clRed);
    label.SetDepthShadow(3);
    EXPECT_EQ(label.Height(), before + 3);
    const TLabelLayout &layout = label.Layout();
    EXPECT_EQ(layout.Shadow.Left, layout.Text.Left + 3);
    EXPECT_EQ(layout.Shadow.Top, layout.Text.Top + 3);
    EXPECT_EQ(layout.ShadowOrigin, layout.TextOrigin + QPoint(3, 3));
    const QImage image = Painted(label);
    EXPECT_TRUE(HasColour(image, QRect(0, 0, image.width(), image.height()), Red))
        << "the shadow in clRed is painted";
}

TEST_F(LabelTest, HighlightUpLeftMovesTheTextDownRight)
{
    TPaxLabel &label = PlaceLabel(200, 1, QStringLiteral("High"), 20);
    const TLabelLayout plain = label.Layout();
    const int before = label.Height();
    label.SetDepthHighlight(2);
    ASSERT_EQ(label.DirectionHighlight(), hdUpLeft);
    const TLabelLayout &layout = label.Layout();
    EXPECT_EQ(layout.Text.Left, plain.Text.Left + 2);
    EXPECT_EQ(layout.Text.Top, plain.Text.Top + 2);
    EXPECT_EQ(layout.TextOrigin, plain.TextOrigin + QPoint(2, 2));
    EXPECT_EQ(layout.Highlight.Left, 0);
    EXPECT_EQ(layout.Highlight.Top, 0);
    EXPECT_EQ(label.Height(), before + 2);
}

TEST_F(LabelTest, CopiesAreDrawnOnlyWithDepthAndDirection)
{
    TPaxLabel &label = PlaceLabel(200, 1, QStringLiteral("IIII"), 28);
    label.SetcolorShadow(clBlue);
    label.SetcolorHighlight(clRed);
    const QRect all(0, 0, 400, 100);
    EXPECT_FALSE(HasColour(Painted(label), all, Red));
    label.SetDepthShadow(4);
    label.SetDepthHighlight(4);
    const QImage both = Painted(label);
    EXPECT_TRUE(HasColour(both, all, Blue)) << "shadow";
    EXPECT_TRUE(HasColour(both, all, Red)) << "highlight";
    label.SetDirectionShadow(sdNone);
    label.SetDirectionHighlight(hdNone);
    const QImage none = Painted(label);
    EXPECT_FALSE(HasColour(none, all, Red));
    EXPECT_FALSE(HasColour(none, all, Blue));
}

TEST_F(LabelTest, AlignmentPlacesUnrotatedTextOnly)
{
    TPaxLabel &label = PlaceLabel(300, 1);
    const TLabelLayout left = label.Layout();
    const int tw = left.TextWidth;
    label.SetAlignment(taRightJustify);
    EXPECT_EQ(label.Layout().TextOrigin.x(), left.Text.Right - tw);
    label.SetAlignment(taCenter);
    EXPECT_EQ(label.Layout().TextOrigin.x(), (left.Text.Right - left.Text.Left) / 2 - tw / 2);

    label.SetAngle(90);
    const TLabelLayout turnedLeft = label.Layout();
    label.SetAlignment(taCenter);
    EXPECT_EQ(label.Alignment(), taCenter);
    EXPECT_EQ(label.Layout().TextOrigin, turnedLeft.TextOrigin);
    EXPECT_EQ(label.Layout().Text, turnedLeft.Text);
}

TEST_F(LabelTest, RotatedTextStartsAtTheCornerItTurnsAbout)
{
    TPaxLabel &label = PlaceLabel(142, 33, QStringLiteral("Enter text..."), 20);
    const struct
    {
        int angle;
        bool right;
        bool bottom;
    } cases[] = {{90, false, true}, {180, true, true}, {270, true, false}};
    for (const auto &c : cases) {
        label.SetAngle(c.angle);
        const TLabelLayout &layout = label.Layout();
        EXPECT_EQ(layout.TextOrigin.x(), c.right ? layout.Text.Right : layout.Text.Left) << c.angle;
        EXPECT_EQ(layout.TextOrigin.y(), c.bottom ? layout.Text.Bottom : layout.Text.Top)
            << c.angle;
        EXPECT_LE(label.Height(), int(layout.TextWidth * 1.2) + 1) << c.angle;
    }
}

TEST_F(LabelTest, HalfZoomDrawsTheTruncatedHalfSizeAndPrintsAlike)
{
    TPaxLabel &label = PlaceLabel(142, 33, QStringLiteral("Enter text..."), 15);
    label.SetTransparent(false);
    label.SetBackColor(clBlack);
    const QRect atOne = PrintedInk(label);
    const QSize sizeAtOne(label.Width(), label.Height());
    View.SetZoom(0.5f);
    TFontDesc half = label.Font();
    half.Size = 7;
    EXPECT_EQ(label.Layout().Font.pixelSize(), half.ToQFont(ScreenPpi()).pixelSize());
    // Its bounds were halved too: on paper it takes them at zoom 1 again.
    const QRect atHalf = PrintedInk(label);
    EXPECT_EQ(atOne.size(), sizeAtOne);
    EXPECT_EQ(atHalf.width(), atOne.width());
    EXPECT_NEAR(atHalf.height(), label.Height() * 2, 1);
}

TEST_F(LabelTest, GrowToFitWidensForTheCaptionAndFiveSpaces)
{
    TPaxLabel &label = PlaceLabel(20, 1, QStringLiteral("A longer caption"));
    label.GrowToFit();
    const QFontMetrics metrics(label.Layout().Font);
    EXPECT_EQ(label.Width(), metrics.horizontalAdvance(QStringLiteral("A longer caption     ")));
    const int width = label.Width();
    label.SetCaption(QStringLiteral("A"));
    label.GrowToFit();
    EXPECT_EQ(label.Width(), width) << "it never shrinks";
}

TEST_F(LabelTest, SizeNeverDropsBelowOne)
{
    TPaxLabel &label = PlaceLabel(142, 33);
    label.SetObjectBounds(10, 10, -5, 0);
    EXPECT_GE(label.Width(), 1);
    EXPECT_GE(label.Height(), 1);
}

TEST_F(LabelTest, RefusesDepthsBeyondReason)
{
    TPaxLabel &label = PlaceLabel(142, 33);
    label.SetDepthShadow(1 << 30);
    label.SetDepthHighlight(-4);
    EXPECT_EQ(label.DepthShadow(), 0);
    EXPECT_EQ(label.DepthHighlight(), 0);
}

// A document asking for a font millions of points high had the label draw glyphs of any size.
TEST_F(LabelTest, DrawingFontSizeIsBounded)
{
    TPaxLabel &label = PlaceLabel(142, 33);
    TFontDesc font = label.Font();
    font.Size = 2000000;
    label.SetFont(font);
    EXPECT_LE(label.Layout().Font.pixelSize(), 1000 * 96 / 72 + 1);
    font.Size = -40;
    label.SetFont(font);
    EXPECT_GE(label.Layout().Font.pixelSize(), 1);
    EXPECT_GE(label.Height(), 1);
}

TEST_F(LabelTest, MenuHasTheLabelItemsWithChecks)
{
    TPaxLabel &label = PlaceLabel(142, 33);
    label.SetAlignment(taRightJustify);
    label.SetBorderStyle(bsSingle);
    const TDesignMenu menu = label.Menu();
    QStringList captions;
    for (const TDesignMenuItem &item : menu)
        captions << item.Caption;
    const QStringList tail =
        captions.mid(captions.indexOf(QStringLiteral("Center Horizontally")) + 1);
    EXPECT_EQ(tail, QStringList({"-", "Font", "3D Effects", "Alignment", "Transparent",
                                 "Background Color", "Border", "-", "Text", "-", "Rotation"}));
    EXPECT_TRUE(FindMenuItem(menu, QStringLiteral("Transparent"))->Checked);
    EXPECT_TRUE(FindMenuItem(menu, QStringLiteral("Border"))->Checked);
    const TDesignMenu alignment = RunSubmenu(label, QStringLiteral("Alignment"), {});
    ASSERT_EQ(alignment.size(), 3);
    EXPECT_EQ(alignment[0].Caption, QStringLiteral("Left"));
    EXPECT_EQ(alignment[1].Caption, QStringLiteral("Center"));
    EXPECT_TRUE(FindMenuItem(alignment, QStringLiteral("Right"))->Checked);
    EXPECT_FALSE(FindMenuItem(alignment, QStringLiteral("Left"))->Checked);
    label.SetAngle(270);
    const TDesignMenu rotation = RunSubmenu(label, QStringLiteral("Rotation"), {});
    ASSERT_EQ(rotation.size(), 4);
    EXPECT_FALSE(FindMenuItem(rotation, QStringLiteral("No Rotation"))->Checked);
    EXPECT_TRUE(FindMenuItem(rotation, QStringLiteral("270 Degrees"))->Checked);
}

TEST_F(LabelTest, CommandsChangeTheLabelAndTheDocument)
{
    TPaxLabel &label = PlaceLabel(142, 33, QStringLiteral("Enter text..."), 20);
    TLabelPrompts prompts;
    prompts.ChooseColor = [](TColor) { return std::optional<TColor>(clYellow); };
    prompts.EditText = [](const QString &) { return std::optional<QString>("Edited caption"); };
    SetLabelPrompts(prompts);
    const struct
    {
        const char *item;
        std::function<bool()> done;
        const char *submenu = "";
    } cases[] = {
        {"Transparent", [&] { return !label.Transparent(); }},
        {"Border", [&] { return label.BorderStyle() == bsSingle; }},
        {"Background Color", [&] { return label.BackColor() == clYellow && !label.Transparent(); }},
        {"Center", [&] { return label.Alignment() == taCenter; }, "Alignment"},
        {"Text", [&] { return label.Caption() == QStringLiteral("Edited caption"); }},
        {"180 Degrees", [&] { return label.Angle() == 180; }, "Rotation"},
    };
    for (const auto &c : cases) {
        const int before = Changes;
        if (*c.submenu)
            RunSubmenu(label, QString::fromLatin1(c.submenu), QString::fromLatin1(c.item));
        else
            RunMenu(label, QString::fromLatin1(c.item));
        EXPECT_TRUE(c.done()) << c.item;
        EXPECT_GT(Changes, before) << c.item;
    }
}

TEST_F(LabelTest, CancelledDialogsLeaveTheLabel)
{
    TPaxLabel &label = PlaceLabel(142, 33);
    TLabelPrompts prompts;
    prompts.ChooseColor = [](TColor) { return std::optional<TColor>(); };
    prompts.EditText = [](const QString &) { return std::optional<QString>(); };
    prompts.Edit3DEffects = [](TLumBaseLabel &) { return false; };
    SetLabelPrompts(prompts);
    const int before = Changes;
    for (const char *item : {"Background Color", "Text", "3D Effects"})
        RunMenu(label, QString::fromLatin1(item));
    EXPECT_EQ(label.Caption(), QStringLiteral("Text"));
    EXPECT_TRUE(label.Transparent());
    EXPECT_EQ(Changes, before);
}

// A font chosen with the Font command was not reported, so closing lost it.
TEST_F(LabelTest, ChosenFontMarksTheDocumentChanged)
{
    TPaxLabel &label = PlaceLabel(300, 33);
    TFontDesc font = label.Font();
    font.Name = QStringLiteral("Courier New");
    View.FontAnswer = font;
    const int before = Changes;
    RunMenu(label, QStringLiteral("Font"));
    EXPECT_EQ(label.Font().Name, QStringLiteral("Courier New"));
    EXPECT_GT(Changes, before);
}

TEST_F(LabelTest, BorderAndBackgroundAreProbed)
{
    TPaxLabel &label = PlaceLabel(142, 33, QStringLiteral("x"));
    label.SetTransparent(false);
    label.SetBackColor(clRed);
    label.SetBorderStyle(bsSingle);
    const QImage image = Painted(label);
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(label.Width() - 1, label.Height() - 1) & 0xFFFFFF, 0u);
    EXPECT_EQ(image.pixel(label.Width() - 3, label.Height() / 2) & 0xFFFFFF, Red);
}

TEST_F(LabelTest, KeptPictureFollowsEveryChange)
{
    TPaxLabel &label = PlaceLabel(142, 33, QStringLiteral("x"));
    label.SetTransparent(false);
    label.SetBackColor(clRed);
    EXPECT_EQ(Painted(label).pixel(130, 5) & 0xFFFFFF, Red);
    label.SetBackColor(clBlue);
    EXPECT_EQ(Painted(label).pixel(130, 5) & 0xFFFFFF, Blue);
}
