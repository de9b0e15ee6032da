#include "LabelDialogs.h"

#include "GetLabelText.h"
#include "LabelPrompts.h"
#include "LumBaseLabel.h"
#include "LumFont3DEffects.h"
#include "ModalDialog.h"
#include "PaxRichBaseLabel.h"
#include "RichTextLabelEditor.h"
#include "RichTextPainter.h"
#include "TestObject.h"
#include "WPRichText.h"
#include "WPToolBar.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

// Installs the real dialogs with recorded help and centring, answers the
// modal dialogs with Answer, and takes everything away afterwards.
class LabelDialogs : public ::testing::Test
{
protected:
    LabelDialogs()
    {
        TLabelDialogHooks hooks;
        hooks.CenterForm = [this](QWidget &) { ++Centred; };
        hooks.ShowHelpContext = [this](int context) { HelpTopics.append(context); };
        InstallLabelDialogs(hooks);
        SetModalAnswerer([this](QDialog &dialog) { return Answer(dialog); });
    }
    ~LabelDialogs() override
    {
        SetModalAnswerer({});
        SetLabelPrompts({});
    }

    std::function<int(QDialog &)> Answer = [](QDialog &) { return int(QDialog::Rejected); };
    int Centred = 0;
    QList<int> HelpTopics;
};

TWPRTFTextPaint Text(const QString &words)
{
    TWPRTFTextPaint text;
    QTextCursor(&text.Document()).insertText(words);
    return text;
}

} // namespace

TEST_F(LabelDialogs, TextDialogEditsTheCaption)
{
    TPaxLabel label;
    label.FinishLoad();
    Answer = [](QDialog &dialog) {
        auto &text = dynamic_cast<TGetLabelText &>(dialog);
        EXPECT_EQ(text.windowTitle(), QStringLiteral("Text"));
        EXPECT_EQ(text.size(), QSize(356, 133));
        EXPECT_EQ(text.LabelText->text(), QStringLiteral("Text"));
        EXPECT_TRUE(text.Row.OkButton->isDefault());
        text.Row.HelpButton->click();
        text.LabelText->setText(QStringLiteral("Anniversary"));
        return int(QDialog::Accepted);
    };
    label.EditText();
    EXPECT_EQ(label.Caption(), QStringLiteral("Anniversary"));
    EXPECT_EQ(HelpTopics, QList<int>{TGetLabelText::HelpContext});
    EXPECT_EQ(Centred, 1);

    Answer = [](QDialog &dialog) {
        dynamic_cast<TGetLabelText &>(dialog).LabelText->setText(QStringLiteral("Lost"));
        return int(QDialog::Rejected);
    };
    label.EditText();
    EXPECT_EQ(label.Caption(), QStringLiteral("Anniversary"));
}

TEST_F(LabelDialogs, EffectsDialogCopiesTheSampleOnOk)
{
    TPaxLabel label;
    label.SetDepthShadow(2);
    label.FinishLoad();
    Answer = [](QDialog &dialog) {
        auto &effects = dynamic_cast<TLumFont3DEffects &>(dialog);
        EXPECT_EQ(effects.windowTitle(), QStringLiteral("Text 3D Effects"));
        EXPECT_EQ(effects.ShadowDirection->count(), 6);
        EXPECT_EQ(effects.HighLightDepth->count(), 11);
        EXPECT_EQ(effects.HighlightDirection->itemText(4), QStringLiteral("Upper Left"));
        EXPECT_EQ(effects.ShadowDepth->currentIndex(), 2);
        EXPECT_EQ(effects.ShadowDirection->currentIndex(), int(sdDownRight));
        EXPECT_EQ(effects.Sample().Caption(), QStringLiteral("Text"));
        effects.ShadowDirection->setCurrentIndex(int(sdLeft));
        effects.ShadowDepth->setCurrentIndex(5);
        effects.HighlightDirection->setCurrentIndex(int(hdUp));
        effects.HighLightDepth->setCurrentIndex(3);
        effects.HighLightColorCombo->setCurrentIndex(
            effects.HighLightColorCombo->findText(QStringLiteral("Yellow")));
        effects.FontColorCombo->setCurrentIndex(
            effects.FontColorCombo->findText(QStringLiteral("Navy")));
        EXPECT_EQ(effects.Sample().DepthShadow(), 5);
        return int(QDialog::Accepted);
    };
    label.Edit3DEffects();
    EXPECT_EQ(label.DirectionShadow(), sdLeft);
    EXPECT_EQ(label.DepthShadow(), 5);
    EXPECT_EQ(label.DirectionHighlight(), hdUp);
    EXPECT_EQ(label.DepthHighlight(), 3);
    EXPECT_EQ(label.colorHighlight(), clYellow);
    EXPECT_EQ(label.Font().Color, clNavy);
    EXPECT_EQ(label.Caption(), QStringLiteral("Text"));
}

