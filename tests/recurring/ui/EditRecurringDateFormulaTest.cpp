#include "EditRecurringDateFormula.h"

#include "DialogTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

// The day boxes' states, Sunday first.
QString DayStates(const TEditRecurringDateFormula &dialog)
{
    QString states;
    for (QCheckBox *day : {dialog.Sunday, dialog.Monday, dialog.Tuesday, dialog.Wednesday,
                           dialog.Thursday, dialog.Friday, dialog.Saturday})
        states += day->isChecked() ? u'x' : u'.';
    return states;
}

} // namespace

TEST(EditRecurringDateFormula, StartsOnTheFirstDayOfEachMonth)
{
    TEditRecurringDateFormula dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Recurring Date - Formulas"));
    EXPECT_EQ(dialog.Formula(), QStringLiteral("@"));
    EXPECT_TRUE(dialog.rbDayOfMonth->isChecked());
    EXPECT_TRUE(dialog.rbDayOfMonth->font().bold());
    EXPECT_FALSE(dialog.rbSpecial->font().bold());
    EXPECT_EQ(dialog.DayOfMonthDay->value(), 1);
    EXPECT_EQ(dialog.DayOfMonthDay->minimum(), 1);
    EXPECT_EQ(dialog.DayOfMonthDay->maximum(), 31);
    EXPECT_EQ(dialog.DayOfMonthMonth->currentText(), QStringLiteral("Each Month"));
    EXPECT_EQ(dialog.DayOfMonthMonth->count(), 13);
    EXPECT_EQ(dialog.DayOfMonthMonth->itemText(12), QStringLiteral("December"));
    EXPECT_EQ(DayStates(dialog), QStringLiteral(".xxxxx."));
    EXPECT_FALSE(dialog.Monday->isEnabled());
    EXPECT_FALSE(dialog.AllDaysCheck->isEnabled());
    EXPECT_FALSE(dialog.SpecialMonth->isEnabled());
    EXPECT_TRUE(dialog.DayOfMonthMonth->isEnabled());
    EXPECT_EQ(dialog.SpecialOccurrance->itemText(5), QStringLiteral("Last"));
    EXPECT_EQ(dialog.SpecialDayOfWeek->itemText(0), QStringLiteral("Sunday"));
    EXPECT_EQ(dialog.SpecialDayOfWeek->itemText(7), QStringLiteral("Day (any day)"));
    EXPECT_EQ(dialog.Tuesday->text(), QStringLiteral("Tues"));
    EXPECT_EQ(
        dialog.rbSpecial->toolTip(),
        QStringLiteral("Check here to choose a 'nth Day of Month' \nstyle Repeating Reminder"));
    EXPECT_EQ(dialog.SpecialOccurrance->toolTip(),
              QStringLiteral("Select the occurrance: First, 2nd, 3rd, 4th, 5th\nor Last"));
    EXPECT_EQ(dialog.Sunday->toolTip(),
              QStringLiteral("Check to use this reminder on this day of \neach week"));
}

TEST(EditRecurringDateFormula, ChoosingAKindEnablesItsControlsAndBoldsItsCaption)
{
    TEditRecurringDateFormula dialog;
    dialog.rbSpecial->click();
    EXPECT_TRUE(dialog.rbSpecial->font().bold());
    EXPECT_FALSE(dialog.rbDayOfMonth->font().bold());
    EXPECT_TRUE(dialog.SpecialDayOfWeek->isEnabled());
    EXPECT_FALSE(dialog.DayOfMonthDay->isEnabled());
    dialog.rbDayOfweek->click();
    EXPECT_TRUE(dialog.Saturday->isEnabled());
    EXPECT_TRUE(dialog.AllDaysCheck->isEnabled());
    EXPECT_FALSE(dialog.SpecialDayOfWeek->isEnabled());
    dialog.AllDaysCheck->click();
    EXPECT_EQ(DayStates(dialog), QStringLiteral("xxxxxxx"));
    dialog.AllDaysCheck->click();
    EXPECT_EQ(DayStates(dialog), QStringLiteral("......."));
}

