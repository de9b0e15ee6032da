#include "WPToolBar.h"

#include "WPRichText.h"

#include <QAction>
#include <QComboBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

bool ButtonWorks(TWPToolBar &toolBar, TWPToolButton button)
{
    QWidget *widget = toolBar.widgetForAction(toolBar.Button(button));
    return widget && widget->isEnabled();
}

TEST(WPToolBarTest, WorksOnlyWhileLinkedAndEnabled)
{
    TWPToolBar toolBar;
    TWPRichText editor;
    const struct
    {
        bool linked, enabled;
    } cases[] = {{false, true}, {true, true}, {true, false}, {false, false}};
    for (const auto &c : cases) {
        toolBar.SetEditor(c.linked ? &editor : nullptr);
        toolBar.setEnabled(c.enabled);
        const bool works = c.linked && c.enabled;
        EXPECT_EQ(ButtonWorks(toolBar, TWPToolButton::Bold), works) << c.linked << c.enabled;
        EXPECT_EQ(ButtonWorks(toolBar, TWPToolButton::SelAll), works) << c.linked << c.enabled;
        EXPECT_EQ(toolBar.FontNameList()->isEnabled(), works) << c.linked << c.enabled;
        EXPECT_EQ(editor.WPToolBar(), c.linked ? &toolBar : nullptr);
    }
}

TEST(WPToolBarTest, LinkingIsMutualAndEndsWithTheEditor)
{
    TWPToolBar toolBar;
    auto first = std::make_unique<TWPRichText>();
    TWPRichText second;
    first->SetWPToolBar(&toolBar);
    EXPECT_EQ(toolBar.Editor(), first.get());
    toolBar.SetEditor(&second);
    EXPECT_EQ(first->WPToolBar(), nullptr);
    EXPECT_EQ(second.WPToolBar(), &toolBar);

    first->SetWPToolBar(&toolBar);
    first.reset();
    EXPECT_EQ(toolBar.Editor(), nullptr);
    EXPECT_FALSE(ButtonWorks(toolBar, TWPToolButton::Bold));
}

TEST(WPToolBarTest, BoldButtonAppliesAndShowsBold)
{
    TWPToolBar toolBar;
    TWPRichText editor;
    toolBar.SetEditor(&editor);
    editor.InsertText(u"plain"_s, {0, 10, 0, 0});
    QAction *bold = toolBar.Button(TWPToolButton::Bold);
    EXPECT_FALSE(bold->isChecked());

    editor.SelectAll();
    bold->trigger();
    editor.CaretToEnd();
    EXPECT_EQ(editor.CurrentAttributes().Style, wpsBold);
    EXPECT_TRUE(bold->isChecked());

    editor.InsertText(u" more"_s, {0, 10, wpsItalic, 0});
    EXPECT_FALSE(bold->isChecked());
    EXPECT_TRUE(toolBar.Button(TWPToolButton::Italic)->isChecked());
}

TEST(WPToolBarTest, ListsShowAndSetTheCaretsAttributes)
{
    TWPToolBar toolBar;
    TWPRichText editor;
    toolBar.SetEditor(&editor);
    const int times = editor.FontIndexOf(u"Times New Roman"_s);
    editor.InsertText(u"x"_s, {times, 14, 0, 4});
    EXPECT_EQ(toolBar.FontNameList()->currentText(), u"Times New Roman"_s);
    EXPECT_EQ(toolBar.FontSizeList()->currentText(), u"14"_s);
    EXPECT_EQ(toolBar.FontColorList()->currentIndex(), 4);

    editor.SelectAll();
    toolBar.FontSizeList()->setCurrentText(u"13"_s);
    emit toolBar.FontSizeList()->lineEdit()->returnPressed();
    toolBar.FontColorList()->activated(2);
    editor.CaretToEnd();
    EXPECT_EQ(editor.CurrentAttributes(), (TWPCharAttr{times, 13, 0, 2}));

    QComboBox *sizes = toolBar.FontSizeList();
    EXPECT_EQ(sizes->itemText(0), QString::number(TWPToolBar::FontSizeFrom));
    EXPECT_EQ(sizes->itemText(sizes->count() - 1), u"72"_s);
    EXPECT_EQ(toolBar.FontColorList()->count(), 16);
    EXPECT_EQ(toolBar.height(), 26);
}

