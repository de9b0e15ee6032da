#include "SuperTextProperties.h"

#include "BitmapFile.h"
#include "ColorButton.h"
#include "LumSuperText.h"
#include "Messages.h"
#include "ModalDialog.h"
#include "ProgramFolder.h"
#include "SuperTextBrushImageBrowser.h"
#include "SuperTextGetSymbol.h"
#include "SuperTextPrompts.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QImage Filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Installs the real SuperText dialogs with recorded help, centring and
// messages, and answers each modal dialog by its kind; takes everything away
// afterwards.
class SuperTextDialogs : public ::testing::Test
{
protected:
    SuperTextDialogs()
    {
        TLabelDialogHooks hooks;
        hooks.CenterForm = [this](QWidget &) { ++Centred; };
        hooks.ShowHelpContext = [this](int context) { HelpTopics << context; };
        hooks.ChooseColor = [this](TColor) { return PickedColor; };
        hooks.ChooseFont = [this](const TFontDesc &) { return PickedFont; };
        InstallSuperTextDialogs(hooks);
        TMessageAnswerer answerer;
        answerer.Information = [this](const QString &text) { Told << text; };
        answerer.Warning = [this](const QString &text, const QString &) { Warned << text; };
        SetMessageAnswerer(answerer);
        SetModalAnswerer([this](QDialog &dialog) {
            if (auto *properties = dynamic_cast<TSuperTextProperties *>(&dialog))
                return Answer(*properties);
            if (auto *browser = dynamic_cast<TSuperTextBrushImageBrowser *>(&dialog))
                return AnswerBrowser(*browser);
            if (auto *symbols = dynamic_cast<TSuperTextGetSymbol *>(&dialog))
                return AnswerSymbol(*symbols);
            return int(QDialog::Rejected);
        });
    }
    ~SuperTextDialogs() override
    {
        SetModalAnswerer({});
        SetMessageAnswerer({});
        SetSuperTextPrompts({});
        SetProgramFolder({});
    }

    // Runs the object's "Properties" through the installed dialog.
    bool Edit(TLumSuperText &object) { return SuperTextPrompts().EditProperties(object); }

    std::function<int(TSuperTextProperties &)> Answer = [](TSuperTextProperties &) {
        return int(QDialog::Rejected);
    };
    std::function<int(TSuperTextBrushImageBrowser &)> AnswerBrowser =
        [](TSuperTextBrushImageBrowser &) { return int(QDialog::Rejected); };
    std::function<int(TSuperTextGetSymbol &)> AnswerSymbol = [](TSuperTextGetSymbol &) {
        return int(QDialog::Rejected);
    };
    std::optional<TColor> PickedColor;
    std::optional<TFontDesc> PickedFont;
    int Centred = 0;
    QList<int> HelpTopics;
    QStringList Told;
    QStringList Warned;
};

} // namespace

TEST_F(SuperTextDialogs, OnePanelShowsForEachSurface)
{
    TLumSuperText object;
    TSuperTextProperties dialog({});
    dialog.LoadFrom(object);
    EXPECT_EQ(dialog.windowTitle(), u"SuperText Properties"_s);
    ASSERT_EQ(dialog.SurfaceTypeCombo->count(), 4);
    const struct
    {
        TSurfaceType surface;
        QString item;
        bool gradient, texture, fontColour;
    } cases[] = {
        {stGradientFill, u"Gradient Fill"_s, true, false, false},
        {stNormal, u"Normal"_s, false, false, true},
        {stBrushTransparent, u"Transparent"_s, false, false, false},
        {stBrushImage, u"Texture"_s, false, true, false},
        {stGradientFill, u"Gradient Fill"_s, true, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.item.toStdString());
        dialog.SurfaceTypeCombo->setCurrentIndex(c.surface);
        EXPECT_EQ(dialog.SurfaceTypeCombo->currentText(), c.item);
        EXPECT_EQ(dialog.Preview().SurfaceType(), c.surface);
        EXPECT_EQ(dialog.GradientPanel->isVisibleTo(&dialog), c.gradient);
        EXPECT_EQ(dialog.TexturePanel->isVisibleTo(&dialog), c.texture);
        EXPECT_EQ(dialog.FontColorPanel->isVisibleTo(&dialog), c.fontColour);
    }
}

