#include "EditRecurringDates.h"

#include "BuiltInHolidays.h"
#include "DialogTestSupport.h"
#include "EditRecurringDateFormula.h"
#include "GetHolidays.h"
#include "RecurringFile.h"
#include "RecurringFormula.h"
#include "RecurringRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

QString Entry(const char *name, const char *formula)
{
    return MakeEntry(QString::fromUtf8(name), QString::fromLatin1(formula));
}

QString Easter()
{
    return PadToWidth(QStringLiteral("Easter"), 120) + QStringLiteral("#EASTER");
}

// Answers the formula dialog: the name and a day of the month.
std::function<int(QDialog &)> DayOfMonth(const QString &name, int day, int month)
{
    return [=](QDialog &dialog) {
        auto &formula = dynamic_cast<TEditRecurringDateFormula &>(dialog);
        formula.FormActivate();
        formula.Event->setText(name);
        formula.rbDayOfMonth->click();
        formula.DayOfMonthDay->setValue(day);
        formula.DayOfMonthMonth->setCurrentIndex(month);
        formula.Okbutton->click();
        return formula.result();
    };
}

QStringList Texts(const TRecurringRowList &list)
{
    QStringList texts;
    for (int row = 0; row < list.count(); ++row)
        texts.append(list.item(row)->text());
    return texts;
}

} // namespace

TEST(EditRecurringDates, ListsTheFileSortedWithTheFirstRowChosen)
{
    TDialogRun run;
    TEditRecurringDates dialog({Entry("zebra", "@0101"), Entry("Apple", "%17")}, run.Folder());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Recurring Dates"));
    EXPECT_EQ(Texts(*dialog.DatesList), QStringList({"Apple (Sun,Sat)", "zebra (1st of January)"}));
    EXPECT_EQ(dialog.DatesList->currentRow(), 0);
    EXPECT_TRUE(dialog.Editbutton->isEnabled());
    EXPECT_TRUE(dialog.DeleteButton->isEnabled());

    TEditRecurringDates empty({}, run.Folder());
    EXPECT_EQ(empty.DatesList->currentRow(), -1);
    EXPECT_FALSE(empty.Editbutton->isEnabled());
    EXPECT_FALSE(empty.DeleteButton->isEnabled());
    EXPECT_FALSE(empty.ExportButton->isEnabled());
}

TEST(EditRecurringDates, NewAddsEvenAnEqualEntry)
{
    TDialogRun run;
    TEditRecurringDates dialog({Entry("Anniversary", "@0612")}, run.Folder());
    QString caption, formula, name;
    run.Answer = [&](QDialog &shown) {
        auto &edit = dynamic_cast<TEditRecurringDateFormula &>(shown);
        caption = edit.windowTitle();
        formula = edit.Formula();
        name = edit.EventName();
        return DayOfMonth(QStringLiteral("Payday"), 5, 0)(shown);
    };
    dialog.NewbuttonClick();
    EXPECT_EQ(caption, QStringLiteral("Add Recurring Date"));
    EXPECT_EQ(formula, QStringLiteral("@"));
    EXPECT_EQ(name, QStringLiteral("[Enter event]"));
    const QString payday = PadToWidth(QStringLiteral("Payday"), 120) + QStringLiteral("@0005     ");
    EXPECT_EQ(dialog.Lines().Lines(), QStringList({Entry("Anniversary", "@0612"), payday}));
    EXPECT_EQ(dialog.DatesList->currentRow(), 1);
    EXPECT_EQ(dialog.DatesList->item(1)->text(), QStringLiteral("Payday (5th of Each Month)"));
    dialog.NewbuttonClick();
    EXPECT_EQ(dialog.Lines().Count(), 3);
    EXPECT_EQ(dialog.Lines().At(2), payday);
}

TEST(EditRecurringDates, NamesAreCutTo120AndBlankNamesShowEmpty)
{
    TDialogRun run;
    TEditRecurringDates dialog({}, run.Folder());
    run.Answer = DayOfMonth(QString(120, u'n') + u'X', 1, 4);
    dialog.NewbuttonClick();
    run.Answer = DayOfMonth(QStringLiteral("     "), 2, 4);
    dialog.NewbuttonClick();
    ASSERT_EQ(dialog.Lines().Count(), 2);
    EXPECT_EQ(dialog.Lines().At(1), QString(120, u'n') + QStringLiteral("@0401     "));
    EXPECT_EQ(dialog.DatesList->item(0)->text(), QStringLiteral(" (2nd of April)"));
}

