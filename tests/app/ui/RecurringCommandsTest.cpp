#include "BuiltInHolidays.h"
#include "CharAttributes.h"
#include "EditRecurringDates.h"
#include "FloatingPalette.h"
#include "MainWindowTestSupport.h"
#include "ModalDialog.h"
#include "RecurringFile.h"
#include "RecurringFormula.h"
#include "RecurringRows.h"
#include "SelectRecurringDates.h"

#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString Entry(const QString &name, const QString &formula)
{
    return MakeEntry(name, formula);
}

QString Holiday(const QString &name)
{
    for (const QString &line : BuiltInHolidays()) {
        if (EntryName(line) == name)
            return line;
    }
    return {};
}

class RecurringCommandsTest : public testing::Test
{
protected:
    void WriteDates(const QStringList &lines)
    {
        ASSERT_FALSE(WriteRecurringFile(run.Path(u"DWRECUR.DAX"_s), lines));
    }

    // Answers the selection dialog: activated as when shown, the rows of
    // unchosen left out, then the button named.
    void AnswerSelection(const QList<int> &unchosen = {}, const char *button = "okbutton")
    {
        SetModalAnswerer([this, unchosen, button](QDialog &dialog) {
            auto &select = dynamic_cast<TSelectRecurringDates &>(dialog);
            ++shown;
            paletteVisible = run.Window->Parts().IconPalette->isVisible();
            select.FormActivate();
            offered = select.Dates()->count();
            for (int row : unchosen)
                select.Dates()->item(row)->setSelected(false);
            select.findChild<QPushButton *>(QString::fromLatin1(button))->click();
            return select.result();
        });
    }

    QString Cell(int day) const
    {
        return CellText(*run.Window->Parts().CalendarPage, CellOfDay(day));
    }
    int CellOfDay(int day) const { return run.Window->Parts().CalendarPage->CellOfDay(day); }

    TMainWindowRun run;
    int shown = 0;
    int offered = 0;
    bool paletteVisible = false;
};

} // namespace

TEST_F(RecurringCommandsTest, TheOlderFileIsConvertedAtStartUp)
{
    QFile legacy(run.Path(u"DWRECUR.DAT"_s));
    ASSERT_TRUE(legacy.open(QIODevice::WriteOnly));
    legacy.write("1225Christmas party\r\n");
    legacy.close();
    run.Start();
    EXPECT_FALSE(QFile::exists(run.Path(u"DWRECUR.DAT"_s)));
    const TRecurringRead read = ReadRecurringFile(run.Path(u"DWRECUR.DAX"_s));
    ASSERT_EQ(read.Lines.size(), 1);
    EXPECT_EQ(EntryName(read.Lines[0]), u"Christmas party"_s);
    EXPECT_EQ(read.Lines[0].mid(120), u"@1225      "_s);
    EXPECT_TRUE(run.Messages.isEmpty());
}

TEST_F(RecurringCommandsTest, EditRecurringDatesStepsThePaletteAside)
{
    TCalendarMain &window = run.StartActive();
    window.Parts().IconPalette->show();
    window.Preferences.IconToolVisible = true;
    WriteDates({Holiday(u"Halloween"_s)});
    QStringList listed;
    SetModalAnswerer([&](QDialog &dialog) {
        auto &edit = dynamic_cast<TEditRecurringDates &>(dialog);
        listed = edit.Lines().Lines();
        paletteVisible = window.Parts().IconPalette->isVisible();
        edit.DeleteButtonClick();
        edit.okbuttonClick();
        return edit.result();
    });
    window.mnuEditrecurringDatesClick();
    EXPECT_EQ(listed, QStringList{Holiday(u"Halloween"_s)});
    EXPECT_FALSE(paletteVisible);
    EXPECT_TRUE(window.Parts().IconPalette->isVisible());
    EXPECT_TRUE(ReadRecurringFile(run.Path(u"DWRECUR.DAX"_s)).Lines.isEmpty());
}