TEST_F(SuperTextDialogs, TheTextTimerFitsThePreviewToANewText)
{
    TLumSuperText object;
    TSuperTextProperties dialog({});
    dialog.LoadFrom(object);
    EXPECT_EQ(dialog.TextTimer->interval(), 200);
    EXPECT_TRUE(dialog.TextTimer->isActive());
    const int fitted = dialog.Preview().Width();
    EXPECT_GT(fitted, 100) << "loading fits the preview to \"Text\" in 48 points";

    dialog.CaptionText->setText(u"Happy Birthday"_s);
    EXPECT_EQ(dialog.Preview().Caption(), u"Happy Birthday"_s) << "the caption follows at once";
    EXPECT_EQ(dialog.Preview().Width(), fitted) << "the fit waits for the timer";
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog.Preview().Width() > 2 * fitted; }, 5000));
    const int longer = dialog.Preview().Width();

    dialog.CaptionText->setText(u"Hi"_s);
    dialog.CheckTextChanged();
    EXPECT_LT(dialog.Preview().Width(), longer);
    EXPECT_GT(dialog.Preview().Height(), 48);
}

TEST_F(SuperTextDialogs, AnEmptyTextIsRefused)
{
    TLumSuperText object;
    object.SetCaption(u"Keep"_s);
    Answer = [this](TSuperTextProperties &dialog) {
        dialog.CaptionText->clear();
        dialog.Row.OkButton->click();
        EXPECT_EQ(Told, QStringList{u"Please enter some text"_s});
        EXPECT_NE(dialog.result(), int(QDialog::Accepted));
        EXPECT_EQ(dialog.focusWidget(), dialog.CaptionText);
        dialog.CaptionText->setText(u"New"_s);
        dialog.Row.OkButton->click();
        return dialog.result();
    };
    EXPECT_TRUE(Edit(object));
    EXPECT_EQ(object.Caption(), u"New"_s);
    EXPECT_EQ(Told.size(), 1);
    EXPECT_EQ(Centred, 1);
}

TEST_F(SuperTextDialogs, OkCopiesTheLookBackAndCancelLeavesTheObject)
{
    TLumSuperText object;
    object.SetObjectBounds(30, 40, 200, 60);
    object.SetBGColor(clAqua);
    object.SetControlTransparent(false);
    object.SetBorderStyle(bsSingle);
    PickedColor = clRed;
    TFontDesc font = object.Font();
    font.Name = u"Liberation Serif"_s;
    font.Size = 30;
    font.Color = clGreen;
    PickedFont = font;
    const auto change = [](TSuperTextProperties &dialog) {
        dialog.CaptionText->setText(u"Sale"_s);
        dialog.Fontbutton->click();
        dialog.SurfaceTypeCombo->setCurrentIndex(stNormal);
        dialog.OutlineColorButton->click();
        dialog.OutlineStyleCombo->setCurrentIndex(psDot);
        dialog.OutLineWidthSpinner->setValue(3);
        dialog.ShadowOrientationCombo->setCurrentIndex(sdLeft);
        dialog.ShadowDepthSpinner->setValue(4);
        dialog.ShadowColorButton->click();
        dialog.FillDirectionCombo->setCurrentIndex(gdUp);
        dialog.GradientToColorButton->click();
    };

    Answer = [&](TSuperTextProperties &dialog) {
        change(dialog);
        dialog.Row.HelpButton->click();
        return int(QDialog::Rejected);
    };
    EXPECT_FALSE(Edit(object));
    EXPECT_EQ(HelpTopics, QList<int>{TSuperTextProperties::HelpContext});
    EXPECT_EQ(object.Caption(), u"Text"_s);
    EXPECT_EQ(object.SurfaceType(), stGradientFill);
    EXPECT_EQ(object.ShadowDepth(), 0);
    EXPECT_EQ(object.OutlineColor(), clBlack);
    EXPECT_EQ(object.Font().Size, 48);

    Answer = [&](TSuperTextProperties &dialog) {
        change(dialog);
        dialog.Row.OkButton->click();
        return dialog.result();
    };
    EXPECT_TRUE(Edit(object));
    EXPECT_EQ(object.Caption(), u"Sale"_s);
    EXPECT_EQ(object.Font(), font);
    EXPECT_EQ(object.SurfaceType(), stNormal);
    EXPECT_EQ(object.OutlineColor(), clRed);
    EXPECT_EQ(object.OutlineStyle(), psDot);
    EXPECT_EQ(object.OutlineWidth(), 3);
    EXPECT_EQ(object.ShadowOrientation(), sdLeft);
    EXPECT_EQ(object.ShadowDepth(), 4);
    EXPECT_EQ(object.Shadowcolor(), clRed);
    EXPECT_EQ(object.FillDirection(), gdUp);
    EXPECT_EQ(object.GradientToColor(), clRed);
    // What the dialog does not edit stays.
    EXPECT_EQ(object.BoundsRect().ToQRect(), QRect(30, 40, 200, 60));
    EXPECT_EQ(object.BGColor(), clAqua);
    EXPECT_FALSE(object.ControlTransparent());
    EXPECT_EQ(object.BorderStyle(), bsSingle);
}