TEST(EditRecurringDates, EditReplacesTheEntryInItsSortedPlace)
{
    TDialogRun run;
    TEditRecurringDates dialog({Entry("Anniversary", "$1 0 5"), Entry("Birthday", "@0101")},
                               run.Folder());
    QString name, formula, caption;
    run.Answer = [&](QDialog &shown) {
        auto &edit = dynamic_cast<TEditRecurringDateFormula &>(shown);
        caption = edit.windowTitle();
        name = edit.EventName();
        formula = edit.Formula();
        edit.FormActivate();
        EXPECT_TRUE(edit.rbSpecial->isChecked());
        EXPECT_EQ(edit.SpecialMonth->currentIndex(), 5);
        edit.Event->setText(QStringLiteral("Wedding"));
        edit.rbDayOfweek->click();
        edit.Okbutton->click();
        return edit.result();
    };
    dialog.DatesList->setCurrentRow(0);
    dialog.EditbuttonClick();
    EXPECT_EQ(caption, QStringLiteral("Edit Recurring Date Formula"));
    EXPECT_EQ(name, PadToWidth(QStringLiteral("Anniversary"), 120));
    EXPECT_EQ(formula, QStringLiteral("$1 0 5    "));
    EXPECT_EQ(dialog.Lines().Lines(),
              QStringList({Entry("Birthday", "@0101"), Entry("Wedding", "%23456")}));
    EXPECT_EQ(dialog.DatesList->currentRow(), 1);
    EXPECT_EQ(Texts(*dialog.DatesList),
              QStringList({"Birthday (1st of January)", "Wedding (Mon,Tue,Wed,Thu,Fri)"}));

    // Cancel changes nothing.
    run.Answer = [](QDialog &) { return int(QDialog::Rejected); };
    dialog.EditbuttonClick();
    EXPECT_EQ(dialog.Lines().Count(), 2);
}

TEST(EditRecurringDates, EasterEntriesCannotBeEditedButCanBeDeleted)
{
    TDialogRun run;
    TEditRecurringDates dialog({Easter(), Entry("Victoria Day", "&0524<1"), QStringLiteral("x")},
                               run.Folder());
    dialog.DatesList->setCurrentRow(0);
    dialog.EditbuttonClick();
    dialog.DatesList->setCurrentRow(1);
    dialog.EditbuttonClick();
    // A line without a formula: nothing at all.
    dialog.DatesList->setCurrentRow(2);
    dialog.EditbuttonClick();
    EXPECT_EQ(run.Dialogs, 0);
    EXPECT_EQ(run.Messages,
              QStringList({"This entry cannot be edited", "This entry cannot be edited"}));
    dialog.DatesList->setCurrentRow(0);
    dialog.DeleteButtonClick();
    EXPECT_EQ(dialog.Lines().Count(), 2);
    EXPECT_EQ(dialog.DatesList->currentRow(), 0);
    dialog.DeleteButtonClick();
    dialog.DeleteButtonClick();
    EXPECT_EQ(dialog.Lines().Count(), 0);
    EXPECT_EQ(dialog.DatesList->currentRow(), -1);
    EXPECT_FALSE(dialog.DeleteButton->isEnabled());
}

TEST(EditRecurringDates, HolidaysAreAddedOnce)
{
    TDialogRun run;
    TEditRecurringDates dialog({Entry("CHRISTMAS DAY", "@1225")}, QStringLiteral(DW_PROGRAM_DIR));
    run.Answer = [](QDialog &shown) {
        auto &holidays = dynamic_cast<TGetHolidays &>(shown);
        for (int row : {2, 5, 21})
            holidays.Holidays()->item(row)->setSelected(true);
        return int(QDialog::Accepted);
    };
    dialog.HolidaysbuttonClick();
    dialog.HolidaysbuttonClick();
    const QStringList holidays = BuiltInHolidays();
    // Christmas Day is there already, letter case aside.
    EXPECT_EQ(dialog.Lines().Lines(),
              QStringList({Entry("CHRISTMAS DAY", "@1225"), holidays[5], holidays[21]}));
    EXPECT_EQ(dialog.DatesList->count(), 3);
}