TEST_F(LabelDialogs, EffectsDialogCancelLeavesTheLabel)
{
    TPaxLabel label;
    label.FinishLoad();
    Answer = [](QDialog &dialog) {
        dynamic_cast<TLumFont3DEffects &>(dialog).ShadowDepth->setCurrentIndex(9);
        return int(QDialog::Rejected);
    };
    label.Edit3DEffects();
    EXPECT_EQ(label.DepthShadow(), 0);
}

TEST_F(LabelDialogs, RichEditorShowsTheLabelAtItsZoomAndWrapsAlike)
{
    TZoomedPanel shown(0.701f);
    TPaxRichBaseLabel &rich = shown.Place(std::make_unique<TPaxRichBaseLabel>());
    rich.SetRTFText(Text(QStringLiteral("Harvest supper in the village hall, bring a dish")));
    rich.SetTransparent(false);
    rich.SetBGColor(clYellow);
    rich.SetObjectBounds(0, 0, 133, 40);
    Answer = [&rich](QDialog &dialog) {
        auto &editor = dynamic_cast<TRichTextLabelEditor &>(dialog);
        EXPECT_EQ(editor.windowTitle(), QStringLiteral("Rich Text Editor"));
        EXPECT_EQ(editor.Zoom(), 70);
        EXPECT_EQ(editor.WPPanel->size(), QSize(134, 41));
        EXPECT_EQ(editor.WPRichText1->LayoutWidth(), rich.LayoutWidth());
        editor.show();
        for (int i = 0; i < 6; ++i)
            editor.ZoomIn();
        EXPECT_EQ(editor.Zoom(), 100);
        EXPECT_EQ(editor.WPPanel->width(), 191);
        EXPECT_EQ(editor.WPRichText1->LayoutWidth(), rich.LayoutWidth()) << "zoom keeps wraps";
        for (int i = 0; i < 9; ++i)
            editor.ZoomOut();
        EXPECT_EQ(editor.Zoom(), 50);
        editor.Row.HelpButton->click();
        editor.WPRichText1->Assign(Text(QStringLiteral("Changed")));
        return int(QDialog::Accepted);
    };
    rich.Edit();
    EXPECT_EQ(rich.RTFText().Document().toPlainText(), QStringLiteral("Changed"));
    EXPECT_EQ(HelpTopics, QList<int>{TRichTextLabelEditor::HelpContext});
}

TEST_F(LabelDialogs, RichEditorCancelKeepsTheText)
{
    TPaxRichBaseLabel rich;
    rich.SetRTFText(Text(QStringLiteral("Kept")));
    Answer = [](QDialog &dialog) {
        dynamic_cast<TRichTextLabelEditor &>(dialog).WPRichText1->Assign(Text("Lost"));
        return int(QDialog::Rejected);
    };
    rich.Edit();
    EXPECT_EQ(rich.RTFText().Document().toPlainText(), QStringLiteral("Kept"));
}

TEST_F(LabelDialogs, RichEditorShowsItsZoomButtonsAndTheTextsStartAtEveryZoom)
{
    // Regression: at the editor's default width its zoom buttons hid behind
    // the tool bar's overflow arrow, and zooming in scrolled the start of the
    // text out of view.
    TZoomedPanel shown(0.601f);
    TPaxRichBaseLabel &rich = shown.Place(std::make_unique<TPaxRichBaseLabel>());
    rich.SetRTFText(Text(QStringLiteral("Harvest supper in the village hall, bring a dish")));
    rich.SetObjectBounds(0, 0, 133, 40);
    Answer = [](QDialog &dialog) {
        auto &editor = dynamic_cast<TRichTextLabelEditor &>(dialog);
        editor.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&editor));
        EXPECT_GE(editor.width(), TRichTextLabelEditor::DefaultWidth);
        EXPECT_TRUE(editor.ZoomInButton->isVisible());
        EXPECT_TRUE(editor.ZoomOutButton->isVisible());
        const auto *overflow =
            editor.WPToolBar1->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
        EXPECT_TRUE(overflow == nullptr || !overflow->isVisible());
        const auto *view = editor.WPRichText1->findChild<QGraphicsView *>();
        for (int step = 0; step < 4; ++step) {
            editor.ZoomInButton->click();
            QCoreApplication::processEvents();
            EXPECT_EQ(view->horizontalScrollBar()->value(), view->horizontalScrollBar()->minimum())
                << "at " << editor.Zoom() << "%";
            EXPECT_EQ(view->mapFromScene(QPointF(0, 0)).x(), 0) << "at " << editor.Zoom() << "%";
        }
        return int(QDialog::Rejected);
    };
    rich.Edit();
}