// Regression: a recurring-dates file that exists but cannot be read must not
// open as an empty list that "Ok" would write over it.
TEST_F(RecurringCommandsTest, AnUnreadableFileIsToldOfAndNotReplaced)
{
    TCalendarMain &window = run.StartActive();
    ASSERT_TRUE(QDir(run.Path(QString())).mkdir(u"DWRECUR.DAX"_s));
    SetModalAnswerer([this](QDialog &) {
        ++shown;
        return int(QDialog::Accepted);
    });
    window.mnuEditrecurringDatesClick();
    window.mnuFillCalendarwithRecurringDatesClick();
    EXPECT_EQ(shown, 0);
    ASSERT_EQ(run.Messages.size(), 2);
    EXPECT_TRUE(run.Messages[0].startsWith(u"The recurring dates could not be read."_s));
}

TEST_F(RecurringCommandsTest, WithoutAFileTheFillDoesNothing)
{
    TCalendarMain &window = run.StartActive();
    window.Parts().IconPalette->hide();
    window.Preferences.IconToolVisible = true;
    AnswerSelection();
    window.mnuFillCalendarwithRecurringDatesClick();
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(run.Messages.isEmpty());
    EXPECT_FALSE(window.Parts().IconPalette->isVisible());
    EXPECT_FALSE(window.Session().Modified());
}

TEST_F(RecurringCommandsTest, NothingForTheMonthIsTold)
{
    TCalendarMain &window = run.StartActive();
    AnswerSelection();
    for (const QStringList &lines : {QStringList(), QStringList{Holiday(u"Halloween"_s)}}) {
        WriteDates(lines);
        window.mnuFillCalendarwithRecurringDatesClick();
    }
    EXPECT_EQ(shown, 0);
    EXPECT_EQ(run.Messages, QStringList({"No predefined dates match the current month",
                                         "No predefined dates match the current month"}));
}

TEST_F(RecurringCommandsTest, FillsTheDaysOfTheMonthShown)
{
    TCalendarMain &window = run.StartActive();
    window.Parts().IconPalette->show();
    window.Preferences.IconToolVisible = true;
    // December 1999.
    WriteDates({Holiday(u"Christmas Day"_s), Entry(u"Payday"_s, u"@0005"_s),
                Entry(u"Last day"_s, u"$5 7 0"_s), Entry(u"Broken"_s, u"@1200"_s),
                Holiday(u"Easter"_s), Entry(u"Weekend"_s, u"%17"_s), QString(),
                Entry(u"Christmas Eve"_s, u"@1224"_s), Entry(u"Garbled"_s, u"$a b \x01"_s)});
    AnswerSelection({4, 6});
    window.mnuFillCalendarwithRecurringDatesClick();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(paletteVisible);
    EXPECT_TRUE(window.Parts().IconPalette->isVisible());
    // Easter is not offered in December; the rest are, the blank line and the
    // garbled one too.
    EXPECT_EQ(offered, 8);
    EXPECT_EQ(Cell(25), u"Christmas Day\n"_s);
    EXPECT_EQ(Cell(5), u"Payday\n"_s);
    EXPECT_EQ(Cell(31), u"Last day\n"_s);
    EXPECT_EQ(Cell(24), u""_s);
    EXPECT_EQ(Cell(4), u""_s);
    // Regression: day 0 of "@1200" reached no blank cell.
    for (int index = 1; index <= 42; ++index) {
        if (window.Parts().CalendarPage->CellDay(index) == 0) {
            EXPECT_EQ(CellText(*window.Parts().CalendarPage, index), QString()) << index;
        }
    }
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Button(u"Savebutton"_s)->isVisible());
    EXPECT_TRUE(run.Messages.isEmpty());
}

TEST_F(RecurringCommandsTest, NamesArriveAsParagraphsAfterWhatACellHolds)
{
    TCalendarMain &window = run.StartActive();
    TWPRtfStorage cell;
    QTextCursor(&cell.RtfText().Document()).insertText(u"Dentist"_s);
    window.Parts().CalendarPage->SetCellText(CellOfDay(25), cell);
    WriteDates({Holiday(u"Christmas Day"_s), Entry(u"Party"_s, u"@1225"_s),
                Entry(u"Weekend"_s, u"%17"_s)});
    AnswerSelection();
    window.mnuFillCalendarwithRecurringDatesClick();
    EXPECT_EQ(Cell(25),
              u"Dentist\nChristmas Day\n\nParty\n\n"_s + PadToWidth(u"Weekend"_s, 120) + u"\n"_s);
    // An empty cell takes the default editor font.
    TWPRtfStorage payday;
    window.Parts().CalendarPage->GetCellText(CellOfDay(26), payday);
    QTextCursor at(payday.RtfText().Document().begin());
    at.movePosition(QTextCursor::NextCharacter);
    const TWPCharAttr attr = CharAttrOf(payday.RtfText(), at.charFormat());
    EXPECT_EQ(payday.RtfText().Fonts().value(attr.Font).Name,
              window.Preferences.DefaultFontName.left(31));
    EXPECT_EQ(attr.Size, window.Preferences.DefaultFontSize);
}

