#include "BuiltInHolidays.h"
#include "DialogTestSupport.h"
#include "GetHolidays.h"
#include "RecurringFormula.h"
#include "RecurringRows.h"
#include "SelectRecurringDates.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(GetHolidays, OffersTheBuiltInListWithNoRowChosen)
{
    TGetHolidays dialog(QStringLiteral(DW_PROGRAM_DIR));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Holidays"));
    EXPECT_EQ(dialog.HolidaySet->currentText(), QStringLiteral("United States"));
    ASSERT_EQ(dialog.Holidays()->count(), 26);
    EXPECT_EQ(dialog.Holidays()->item(0)->text(),
              QStringLiteral("April Fools's Day (1st of April)"));
    EXPECT_EQ(dialog.Holidays()->item(5)->text(), PadToWidth(QStringLiteral("Easter"), 120));
    EXPECT_TRUE(dialog.SelectedLines().isEmpty());

    // "Ok" with nothing chosen keeps the dialog open.
    dialog.okbutton->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.Allbutton->click();
    EXPECT_EQ(dialog.SelectedLines(), BuiltInHolidays());
    dialog.Nonebutton->click();
    EXPECT_TRUE(dialog.SelectedLines().isEmpty());
    dialog.Holidays()->item(3)->setSelected(true);
    dialog.okbutton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.SelectedLines(), QStringList{BuiltInHolidays()[3]});
}

TEST(GetHolidays, ShowsTheSetChosen)
{
    TGetHolidays dialog(QStringLiteral(DW_PROGRAM_DIR));
    EXPECT_EQ(dialog.HolidaySet->count(), 7);
    dialog.Holidays()->item(0)->setSelected(true);
    dialog.HolidaySet->setCurrentText(QStringLiteral("Germany"));
    ASSERT_GT(dialog.Holidays()->count(), 10);
    EXPECT_TRUE(dialog.SelectedLines().isEmpty());
    QStringList names;
    for (int row = 0; row < dialog.Holidays()->count(); ++row)
        names.append(EntryName(dialog.Holidays()->Line(row)));
    EXPECT_TRUE(names.contains(QStringLiteral("Pfingstmontag")));
    EXPECT_TRUE(names.contains(QStringLiteral("Buß- und Bettag (SN)")));
}

TEST(GetHolidays, ASetThatCannotBeReadIsToldOf)
{
    TDialogRun run;
    ASSERT_TRUE(QDir(run.Folder()).mkdir(QStringLiteral("holidays")));
    {
        QFile file(run.Path(QStringLiteral("holidays/Huge.dax")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(MaxRecurringFileSize + 1));
    }
    TGetHolidays dialog(run.Folder());
    ASSERT_EQ(dialog.HolidaySet->count(), 2);
    dialog.HolidaySet->setCurrentIndex(1);
    EXPECT_EQ(dialog.Holidays()->count(), 0);
    ASSERT_EQ(run.Messages.size(), 1);
    EXPECT_TRUE(
        run.Messages[0].startsWith(QStringLiteral("The holidays of Huge could not be read.")));
}

TEST(SelectRecurringDates, EveryRowIsChosenWhenShownInTheOrderGiven)
{
    const QStringList lines{MakeEntry(QStringLiteral("Zebra"), QStringLiteral("@0005")),
                            MakeEntry(QStringLiteral("Apple"), QStringLiteral("%17")), QString()};
    TSelectRecurringDates dialog(lines);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Recurring Dates To Use"));
    EXPECT_TRUE(dialog.SelectedLines().isEmpty());
    dialog.FormActivate();
    EXPECT_EQ(dialog.SelectedLines(), lines);
    dialog.Dates()->item(1)->setSelected(false);
    EXPECT_EQ(dialog.SelectedLines(), QStringList({lines[0], lines[2]}));
    dialog.Nonebutton->click();
    dialog.okbutton->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.Allbutton->click();
    dialog.okbutton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