TEST(EditRecurringDates, OkWritesTheListAndCancelWritesNothing)
{
    TDialogRun run;
    {
        TEditRecurringDates dialog({Entry("B", "@0202"), Entry("A", "@0101")}, run.Folder());
        dialog.CancelButton->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_FALSE(QFile::exists(RecurringFilePath()));
        dialog.okbutton->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
    QFile file(RecurringFilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(),
              (Entry("A", "@0101") + "\r\n" + Entry("B", "@0202") + "\r\n").toLatin1());
}

// Regression: a list that could not be written must not close the dialog as
// if it had been saved.
TEST(EditRecurringDates, AFailedWriteIsToldAndKeepsTheDialogOpen)
{
    TDialogRun run;
    ASSERT_TRUE(QDir(run.Folder()).mkdir(QStringLiteral("DWRECUR.DAX")));
    TEditRecurringDates dialog({Entry("A", "@0101")}, run.Folder());
    dialog.okbutton->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(run.Messages.size(), 1);
    EXPECT_TRUE(
        run.Messages[0].startsWith(QStringLiteral("The recurring dates could not be saved.")));
}

TEST(EditRecurringDates, ImportsAnICalendarFileAndTellsWhatWasLeftOut)
{
    TDialogRun run;
    const QString ics = run.Path(QStringLiteral("dates.ics"));
    {
        QFile file(ics);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BEGIN:VCALENDAR\r\n"
                   "BEGIN:VEVENT\r\nSUMMARY:Thanksgiving\r\nDTSTART;VALUE=DATE:20241128\r\n"
                   "RRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=4TH\r\nEND:VEVENT\r\n"
                   "BEGIN:VEVENT\r\nSUMMARY:Payday\r\nDTSTART;VALUE=DATE:20240105\r\n"
                   "RRULE:FREQ=MONTHLY\r\nEND:VEVENT\r\n"
                   "BEGIN:VEVENT\r\nSUMMARY:Leap years\r\nDTSTART;VALUE=DATE:20240101\r\n"
                   "RRULE:FREQ=YEARLY;INTERVAL=4\r\nEND:VEVENT\r\n"
                   "END:VCALENDAR\r\n");
    }
    TEditRecurringDates dialog({Entry("Payday", "@0005")}, run.Folder());
    run.FileAnswer = ics;
    dialog.ImportButtonClick();
    EXPECT_EQ(dialog.Lines().Lines(),
              QStringList({Entry("Payday", "@0005"),
                           WithEntryStart(Entry("Thanksgiving", "$3 4 11"), QDate(2024, 11, 28))}));
    ASSERT_EQ(run.Messages.size(), 1);
    EXPECT_TRUE(run.Messages[0].startsWith(QStringLiteral("1 recurring dates were added.")));
    EXPECT_TRUE(
        run.Messages[0].endsWith(QStringLiteral("Leap years: repeats at an interval of 4")));

    run.FileAnswer = run.Path(QStringLiteral("missing.ics"));
    dialog.ImportButtonClick();
    EXPECT_TRUE(run.Messages.last().startsWith(
        QStringLiteral("The recurring dates could not be imported.")));
    run.FileAnswer.clear();
    dialog.ImportButtonClick();
    EXPECT_EQ(run.Messages.size(), 2);
}

TEST(EditRecurringDates, ExportsTheListAsACalendar)
{
    TDialogRun run;
    TEditRecurringDates dialog({Entry("Payday", "@0005"), Entry("Never", "@0230")}, run.Folder());
    run.FileAnswer = run.Path(QStringLiteral("out.ics"));
    dialog.ExportButtonClick();
    QFile file(run.FileAnswer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("BEGIN:VCALENDAR\r\n"));
    EXPECT_EQ(bytes.count("BEGIN:VEVENT"), 1);
    EXPECT_EQ(run.Messages, QStringList({"These entries fall on no day and were left out:\r\n"
                                         "Never (30th of February)"}));
    run.FileAnswer = run.Path(QStringLiteral("no/such/folder/out.ics"));
    dialog.ExportButtonClick();
    EXPECT_TRUE(run.Messages.last().startsWith(
        QStringLiteral("The recurring dates could not be exported.")));
}

// The import and export dialogs opened in the program's working folder.
TEST(EditRecurringDates, FileDialogsOpenInTheFileFolderThenWhereTheLastWasChosen)
{
    TDialogRun run;
    ASSERT_TRUE(QDir(run.Folder()).mkpath(QStringLiteral("Start")));
    const QString start = run.Path(QStringLiteral("Start"));
    TEditRecurringDates dialog({Entry("Payday", "@0005")}, run.Folder());
    dialog.FileFolder() = TFileFolder(start);
    dialog.ImportButtonClick();
    run.FileAnswer = run.Path(QStringLiteral("out.ics"));
    dialog.ExportButtonClick();
    run.FileAnswer.clear();
    dialog.ImportButtonClick();
    EXPECT_EQ(run.FileFolders, (QStringList{start, start, QDir(run.Folder()).absolutePath()}));
    EXPECT_EQ(dialog.FileFolder().Chosen(), QDir(run.Folder()).absolutePath());
}