TEST_F(RecurringCommandsTest, CancellingChangesNothing)
{
    TCalendarMain &window = run.StartActive();
    window.Parts().IconPalette->show();
    window.Preferences.IconToolVisible = true;
    WriteDates({Holiday(u"Christmas Day"_s)});
    AnswerSelection({}, "CancelButton");
    window.mnuFillCalendarwithRecurringDatesClick();
    EXPECT_EQ(shown, 1);
    EXPECT_FALSE(window.Parts().CalendarPage->HasCellContent());
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_TRUE(window.Parts().IconPalette->isVisible());
}

TEST_F(RecurringCommandsTest, TheCellBeingEditedIsStoredAndTheLastClickedOpenedAgain)
{
    TCalendarMain &window = run.StartActive();
    window.Parts().CalendarPage->RaiseCellEvent(CellOfDay(25));
    ASSERT_TRUE(window.Session().CellEditing());
    TypeText(u"Gifts"_s);
    WriteDates({Holiday(u"Christmas Day"_s)});
    AnswerSelection();
    window.mnuFillCalendarwithRecurringDatesClick();
    // The typed text is kept before the name, and the editor shows the cell
    // again with both.
    EXPECT_EQ(Cell(25), u"Gifts\nChristmas Day\n"_s);
    EXPECT_TRUE(window.Session().CellEditing());
    EXPECT_EQ(window.Session().CurrentCell(), CellOfDay(25));
    EXPECT_EQ(window.Parts().WPRichText1->RtfText().Document().toPlainText(),
              u"Gifts\nChristmas Day\n"_s);
}

// The page's month filled from a calendar file as it is: a one-off event on
// its day, a monthly meeting with its time on each of its days.
TEST_F(RecurringCommandsTest, FillsTheMonthFromAnICalendarFile)
{
    TCalendarMain &window = run.StartActive();
    window.Parts().CalendarPage->SetMainCalYear(2026);
    window.Parts().CalendarPage->SetMainCalMonth(12);
    const QString ics = run.Path(u"mine.ics"_s);
    {
        QFile file(ics);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n"
                   "BEGIN:VEVENT\r\nUID:a\r\nSUMMARY:Party\r\nDTSTART;VALUE=DATE:20261222\r\n"
                   "END:VEVENT\r\nBEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Club meeting\r\n"
                   "DTSTART:20261203T180000\r\nRRULE:FREQ=MONTHLY;BYDAY=1TH\r\nEND:VEVENT\r\n"
                   "END:VCALENDAR\r\n");
    }
    QString answer = ics;
    SetFileNameAnswerer([&answer](QFileDialog &) { return answer; });
    window.mnuFillCalendarFromICalendarClick();
    EXPECT_TRUE(run.Messages.isEmpty());
    EXPECT_TRUE(window.Session().Modified());
    const auto text = [&window](int day) {
        return window.Parts()
            .CalendarPage->CellDocument(window.Parts().CalendarPage->CellOfDay(day))
            ->Document()
            .toPlainText()
            .trimmed();
    };
    EXPECT_EQ(text(3), u"6:00 PM Club meeting"_s);
    EXPECT_EQ(text(22), u"Party"_s);
    EXPECT_TRUE(text(4).isEmpty());

    // A month without its events, and a file that is no calendar, are told.
    window.Parts().CalendarPage->SetMainCalMonth(11);
    window.mnuFillCalendarFromICalendarClick();
    answer = run.Path(u"DWRECUR.DAX"_s);
    WriteDates({Entry(u"Payday"_s, u"@0005"_s)});
    window.mnuFillCalendarFromICalendarClick();
    SetFileNameAnswerer({});
    ASSERT_EQ(run.Messages.size(), 2);
    EXPECT_EQ(run.Messages[0], u"No events of the calendar fall in the current month"_s);
    EXPECT_TRUE(run.Messages[1].startsWith(u"The calendar could not be read."_s));
}
