#include "CalendarSet.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CellAppend.h"
#include "LumImage.h"
#include "RecurringFormula.h"
#include "RtfDocument.h"
#include "TestObject.h"

#include <QBuffer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <gtest/gtest.h>

#include <map>
#include <mutex>
#include <thread>
#include <vector>

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

TEST(CalendarSet, PlacedObjectsAreOnEveryPageAtFullSizeAndDrawnAtAnyZoom)
{
    RegisterTestObjectClass();
    TCalendarPage document;
    SetDate(document, loFullCalendar, 0, 1, 2024);
    document.Objects().Insert(MakeTestObject(100, 100, 96, 96, clBlue));
    TRecordingView view(document);
    view.SetZoom(0.5f);
    const TCalendarSet set(document, TCalendarSet::PeriodOf(document), 3, {});
    for (int index = 0; index < set.Count(); ++index) {
        // A page has no view: the document's stays with the document.
        const auto page = set.Page(index);
        EXPECT_EQ(page->Zoom(), 1.0f);
        ASSERT_EQ(page->Objects().Count(), 1) << index;
        EXPECT_EQ(page->Objects().At(0)->BoundsRect(), (TRect{100, 100, 196, 196})) << index;
        EXPECT_EQ(page->Objects().At(0)->FrameAt(0.5f).Bounds, document.Objects().At(0)->Bounds())
            << index;
        const QImage half = PageBitmapAt(*page, 0.5f);
        EXPECT_EQ(half.size(), QSize(document.Width(), document.Height()));
        EXPECT_EQ(half.pixel(50, 50), qRgb(0, 0, 255)) << index;
        EXPECT_EQ(half.pixel(97, 97), qRgb(0, 0, 255)) << index;
    }
    EXPECT_EQ(document.Zoom(), 0.5f);
}

namespace {

// The picture in a cell, as its document holds it.
QImage CellPicture(const TCalendarPage &page, int index)
{
    const QTextDocument &document = page.CellDocument(index)->Document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                return document
                    .resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()))
                    .value<QImage>();
        }
    }
    return {};
}

void PutPicture(TCalendarPage &page, int index, const QImage &picture)
{
    TWPRtfStorage cell;
    QTextCursor cursor(&cell.RtfText().Document());
    InsertPicture(cursor, TWPPicture::FromImage(picture));
    page.SetCellText(index, cell);
}

// Qt's warnings about objects used on the wrong thread, while it lives.
class TThreadWarnings
{
public:
    TThreadWarnings() { m_previous = qInstallMessageHandler(&Take); }
    ~TThreadWarnings() { qInstallMessageHandler(m_previous); }
    TThreadWarnings(const TThreadWarnings &) = delete;
    TThreadWarnings &operator=(const TThreadWarnings &) = delete;

    static QStringList Said()
    {
        const std::lock_guard lock(s_mutex);
        return s_said;
    }

private:
    static void Take(QtMsgType, const QMessageLogContext &, const QString &message)
    {
        const std::lock_guard lock(s_mutex);
        if (message.contains(QStringLiteral("thread")))
            s_said.append(message);
    }

    QtMessageHandler m_previous = nullptr;
    static inline std::mutex s_mutex;
    static inline QStringList s_said;
};

} // namespace

// Regression: a set read the document again for every page, so every
// picture of its cells and picture objects was decoded again, page after
// page, each time taking the document's whole budget for pictures.
TEST(CalendarSet, ThePicturesOfTheDocumentsCellsAreDecodedOnce)
{
    TCalendarPage document;
    SetDate(document, loFullCalendar, 0, 12, 2023);
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const int cell = document.CellOfDay(24);
    PutPicture(document, cell, picture);
    const qint64 decoded = CellPicture(document, cell).cacheKey();
    ASSERT_NE(decoded, 0);
    // A picture object's picture too.
    RegisterImageClasses();
    auto image = std::make_unique<TLumImage>();
    image->SetPicture(TLumPicture::FromBitmap(picture));
    image->FinishLoad();
    document.Objects().Insert(std::move(image));
    const TCalendarSet set(document, QDate(2023, 11, 1), 3, Holidays());
    const auto december = set.Page(1);
    EXPECT_EQ(CellPicture(*december, cell).cacheKey(), decoded);
    for (int index = 0; index < set.Count(); ++index) {
        const auto page = set.Page(index);
        ASSERT_EQ(page->Objects().Count(), 1);
        const auto *copy = dynamic_cast<const TLumImage *>(page->Objects().At(0));
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->Picture().Image().cacheKey(), picture.cacheKey()) << index;
    }
    EXPECT_TRUE(CellPicture(*set.Page(0), cell).isNull());
    const auto sheet = set.Page(0);
    set.MovePage(*sheet, 1);
    EXPECT_EQ(CellPicture(*sheet, cell).cacheKey(), decoded);
}

// Regression: pages drawn on worker threads copied the text documents of the
// set's own page, which belong to the thread that made the set, and Qt said
// "Cannot create children for a parent that is in a different thread".
TEST(CalendarSet, PagesMadeAndDrawnOnOtherThreadsTouchNothingOfAnother)
{
    RegisterTestObjectClass();
    TCalendarPage document;
    SetDate(document, loFullCalendar, 0, 1, 2024);
    for (int index = 8; index < 30; ++index)
        WriteCell(document, index, QStringLiteral("Cell %1").arg(index));
    QImage picture(20, 20, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    PutPicture(document, 31, picture);
    document.Objects().Insert(MakeTestObject(100, 100, 96, 96, clBlue));
    const TCalendarSet set(document, TCalendarSet::PeriodOf(document), 8, Holidays());
    const TThreadWarnings warnings;
    std::vector<std::thread> workers;
    std::vector<QImage> drawn(size_t(set.Count()));
    for (int worker = 0; worker < 4; ++worker) {
        workers.emplace_back([&set, &drawn, worker] {
            for (int index = worker; index < set.Count(); index += 4) {
                const auto page = set.Page(index);
                drawn[size_t(index)] = RenderToBitmap(*page);
            }
        });
    }
    for (std::thread &worker : workers)
        worker.join();
    EXPECT_EQ(TThreadWarnings::Said(), QStringList());
    // The document's own page, drawn here, is the one drawn there.
    EXPECT_EQ(drawn[0], RenderToBitmap(*set.Page(0)));
}

// Regression: a set filled a cell with every line of its day, however many.
TEST(CalendarSet, ACellTakesAtMostItsShareOfFilledLines)
{
    TCalendarPage document;
    SetDate(document, loFullCalendar, 0, 12, 2023);
    QStringList lines;
    for (int i = 0; i < MaxFilledLines + 10; ++i)
        lines.append(MakeEntry(QStringLiteral("Line %1").arg(i), QStringLiteral("%1234567")));
    const TCalendarSet set(document, TCalendarSet::PeriodOf(document), 2, lines);
    const auto january = set.Page(1);
    const QStringList paragraphs = CellText(*january, january->CellOfDay(9)).split(u'\n');
    EXPECT_EQ(paragraphs.size(), 2 * MaxFilledLines + 1); // an empty line between two
    EXPECT_EQ(paragraphs.last(), QStringLiteral("+ 10 more"));
}