TEST(WPToolBarTest, AlignmentButtonsAreExclusive)
{
    TWPToolBar toolBar;
    TWPRichText editor;
    toolBar.SetEditor(&editor);
    toolBar.Button(TWPToolButton::Right)->trigger();
    EXPECT_EQ(editor.Alignment(), TWPAlignment::Right);
    toolBar.Button(TWPToolButton::Center)->trigger();
    EXPECT_EQ(editor.Alignment(), TWPAlignment::Center);
    EXPECT_FALSE(toolBar.Button(TWPToolButton::Right)->isChecked());
    EXPECT_FALSE(toolBar.Button(TWPToolButton::Left)->isChecked());
}

TEST(WPToolBarTest, HintsComeFromKeyValueStrings)
{
    TWPToolBar toolBar;
    toolBar.SetHints({u"WPI_Bold=Bold Font"_s, u"WPI_Center=Center Text "_s,
                      u"WPI_SelAll=Select All"_s, u"WPI_Unknown=x"_s, u"WPI_Italic"_s,
                      u"WPI_FontSize=Size=pt"_s});
    EXPECT_EQ(toolBar.Button(TWPToolButton::Bold)->toolTip(), u"Bold Font"_s);
    EXPECT_EQ(toolBar.Button(TWPToolButton::Center)->toolTip(), u"Center Text "_s);
    EXPECT_EQ(toolBar.Button(TWPToolButton::SelAll)->toolTip(), u"Select All"_s);
    EXPECT_EQ(toolBar.FontSizeList()->toolTip(), u"Size=pt"_s);
    EXPECT_TRUE(toolBar.Button(TWPToolButton::Italic)->toolTip().isEmpty());
}

} // namespace

TEST(WPToolBarTest, FontNamesAreLookedUpOnlyWhenTheListOpens)
{
    TWPToolBar toolBar;
    TWPRichText editor;
    toolBar.SetEditor(&editor);
    const int times = editor.FontIndexOf(u"Times New Roman"_s);
    editor.InsertText(u"x"_s, {times, 14, 0, 4});
    QComboBox *names = toolBar.FontNameList();
    EXPECT_EQ(names->count(), 0);
    names->showPopup();
    names->hidePopup();
    EXPECT_TRUE(names->findText(u"Liberation Serif"_s) >= 0);
    EXPECT_EQ(names->currentText(), u"Times New Roman"_s); // the caret's font stays shown
}

TEST(WPToolBarTest, CtrlBIAndUToggleStylesAsTheButtonsDo)
{
    // Regression: Ctrl+B, Ctrl+I and Ctrl+U did nothing in the editor.
    const struct
    {
        Qt::Key key;
        TWPToolButton button;
        int style;
    } keys[] = {{Qt::Key_B, TWPToolButton::Bold, wpsBold},
                {Qt::Key_I, TWPToolButton::Italic, wpsItalic},
                {Qt::Key_U, TWPToolButton::Underline, wpsUnderline}};
    for (const auto &key : keys) {
        TWPToolBar toolBar;
        TWPRichText editor;
        toolBar.SetEditor(&editor);
        editor.resize(200, 80);
        editor.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
        QWidget *typing = editor.focusProxy();
        QTest::keyClicks(typing, u"plain"_s);
        QTest::keyClick(typing, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(typing, key.key, Qt::ControlModifier);
        EXPECT_EQ(editor.RtfText().Document().toPlainText(), u"plain"_s) << "no letter typed";
        editor.CaretToEnd();
        EXPECT_EQ(editor.CurrentAttributes().Style, key.style) << int(key.key);
        EXPECT_TRUE(toolBar.Button(key.button)->isChecked());
        // Typed on, and off again.
        QTest::keyClick(typing, key.key, Qt::ControlModifier);
        QTest::keyClicks(typing, u"x"_s);
        EXPECT_EQ(editor.CurrentAttributes().Style, 0) << int(key.key);
        EXPECT_FALSE(toolBar.Button(key.button)->isChecked());
    }
}