TEST_F(SuperTextDialogs, TextureIsDiscardedByNormalAndReloadedByTexture)
{
    TLumSuperText object;
    TSuperTextProperties dialog({});
    dialog.LoadFrom(object);
    const QImage builtIn = TSuperTextProperties::BuiltInTexture();
    EXPECT_EQ(dialog.LastTexture(), builtIn);
    dialog.SurfaceTypeCombo->setCurrentIndex(stBrushImage);
    EXPECT_EQ(dialog.Preview().Image(), builtIn);
    dialog.SurfaceTypeCombo->setCurrentIndex(stNormal);
    EXPECT_TRUE(dialog.Preview().Image().isNull());
    dialog.SurfaceTypeCombo->setCurrentIndex(stBrushImage);
    EXPECT_EQ(dialog.Preview().Image(), builtIn);

    // An object with a texture of its own brings it as the last texture.
    const QImage own = Filled(8, 8, qRgb(1, 2, 3));
    object.SetSurfaceType(stBrushImage);
    object.SetImage(own);
    dialog.LoadFrom(object);
    EXPECT_EQ(dialog.LastTexture(), own);
    dialog.SurfaceTypeCombo->setCurrentIndex(stGradientFill);
    dialog.SurfaceTypeCombo->setCurrentIndex(stBrushImage);
    EXPECT_EQ(dialog.Preview().Image(), own);
}

TEST_F(SuperTextDialogs, TransparentSurfaceTurnsAClearOutlineSolid)
{
    TLumSuperText object;
    TSuperTextProperties dialog({});
    dialog.LoadFrom(object);
    dialog.OutlineStyleCombo->setCurrentIndex(psClear);
    EXPECT_EQ(dialog.Preview().OutlineStyle(), psClear);
    dialog.SurfaceTypeCombo->setCurrentIndex(stBrushTransparent);
    EXPECT_EQ(dialog.Preview().OutlineStyle(), psSolid);
    EXPECT_EQ(dialog.OutlineStyleCombo->currentText(), u"Solid Line"_s);
}

TEST_F(SuperTextDialogs, FontSizeStepsByFiveWithinItsBounds)
{
    const struct
    {
        int size;
        bool up;
        int stepped;
    } cases[] = {
        {48, true, 53},  {148, true, 153}, {150, true, 150}, {160, true, 160},
        {48, false, 43}, {12, false, 7},   {10, false, 10},  {6, false, 6},
    };
    TLumSuperText object;
    TSuperTextProperties dialog({});
    for (const auto &c : cases) {
        SCOPED_TRACE(c.size);
        TFontDesc font = object.Font();
        font.Size = c.size;
        object.SetFont(font);
        dialog.LoadFrom(object);
        (c.up ? dialog.RapidChangeFontSizeUp : dialog.RapidChangeFontSizeDown)->click();
        EXPECT_EQ(dialog.Preview().Font().Size, c.stepped);
    }
}

TEST_F(SuperTextDialogs, TheSymbolBecomesTheTextInItsFont)
{
    AnswerSymbol = [](TSuperTextGetSymbol &selector) {
        selector.SymbolSets->setCurrentIndex(selector.SymbolSets->findText(u"OpenSymbol"_s));
        selector.SymbolList->setCurrentRow('J' - TSuperTextGetSymbol::FirstCode);
        selector.OKButton->click();
        return selector.result();
    };
    TLumSuperText object;
    Answer = [](TSuperTextProperties &dialog) {
        dialog.SelectSymbolbutton->click();
        EXPECT_EQ(dialog.CaptionText->text(), u"J"_s);
        EXPECT_EQ(dialog.CaptionText->font().family(), u"OpenSymbol"_s);
        dialog.Row.OkButton->click();
        return dialog.result();
    };
    EXPECT_TRUE(Edit(object));
    EXPECT_EQ(object.Caption(), u"J"_s);
    EXPECT_EQ(object.Font().Name, u"OpenSymbol"_s);
    EXPECT_EQ(object.Font().Size, 48);
}

