#include "CalendarSet.h"

#include "CalendarPage.h"
#include "CellAppend.h"
#include "RecurringFormula.h"
#include "RtfDocument.h"
#include "TestObject.h"

#include <QBuffer>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <map>

namespace {

const QString Christmas = QStringLiteral("Christmas Day");
const QString NewYear = QStringLiteral("New Year's Day");

QStringList Holidays()
{
    return {MakeEntry(Christmas, MakeDayOfMonthFormula(25, 12)),
            MakeEntry(NewYear, MakeDayOfMonthFormula(1, 1))};
}

void SetDate(TCalendarPage &page, TCalendarLayout layout, int day, int month, int year)
{
    page.SetCalendarLayout(layout);
    page.SetMainCalDay(std::min(day, 28));
    page.SetMainCalYear(year);
    page.SetMainCalMonth(month);
    page.SetMainCalDay(day);
}

QString CellText(const TCalendarPage &page, int index)
{
    TWPRtfStorage cell;
    page.GetCellText(index, cell);
    return cell.RtfText().Document().toPlainText().trimmed();
}

// The text of every cell that has any, by cell index.
std::map<int, QString> Texts(const TCalendarPage &page)
{
    std::map<int, QString> texts;
    for (int index = 1; index <= CellCount; ++index) {
        if (const QString text = CellText(page, index); !text.isEmpty())
            texts[index] = text;
    }
    return texts;
}

void WriteCell(TCalendarPage &page, int index, const QString &text)
{
    TWPRtfStorage cell;
    AppendLines(cell.RtfText(), {text}, {});
    page.SetCellText(index, cell);
}

QByteArray Bytes(const TCalendarPage &page)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    page.SaveToDevice(buffer);
    return bytes;
}

} // namespace

TEST(CalendarSet, PagesFollowTheLayoutsPeriod)
{
    const struct
    {
        TCalendarLayout layout;
        QDate document;
        int count;
        TSetUnit unit;
        QList<QDate> pages; // the page's date, day included
    } cases[] = {
        // Across the year end; a month grid without a day keeps none.
        {loFullCalendar,
         QDate(2023, 11, 1),
         4,
         TSetUnit::Month,
         {QDate(2023, 11, 1), QDate(2023, 12, 1), QDate(2024, 1, 1), QDate(2024, 2, 1)}},
        // The 31st where the month has it, else its last day, leap day included.
        {loFullCalendar,
         QDate(2024, 1, 31),
         4,
         TSetUnit::Month,
         {QDate(2024, 1, 31), QDate(2024, 2, 29), QDate(2024, 3, 31), QDate(2024, 4, 30)}},
        {loMC12Month,
         QDate(2023, 12, 5),
         2,
         TSetUnit::Month,
         {QDate(2023, 12, 5), QDate(2024, 1, 5)}},
        {loWeek,
         QDate(2023, 12, 28),
         3,
         TSetUnit::Week,
         {QDate(2023, 12, 28), QDate(2024, 1, 4), QDate(2024, 1, 11)}},
        {lo2Week, QDate(2024, 2, 20), 2, TSetUnit::Week, {QDate(2024, 2, 20), QDate(2024, 3, 5)}},
        {loDay10,
         QDate(2024, 2, 28),
         3,
         TSetUnit::Day,
         {QDate(2024, 2, 28), QDate(2024, 2, 29), QDate(2024, 3, 1)}},
        {loDay15, QDate(2023, 12, 31), 2, TSetUnit::Day, {QDate(2023, 12, 31), QDate(2024, 1, 1)}},
        // No page past the last year a page can show.
        {loFullCalendar,
         QDate(9999, 11, 1),
         5,
         TSetUnit::Month,
         {QDate(9999, 11, 1), QDate(9999, 12, 1)}},
        {loDay10, QDate(9999, 12, 31), 3, TSetUnit::Day, {QDate(9999, 12, 31)}},
    };
    for (const auto &c : cases) {
        const std::string name = c.document.toString(Qt::ISODate).toStdString();
        TCalendarPage document;
        const int day = c.document.day() == 1 && c.layout == loFullCalendar ? 0 : c.document.day();
        SetDate(document, c.layout, day, c.document.month(), c.document.year());
        const TCalendarSet set(document, TCalendarSet::PeriodOf(document), c.count, {});
        EXPECT_EQ(set.Unit(), c.unit) << name;
        ASSERT_EQ(set.Count(), c.pages.size()) << name;
        for (int index = 0; index < set.Count(); ++index) {
            const QDate expected = c.pages[index];
            const auto page = set.Page(index);
            EXPECT_EQ(page->MainCalYear(), expected.year()) << name << " page " << index;
            EXPECT_EQ(page->MainCalMonth(), expected.month()) << name << " page " << index;
            EXPECT_EQ(page->MainCalDay(), day == 0 ? 0 : expected.day())
                << name << " page " << index;
            EXPECT_EQ(page->CalendarLayout(), c.layout) << name;
        }
    }
}

