#include "GetLabelText.h"
#include "LabelPrompts.h"
#include "LumBaseLabel.h"
#include "MainWindowTestSupport.h"
#include "PaxRichBaseLabel.h"
#include "PopupMenus.h"
#include "RichTextLabelEditor.h"
#include "ToolSpeedButton.h"
#include "WPRichText.h"

#include <QLineEdit>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void Drag(TCalendarMain &window, QToolButton *tool, QPoint from, QPoint to)
{
    tool->click();
    QTest::mousePress(window.Parts().CalendarPanel, Qt::LeftButton, {}, from);
    QTest::mouseMove(window.Parts().CalendarPanel, to);
    QTest::mouseRelease(window.Parts().CalendarPanel, Qt::LeftButton, {}, to);
}

} // namespace

TEST(LabelTools, PlacingEditingAndReopeningBothKinds)
{
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    QStringList dialogs;
    SetModalAnswerer([&dialogs](QDialog &dialog) {
        dialogs << dialog.windowTitle();
        if (auto *text = dynamic_cast<TGetLabelText *>(&dialog))
            text->LabelText->setText(u"Family reunion"_s);
        if (auto *editor = dynamic_cast<TRichTextLabelEditor *>(&dialog)) {
            TWPRTFTextPaint words;
            QTextCursor(&words.Document()).insertText(u"Bring the photo albums"_s);
            editor->WPRichText1->Assign(words);
        }
        return int(QDialog::Accepted);
    });
    Drag(window, window.Button(u"DrawLabelButton"_s), {100, 100}, {260, 140});
    Drag(window, window.Button(u"DrawRichText"_s), {100, 200}, {300, 260});
    EXPECT_EQ(dialogs, QStringList({u"Text"_s, u"Rich Text Editor"_s}));
    ASSERT_EQ(window.Parts().CalendarPage->Objects().Count(), 2);
    const auto *label = dynamic_cast<TPaxLabel *>(window.Parts().CalendarPage->Objects().At(0));
    const auto *rich =
        dynamic_cast<TPaxRichBaseLabel *>(window.Parts().CalendarPage->Objects().At(1));
    ASSERT_NE(label, nullptr);
    ASSERT_NE(rich, nullptr);
    EXPECT_EQ(label->Caption(), u"Family reunion"_s);
    EXPECT_EQ(rich->RTFText().Document().toPlainText(), u"Bring the photo albums"_s);
    EXPECT_TRUE(window.Session().Modified());
    SetLabelPrompts({});
}

TEST(LabelTools, ALabelTurnedAQuarterTurnsAboutItsCentreAndStaysOnThePage)
{
    // Regression: a label rotated 90 degrees kept its top left corner, and
    // its new height pushed it off the bottom of the page.
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    TCalendarPage &page = *window.Parts().CalendarPage;
    SetModalAnswerer([](QDialog &dialog) {
        dynamic_cast<TGetLabelText &>(dialog).LabelText->setText(u"Grandma's ninetieth birthday"_s);
        return int(QDialog::Accepted);
    });
    const int bottom = page.Height() - 8;
    Drag(window, window.Button(u"DrawLabelButton"_s), {200, bottom - 30}, {420, bottom});
    SetModalAnswerer({});
    ASSERT_EQ(page.Objects().Count(), 1);
    auto *label = dynamic_cast<TPaxLabel *>(page.Objects().At(0));
    ASSERT_NE(label, nullptr);
    const QRect before = label->BoundsRect().ToQRect();

    QStringList choices{u"Rotation"_s, u"90 Degrees"_s};
    SetMenuAnswerer([&choices](const TDesignMenu &menu, QPoint) {
        const QString caption = choices.isEmpty() ? QString() : choices.takeFirst();
        for (qsizetype i = 0; i < menu.size(); ++i) {
            if (menu[i].Caption == caption)
                return int(i);
        }
        return -1;
    });
    auto *handle = window.Parts().CalendarPanel->findChild<QWidget *>(u"LumHandle"_s);
    ASSERT_TRUE(handle && handle->isVisible());
    QTest::mouseClick(handle, Qt::RightButton, {}, handle->rect().center());
    SetMenuAnswerer({});
    EXPECT_TRUE(choices.isEmpty());

    EXPECT_EQ(label->Angle(), 90);
    const QRect after = label->BoundsRect().ToQRect();
    EXPECT_LT(after.width(), after.height());
    EXPECT_TRUE(QRect(0, 0, page.Width(), page.Height()).contains(after))
        << after.top() << ".." << after.bottom() << " on a page " << page.Height() << " high";
    EXPECT_NEAR(after.center().x(), before.center().x(), 1) << "turned about its centre";
    EXPECT_TRUE(window.Session().Modified());
}