TEST_F(SuperTextDialogs, TheTextureBrowserLoadsTheChosenFile)
{
    QTemporaryDir program;
    SetProgramFolder(program.path());
    const QDir folder(program.path());
    ASSERT_TRUE(folder.mkpath(u"Textures"_s));
    ASSERT_TRUE(folder.mkpath(u"bmbrush"_s));
    const QString good = folder.filePath(u"bmbrush/good.bmp"_s);
    ASSERT_EQ(SaveAsBitmapFile(Filled(6, 4, qRgb(200, 0, 0)), good), std::nullopt);
    QFile broken(folder.filePath(u"bmbrush/broken.bmp"_s));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not really");
    broken.close();

    TLumSuperText object;
    object.SetSurfaceType(stBrushImage);
    AnswerBrowser = [&](TSuperTextBrushImageBrowser &browser) {
        EXPECT_EQ(browser.windowTitle(), u"Load Texture Image"_s);
        EXPECT_EQ(browser.Folder(), folder.filePath(u"bmbrush"_s));
        EXPECT_EQ(browser.Example().SurfaceType(), stBrushImage);
        browser.SelectFile(u"broken.bmp"_s);
        EXPECT_EQ(Warned, QStringList{u"Error loading file!"_s});
        EXPECT_TRUE(browser.Texture().isNull());
        browser.SelectFile(u"good.bmp"_s);
        EXPECT_EQ(browser.Texture().size(), QSize(6, 4));
        EXPECT_EQ(browser.Example().Image().pixel(0, 0), qRgb(200, 0, 0));
        browser.Row.HelpButton->click();
        browser.Row.OkButton->click();
        return browser.result();
    };
    Answer = [&](TSuperTextProperties &dialog) {
        dialog.LoadImageButton->click();
        EXPECT_EQ(dialog.Preview().Image().size(), QSize(6, 4));
        EXPECT_EQ(dialog.LastTexture().size(), QSize(6, 4));
        EXPECT_EQ(dialog.LastTexturePath(), good);
        dialog.Row.OkButton->click();
        return dialog.result();
    };
    EXPECT_TRUE(Edit(object));
    EXPECT_EQ(HelpTopics, QList<int>{TSuperTextBrushImageBrowser::HelpContext});
    EXPECT_EQ(object.Image().size(), QSize(6, 4));
    EXPECT_EQ(object.LastBitmapFileNameandPath(), good);

    // Next time the browser opens at that file, already loaded; Cancel keeps
    // the texture there is.
    AnswerBrowser = [&](TSuperTextBrushImageBrowser &browser) {
        EXPECT_EQ(browser.FileName(), good);
        EXPECT_EQ(browser.Texture().size(), QSize(6, 4));
        browser.SelectFile(u"broken.bmp"_s);
        return int(QDialog::Rejected);
    };
    Answer = [&](TSuperTextProperties &dialog) {
        dialog.LoadImageButton->click();
        EXPECT_EQ(dialog.Preview().Image().size(), QSize(6, 4));
        return int(QDialog::Rejected);
    };
    EXPECT_FALSE(Edit(object));
}

// Accepting the browser with a file that could not be read must not wipe the
// texture being edited.
TEST_F(SuperTextDialogs, AnUnreadableChoiceKeepsTheTexture)
{
    QTemporaryDir program;
    SetProgramFolder(program.path());
    QFile broken(QDir(program.path()).filePath(u"broken.bmp"_s));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.close();
    AnswerBrowser = [](TSuperTextBrushImageBrowser &browser) {
        browser.SelectFile(u"broken.bmp"_s);
        browser.Row.OkButton->click();
        return browser.result();
    };
    TLumSuperText object;
    TSuperTextProperties dialog({});
    dialog.LoadFrom(object);
    dialog.SurfaceTypeCombo->setCurrentIndex(stBrushImage);
    dialog.LoadImageButton->click();
    EXPECT_EQ(dialog.Preview().Image(), TSuperTextProperties::BuiltInTexture());
    EXPECT_EQ(dialog.LastTexture(), TSuperTextProperties::BuiltInTexture());
    EXPECT_TRUE(dialog.LastTexturePath().isEmpty());
    EXPECT_EQ(Warned, QStringList{u"Error loading file!"_s});
}
