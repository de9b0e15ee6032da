#include "GetLabelText.h"
#include "LabelPrompts.h"
#include "LumBaseLabel.h"
#include "MainWindowTestSupport.h"
#include "PaxRichBaseLabel.h"
#include "RichTextLabelEditor.h"
#include "ToolSpeedButton.h"
#include "WPRichText.h"

#include <QLineEdit>
#include <QTest>
#include <QTextCursor>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

void Drag(TCalendarMain &window, TToolSpeedButton *tool, QPoint from, QPoint to)
{
    tool->click();
    QTest::mousePress(window.CalendarPanel, Qt::LeftButton, {}, from);
    QTest::mouseMove(window.CalendarPanel, to);
    QTest::mouseRelease(window.CalendarPanel, Qt::LeftButton, {}, to);
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
    Drag(window, window.DrawLabelButton, {100, 100}, {260, 140});
    Drag(window, window.DrawRichText, {100, 200}, {300, 260});
    EXPECT_EQ(dialogs, QStringList({u"Text"_s, u"Rich Text Editor"_s}));
    ASSERT_EQ(window.CalendarPanel->Objects().Count(), 2);
    const auto *label = dynamic_cast<TPaxLabel *>(window.CalendarPanel->Objects().At(0));
    const auto *rich = dynamic_cast<TPaxRichBaseLabel *>(window.CalendarPanel->Objects().At(1));
    ASSERT_NE(label, nullptr);
    ASSERT_NE(rich, nullptr);
    EXPECT_EQ(label->Caption(), u"Family reunion"_s);
    EXPECT_EQ(rich->RTFText().Document().toPlainText(), u"Bring the photo albums"_s);
    EXPECT_TRUE(window.Modified);
    SetLabelPrompts({});
}