TEST(CalendarSet, HolidaysFallOnTheirOwnPagesOnly)
{
    TCalendarPage document;
    SetDate(document, loFullCalendar, 0, 11, 2023);
    const TCalendarSet months(document, TCalendarSet::PeriodOf(document), 4, Holidays());
    const std::map<int, QString> none;
    EXPECT_EQ(Texts(*months.Page(0)), none);
    const auto december = months.Page(1);
    EXPECT_EQ(Texts(*december), (std::map<int, QString>{{december->CellOfDay(25), Christmas}}));
    const auto january = months.Page(2);
    EXPECT_EQ(Texts(*january), (std::map<int, QString>{{january->CellOfDay(1), NewYear}}));
    EXPECT_EQ(Texts(*months.Page(3)), none);

    // A week planner across the year end: one row a day, the 1st the fifth.
    SetDate(document, loWeek, 28, 12, 2023);
    const TCalendarSet weeks(document, TCalendarSet::PeriodOf(document), 2, Holidays());
    EXPECT_EQ(Texts(*weeks.Page(0)), (std::map<int, QString>{{5, NewYear}}));
    EXPECT_EQ(Texts(*weeks.Page(1)), none);
    // Christmas on the seventh row of a two-week page from the 19th.
    SetDate(document, lo2Week, 19, 12, 2023);
    const TCalendarSet twoWeeks(document, TCalendarSet::PeriodOf(document), 1, Holidays());
    EXPECT_EQ(Texts(*twoWeeks.Page(0)), (std::map<int, QString>{{7, Christmas}, {14, NewYear}}));

    // A day planner puts the day's dates in its notes row, after the hours.
    SetDate(document, loDay10, 25, 12, 2023);
    const TCalendarSet days(document, TCalendarSet::PeriodOf(document), 2, Holidays());
    EXPECT_EQ(Texts(*days.Page(0)), (std::map<int, QString>{{11, Christmas}}));
    EXPECT_EQ(Texts(*days.Page(1)), none);

    // Mini pages have no day cells to fill.
    SetDate(document, loMC12Month, 1, 12, 2023);
    const TCalendarSet minis(document, TCalendarSet::PeriodOf(document), 2, Holidays());
    EXPECT_EQ(Texts(*minis.Page(0)), none);
}

TEST(CalendarSet, TheUsersCellsStayOnTheDocumentsOwnPeriod)
{
    TCalendarPage document;
    SetDate(document, loFullCalendar, 0, 12, 2023);
    WriteCell(document, document.CellOfDay(31), QStringLiteral("Party"));
    WriteCell(document, document.CellOfDay(25), QStringLiteral("Dinner"));
    const TCalendarSet set(document, QDate(2023, 11, 1), 3, Holidays());
    const std::map<int, QString> none;
    EXPECT_EQ(Texts(*set.Page(0)), none);
    const auto december = set.Page(1);
    EXPECT_EQ(Texts(*december),
              (std::map<int, QString>{
                  {december->CellOfDay(25), QStringLiteral("Dinner\n\nChristmas Day")},
                  {december->CellOfDay(31), QStringLiteral("Party")}}));
    const auto january = set.Page(2);
    EXPECT_EQ(Texts(*january), (std::map<int, QString>{{january->CellOfDay(1), NewYear}}));

    // One page moved on and back again: nothing of one period stays on another.
    const auto sheet = set.Page(1);
    set.MovePage(*sheet, 2);
    EXPECT_EQ(Texts(*sheet), Texts(*january));
    set.MovePage(*sheet, 1);
    EXPECT_EQ(Texts(*sheet), Texts(*december));

    // A week planner keeps its rows only on a page of the same first day.
    SetDate(document, loWeek, 4, 12, 2023);
    document.ClearCells();
    WriteCell(document, 2, QStringLiteral("Dentist"));
    const TCalendarSet weeks(document, QDate(2023, 11, 27), 3, {});
    EXPECT_EQ(Texts(*weeks.Page(0)), none);
    EXPECT_EQ(Texts(*weeks.Page(1)), (std::map<int, QString>{{2, QStringLiteral("Dentist")}}));
    EXPECT_EQ(Texts(*weeks.Page(2)), none);
}

TEST(CalendarSet, TheDocumentIsNeverChanged)
{
    TCalendarPage document;
    SetDate(document, loFullCalendar, 14, 12, 2023);
    document.SetUserTitle(QStringLiteral("Our year"));
    WriteCell(document, document.CellOfDay(14), QStringLiteral("Party"));
    const QByteArray before = Bytes(document);
    const TCalendarSet set(document, QDate(2023, 1, 1), 12, Holidays());
    for (int index = 0; index < set.Count(); ++index) {
        const auto page = set.Page(index);
        // Every page has the document's design.
        EXPECT_EQ(page->UserTitle(), QStringLiteral("Our year"));
        EXPECT_EQ(page->PaperSize(), document.PaperSize());
    }
    EXPECT_EQ(Bytes(document), before);
    EXPECT_EQ(document.MainCalMonth(), 12);
    EXPECT_EQ(CellText(document, document.CellOfDay(25)), QString());
    // The page the set starts from is a copy: later edits do not reach it.
    WriteCell(document, document.CellOfDay(1), QStringLiteral("Later"));
    EXPECT_EQ(CellText(*set.Page(11), set.Page(11)->CellOfDay(1)), QString());
}

TEST(CalendarSet, PlacedObjectsAreOnEveryPageAtTheZoom)
{
    RegisterTestObjectClass();
    TCalendarPage document;
    SetDate(document, loFullCalendar, 0, 1, 2024);
    document.Objects().Insert(MakeTestObject(100, 100, 96, 96, clBlue));
    document.SetScale(0.5f);
    const TRect bounds = document.Objects().At(0)->BoundsRect();
    const TCalendarSet set(document, TCalendarSet::PeriodOf(document), 3, {});
    for (int index = 0; index < set.Count(); ++index) {
        const auto page = set.Page(index);
        EXPECT_EQ(page->Scale(), 0.5f);
        ASSERT_EQ(page->Objects().Count(), 1) << index;
        EXPECT_EQ(page->Objects().At(0)->BoundsRect(), bounds) << index;
        EXPECT_EQ(page->Width(), document.Width());
    }
}