TEST(EditRecurringDateFormula, LoadsEachKindOfFormula)
{
    TEditRecurringDateFormula dialog;
    dialog.SetFormula(QStringLiteral("$1 0 5    "));
    dialog.FormActivate();
    EXPECT_TRUE(dialog.rbSpecial->isChecked());
    EXPECT_EQ(dialog.SpecialOccurrance->currentIndex(), 1);
    EXPECT_EQ(dialog.SpecialDayOfWeek->currentIndex(), 0);
    EXPECT_EQ(dialog.SpecialMonth->currentIndex(), 5);
    EXPECT_TRUE(dialog.SpecialMonth->isEnabled());

    dialog.SetFormula(QStringLiteral("@1224     "));
    dialog.FormActivate();
    EXPECT_TRUE(dialog.rbDayOfMonth->isChecked());
    EXPECT_EQ(dialog.DayOfMonthDay->value(), 24);
    EXPECT_EQ(dialog.DayOfMonthMonth->currentIndex(), 12);

    dialog.SetFormula(QStringLiteral("%17       "));
    dialog.FormActivate();
    EXPECT_TRUE(dialog.rbDayOfweek->isChecked());
    EXPECT_EQ(DayStates(dialog), QStringLiteral("x.....x"));

    // Unreadable: the controls stay as they were.
    dialog.SetFormula(QStringLiteral("@x"));
    dialog.FormActivate();
    EXPECT_TRUE(dialog.rbDayOfweek->isChecked());
    EXPECT_EQ(DayStates(dialog), QStringLiteral("x.....x"));

    dialog.SetFormula(QString());
    dialog.FormActivate();
    EXPECT_TRUE(dialog.rbDayOfweek->isChecked());
    EXPECT_EQ(DayStates(dialog), QStringLiteral("......."));
}

TEST(EditRecurringDateFormula, BuildsTheFormulaOfTheChosenKind)
{
    TEditRecurringDateFormula dialog;
    dialog.SetEventName(QStringLiteral("Payday"));
    dialog.DayOfMonthDay->setValue(5);
    dialog.DayOfMonthMonth->setCurrentIndex(0);
    dialog.Okbutton->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Formula(), QStringLiteral("@0005"));
    EXPECT_EQ(dialog.EventName(), QStringLiteral("Payday"));

    dialog.rbSpecial->click();
    dialog.SpecialOccurrance->setCurrentIndex(5);
    dialog.SpecialDayOfWeek->setCurrentIndex(7);
    dialog.SpecialMonth->setCurrentIndex(0);
    ASSERT_TRUE(dialog.DetermineFormulaString());
    EXPECT_EQ(dialog.Formula(), QStringLiteral("$5 7 0 "));

    dialog.SpecialOccurrance->setCurrentIndex(1);
    dialog.SpecialDayOfWeek->setCurrentIndex(0);
    dialog.SpecialMonth->setCurrentIndex(5);
    ASSERT_TRUE(dialog.DetermineFormulaString());
    EXPECT_EQ(dialog.Formula(), QStringLiteral("$1 0 5 "));

    dialog.rbDayOfweek->click();
    ASSERT_TRUE(dialog.DetermineFormulaString());
    EXPECT_EQ(dialog.Formula(), QStringLiteral("%23456"));
}

TEST(EditRecurringDateFormula, RefusesWhatMakesNoFormula)
{
    TDialogRun run;
    TEditRecurringDateFormula dialog;
    dialog.rbDayOfweek->click();
    for (QCheckBox *day :
         {dialog.Monday, dialog.Tuesday, dialog.Wednesday, dialog.Thursday, dialog.Friday})
        day->setChecked(false);
    dialog.Okbutton->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    dialog.rbSpecial->click();
    dialog.SpecialMonth->setCurrentIndex(-1);
    EXPECT_FALSE(dialog.DetermineFormulaString());
    dialog.rbDayOfMonth->click();
    dialog.DayOfMonthMonth->setCurrentIndex(-1);
    EXPECT_FALSE(dialog.DetermineFormulaString());
    EXPECT_EQ(
        run.Messages,
        QStringList({"You must select at least one day for this \rreminder to occur on",
                     "Invalid value entered for Special category", "Invalid month entered "}));
    EXPECT_EQ(dialog.Formula(), QStringLiteral("@"));
}

TEST(EditRecurringDateFormula, ADayTheMonthLacksIsAccepted)
{
    TEditRecurringDateFormula dialog;
    dialog.DayOfMonthDay->setValue(30);
    dialog.DayOfMonthMonth->setCurrentIndex(2);
    ASSERT_TRUE(dialog.DetermineFormulaString());
    EXPECT_EQ(dialog.Formula(), QStringLiteral("@0230"));
}
