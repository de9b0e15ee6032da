#include "CalendarPage.h"
#include "CalendarSetDialog.h"
#include "DialogTestSupport.h"

#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(SetPicturesDialog, APictureFolderIsChosenForASetOnly)
{
    TDialogRun run;
    TCalendarPage page;
    TCalendarSetDialog dialog(page, QStringLiteral(DW_PROGRAM_DIR), u"Print"_s);
    EXPECT_FALSE(dialog.PicturesFolder->isEnabled());
    EXPECT_FALSE(dialog.PicturesButton->isEnabled());
    dialog.PicturesFolder->setText(run.Folder());
    EXPECT_TRUE(dialog.Choice().Pictures.isEmpty()) << "the page alone has no pages to vary";

    dialog.PageSet->setChecked(true);
    ASSERT_TRUE(dialog.PicturesButton->isEnabled());
    run.FileAnswer = run.Path(u"photos"_s);
    dialog.PicturesButton->click();
    EXPECT_EQ(dialog.PicturesFolder->text(), run.FileAnswer);
    EXPECT_EQ(dialog.Choice().Pictures, run.FileAnswer);

    // A folder without pictures keeps the dialog open and says why.
    dialog.OkButton->click();
    EXPECT_EQ(dialog.result(), int(QDialog::Rejected));
    ASSERT_EQ(run.Messages.size(), 1);
    EXPECT_TRUE(run.Messages[0].startsWith(u"The pictures cannot be taken: "_s));
    QDir(run.Folder()).mkdir(u"photos"_s);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(run.Path(u"photos/1.jpg"_s), "JPEG"));
    dialog.OkButton->click();
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));

    // Shown again with an earlier choice.
    TCalendarSetDialog again(page, QStringLiteral(DW_PROGRAM_DIR), u"Print"_s);
    again.SetChoice(dialog.Choice());
    EXPECT_EQ(again.PicturesFolder->text(), run.FileAnswer);
    EXPECT_TRUE(again.PicturesFolder->isEnabled());
}

} // namespace
