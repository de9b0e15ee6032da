#include "LabelFixture.h"
#include "LabelKinds.h"
#include "RichTextPainter.h"
#include "RtfDocument.h"

#include <QTextCursor>

namespace {

TWPRTFTextPaint LongText()
{
    TWPRTFTextPaint text;
    QTextCursor cursor(&text.Document());
    cursor.insertText(QStringLiteral("Summer holidays begin with the school fair on the green, "
                                     "then a week at the lake with the whole family"));
    return text;
}

QStringList Lines(const TWPRTFTextPaint &text, double width)
{
    const TWPRichTextLayout layout(text, width);
    QStringList lines;
    for (int line = 0; line < layout.LineCount(); ++line)
        lines << layout.LineText(line);
    return lines;
}

} // namespace

TEST_F(LabelTest, RichLabelHasTheCreationValues)
{
    const TPaxRichBaseLabel rich;
    EXPECT_EQ(rich.Width(), 190);
    EXPECT_EQ(rich.Height(), 33);
    EXPECT_TRUE(rich.Transparent());
    EXPECT_EQ(rich.BGColor(), clWhite);
    EXPECT_EQ(rich.BorderStyle(), bsSingle);
    EXPECT_TRUE(rich.RTFText().IsEmpty());
    EXPECT_TRUE(bool(rich.OnEdit));
}

TEST_F(LabelTest, RichLabelFindsTheMasterByName)
{
    TPaxRichBaseLabel &rich = PlaceRichLabel(190, 33);
    EXPECT_EQ(rich.FindMasterRichText(), &Panel.Master);
    TLabelPanel other;
    other.Master = TMasterRichText(QStringLiteral("SomethingElse"));
    auto lone = std::make_unique<TPaxRichBaseLabel>();
    lone->FinishLoad();
    auto &placed = static_cast<TPaxRichBaseLabel &>(other.Objects().Insert(std::move(lone)));
    EXPECT_EQ(placed.FindMasterRichText(), nullptr);
    EXPECT_NO_THROW(Painted(placed));
}

TEST_F(LabelTest, RichLabelDrawsItsTextBackgroundAndFrame)
{
    TPaxRichBaseLabel &rich = PlaceRichLabel(190, 60);
    rich.SetRTFText(LongText());
    rich.SetTransparent(false);
    rich.SetBGColor(clYellow);
    const QImage image = Painted(rich);
    EXPECT_EQ(image.pixel(0, 30) & 0xFFFFFF, 0u) << "frame";
    EXPECT_EQ(image.pixel(185, 55) & 0xFFFFFF, 0xFFFF00u) << "background";
    EXPECT_TRUE(HasColour(image, QRect(2, 2, 100, 20), 0x000000)) << "text";
}

TEST_F(LabelTest, RichLinesBreakAlikeAtEveryZoomAndOnPaper)
{
    TPaxRichBaseLabel &rich = PlaceRichLabel(190, 120);
    rich.SetRTFText(LongText());
    const QStringList atOne = Lines(rich.RTFText(), rich.LayoutWidth());
    ASSERT_GT(atOne.size(), 2);
    for (const float zoom : {0.201f, 0.301f, 0.501f, 0.701f, 0.901f, 1.001f}) {
        View.SetZoom(zoom);
        const int width = rich.LayoutWidth();
        EXPECT_EQ(Lines(rich.RTFText(), width), atOne) << zoom;
        // Paper is printed at zoom 1, where the page rounds the width the same way.
        View.SetZoom(1.0f);
        EXPECT_EQ(rich.LayoutWidth(), width) << zoom;
    }
}

TEST_F(LabelTest, RichCommandsAndEditor)
{
    TPaxRichBaseLabel &rich = PlaceRichLabel(190, 33);
    TLabelPrompts prompts;
    prompts.ChooseColor = [](TColor) { return std::optional<TColor>(clTeal); };
    prompts.EditRichText = [](const TPaxRichBaseLabel &) {
        return std::optional<TWPRTFTextPaint>(LongText());
    };
    SetLabelPrompts(prompts);
    int before = Changes;
    RunMenu(rich, QStringLiteral("Background Color"));
    EXPECT_EQ(rich.BGColor(), clTeal);
    EXPECT_FALSE(rich.Transparent());
    EXPECT_GT(Changes, before);
    before = Changes;
    RunMenu(rich, QStringLiteral("Border"));
    EXPECT_EQ(rich.BorderStyle(), bsNone);
    EXPECT_GT(Changes, before);
    before = Changes;
    rich.OnEdit();
    EXPECT_FALSE(rich.RTFText().IsEmpty());
    EXPECT_GT(Changes, before);
}

TEST_F(LabelTest, ToolsMakeOpaqueFramedLabelsAndOpenTheirDialogs)
{
    int textDialogs = 0;
    int editors = 0;
    TLabelPrompts prompts;
    prompts.EditText = [&](const QString &caption) {
        ++textDialogs;
        EXPECT_EQ(caption, QStringLiteral("Enter text..."));
        return std::optional<QString>();
    };
    prompts.EditRichText = [&](const TPaxRichBaseLabel &) {
        ++editors;
        return std::optional<TWPRTFTextPaint>();
    };
    SetLabelPrompts(prompts);
    TFontDesc pageFont{QStringLiteral("Times New Roman"), 12, TFontStyle::fsBold, clMaroon};
    std::unique_ptr<TPaxLabel> made = NewToolLabel(pageFont);
    EXPECT_EQ(made->Font().Size, 20);
    EXPECT_EQ(made->Font().Name, pageFont.Name);
    EXPECT_EQ(made->Font().Style, pageFont.Style);
    made->FinishLoad();
    TLumGraphicControl &label = Panel.PlaceObject(std::move(made), {10, 10, 152, 43});
    FinishToolLabel(label);
    const auto &text = static_cast<const TPaxLabel &>(label);
    EXPECT_FALSE(text.Transparent());
    EXPECT_EQ(text.BorderStyle(), bsSingle);
    EXPECT_EQ(textDialogs, 1);

    std::unique_ptr<TPaxRichBaseLabel> richMade = NewToolRichLabel();
    richMade->FinishLoad();
    TLumGraphicControl &rich = Panel.PlaceObject(std::move(richMade), {10, 60, 200, 93});
    FinishToolRichLabel(rich);
    EXPECT_FALSE(static_cast<const TPaxRichBaseLabel &>(rich).Transparent());
    EXPECT_EQ(editors, 1);
}
