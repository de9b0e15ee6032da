#include "CalendarSetDialog.h"

#include "CalendarPage.h"
#include "DialogTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString ProgramDir = QStringLiteral(DW_PROGRAM_DIR);

std::unique_ptr<TCalendarPage> PageOf(TCalendarLayout layout, int day, int month, int year)
{
    auto page = std::make_unique<TCalendarPage>();
    page->ResetStyle(QDate(year, month, 1));
    page->SetCalendarLayout(layout);
    page->SetMainCalDay(day);
    return page;
}

TEST(CalendarSetDialog, OffersTheYearOfPeriodsFromThePagesOwn)
{
    TDialogRun run;
    const struct
    {
        TCalendarLayout layout;
        int pages;
        QDate start;
    } cases[] = {
        {loFullCalendar, 12, QDate(2024, 2, 1)},
        {loWeek, 52, QDate(2024, 2, 29)},
        {lo2Week, 26, QDate(2024, 2, 29)},
        {loDay10, 365, QDate(2024, 2, 29)},
    };
    for (const auto &c : cases) {
        const auto page = PageOf(c.layout, 29, 2, 2024);
        TCalendarSetDialog dialog(*page, ProgramDir, u"Save"_s);
        SCOPED_TRACE(int(c.layout));
        EXPECT_TRUE(dialog.ThisPage->isChecked());
        EXPECT_FALSE(dialog.PageCount->isEnabled());
        EXPECT_EQ(dialog.PageCount->value(), c.pages);
        EXPECT_EQ(dialog.StartDate->date(), c.start);
        EXPECT_EQ(dialog.OkButton->text(), u"&Save..."_s);
        const TSetChoice choice = dialog.Choice();
        EXPECT_TRUE(IsPageAlone(choice));
        EXPECT_FALSE(dialog.ICalendarFile->isEnabled());
    }
}

TEST(CalendarSetDialog, ChoosingTheSetFillsWithHolidaysUnlessAFillWasChosen)
{
    TDialogRun run;
    const auto page = PageOf(loFullCalendar, 1, 12, 1999);
    {
        TCalendarSetDialog dialog(*page, ProgramDir, u"Print"_s);
        dialog.PageSet->click();
        EXPECT_TRUE(dialog.PageCount->isEnabled());
        const TSetChoice choice = dialog.Choice();
        EXPECT_TRUE(choice.WholeSet);
        EXPECT_EQ(choice.Count, 12);
        EXPECT_EQ(choice.Start, QDate(1999, 12, 1));
        EXPECT_EQ(choice.Fill, TFillKind::HolidaySet);
        EXPECT_FALSE(choice.FillName.isEmpty());
        // Back to the page alone: the holidays stay chosen for it.
        dialog.ThisPage->click();
        EXPECT_FALSE(IsPageAlone(dialog.Choice()));
    }
    {
        TCalendarSetDialog dialog(*page, ProgramDir, u"Print"_s);
        const int nothing = dialog.FillFrom->findText(u"Nothing"_s);
        dialog.FillFrom->setCurrentIndex(dialog.FillFrom->findText(u"My recurring dates"_s));
        dialog.FillFrom->activated(dialog.FillFrom->currentIndex());
        dialog.FillFrom->setCurrentIndex(nothing);
        dialog.FillFrom->activated(nothing);
        dialog.PageSet->click();
        EXPECT_EQ(dialog.Choice().Fill, TFillKind::None) << "the user's own choice stays";
    }
}

TEST(CalendarSetDialog, GivesEachFillItsSourceAndShowsAChoiceAgain)
{
    TDialogRun run;
    const auto page = PageOf(loFullCalendar, 1, 12, 1999);
    TCalendarSetDialog dialog(*page, ProgramDir, u"Save"_s);
    TSetChoice earlier;
    earlier.WholeSet = true;
    earlier.Start = QDate(2031, 3, 1);
    earlier.Count = 7;
    earlier.Fill = TFillKind::HolidaySet;
    earlier.FillName = u"Germany"_s;
    dialog.SetChoice(earlier);
    const TSetChoice shown = dialog.Choice();
    EXPECT_TRUE(shown.WholeSet);
    EXPECT_EQ(shown.Start, earlier.Start);
    EXPECT_EQ(shown.Count, 7);
    EXPECT_EQ(shown.Fill, TFillKind::HolidaySet);
    EXPECT_EQ(FillSourceOf(shown), u"holidays:Germany"_s);

    dialog.ChooseFill(TFillKind::ICalendar);
    EXPECT_TRUE(dialog.ICalendarFile->isEnabled());
    run.FileAnswer = run.Path(u"team.ics"_s);
    dialog.BrowseButton->click();
    EXPECT_EQ(dialog.ICalendarFile->text(), run.FileAnswer);
    EXPECT_EQ(FillSourceOf(dialog.Choice()), run.FileAnswer);

    dialog.ChooseFill(TFillKind::RecurringDates);
    EXPECT_EQ(FillSourceOf(dialog.Choice()), RecurringFilePath());
    dialog.ChooseFill(TFillKind::None);
    EXPECT_EQ(FillSourceOf(dialog.Choice()), QString());
}

TEST(CalendarSetDialog, TheCoverIsOfferedForADocumentWithOneAndIsAPageOfTheCount)
{
    TDialogRun run;
    const auto page = PageOf(loFullCalendar, 1, 1, 2027);
    TCalendarSetDialog dialog(*page, ProgramDir, u"Save"_s);
    dialog.PageSet->click();
    EXPECT_FALSE(dialog.CoverPage->isEnabled()) << "no cover designed";
    dialog.SetCoverAvailable(true);
    EXPECT_TRUE(dialog.CoverPage->isEnabled());
    dialog.CoverPage->click();
    EXPECT_EQ(dialog.PageCount->value(), 13) << "the cover and the twelve months";
    EXPECT_TRUE(dialog.Choice().Cover);
    dialog.CoverPage->click();
    EXPECT_EQ(dialog.PageCount->value(), 12);
    dialog.ThisPage->click();
    EXPECT_FALSE(dialog.CoverPage->isEnabled());

    // A choice shown again keeps its count, cover and all.
    TSetChoice kept;
    kept.WholeSet = true;
    kept.Count = 13;
    kept.Cover = true;
    dialog.SetChoice(kept);
    EXPECT_EQ(dialog.PageCount->value(), 13);
    EXPECT_TRUE(dialog.CoverPage->isChecked());
    EXPECT_TRUE(dialog.CoverPage->isEnabled());
}

TEST(CalendarSetDialog, AnICalendarFillWithoutAFileKeepsTheDialogOpen)
{
    TDialogRun run;
    const auto page = PageOf(loFullCalendar, 1, 12, 1999);
    TCalendarSetDialog dialog(*page, ProgramDir, u"Save"_s);
    dialog.ChooseFill(TFillKind::ICalendar);
    dialog.ICalendarFile->setText(u"   "_s);
    dialog.OkButton->click();
    EXPECT_EQ(dialog.result(), int(QDialog::Rejected));
    EXPECT_EQ(run.Messages, QStringList{u"Choose the iCalendar file to fill the days from."_s});
    dialog.ICalendarFile->setText(run.Path(u"team.ics"_s));
    dialog.OkButton->click();
    EXPECT_EQ(dialog.result(), int(QDialog::Accepted));
}

} // namespace
