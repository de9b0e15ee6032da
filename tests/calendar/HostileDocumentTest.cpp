#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "DecodedPicture.h"
#include "HostileInput.h"
#include "PdfExport.h"
#include "RtfDocument.h"

#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace {

std::optional<ReadError> Load(TCalendarPage &page, const QByteArray &bytes)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return page.LoadFromDevice(in);
}

// The pictures of every cell that were decoded, and those that were not.
std::pair<int, int> DecodedAndKept(const TCalendarPage &page)
{
    int decoded = 0;
    int kept = 0;
    for (int cell = 1; cell <= CellCount; ++cell) {
        const QTextDocument &document = page.CellDocument(cell)->Document();
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (!format.isImageFormat())
                    continue;
                const TWPPicture picture = PictureOf(document, format.toImageFormat());
                decoded += picture.Image.isNull() ? 0 : 1;
                kept += picture.Data.isEmpty() ? 0 : 1;
            }
        }
    }
    return {decoded, kept};
}

} // namespace

// Regression: a 350 KB document of ten run-length bitmaps made the reader
// decode 640 MB of pictures; seventy exhausted memory.
TEST(HostileDocumentTest, PicturesOfADocumentShareOneBudget)
{
    const QByteArray bytes = PictureBombDocument(10);
    ASSERT_LT(bytes.size(), 400 * 1024);
    TCalendarPage page;
    ASSERT_FALSE(Load(page, bytes));
    // Each bomb claims 4096 x 4096 pixels, 64 MB: four fit in the budget.
    const qint64 each = qint64(4096) * 4096 * TPictureBudget::BytesPerPixel;
    const int fit = int(TPictureBudget::DefaultBytes / each);
    EXPECT_EQ(DecodedAndKept(page), std::make_pair(fit, 10));
    EXPECT_EQ(page.RefusedPictures(), 10 - fit);
    EXPECT_TRUE(page.RefusedPicturesMessage().startsWith(QString::number(10 - fit) + " pictures"));
    // Refused pictures are written back as they were read.
    EXPECT_EQ(DocumentBytes(page), bytes);
    // A document of ordinary pictures says nothing.
    TCalendarPage small;
    StartHostilePage(small);
    ASSERT_TRUE(PutCellRtf(small, 9, PictureRtf(PaddedRunLengthBitmap(16, 16))));
    TCalendarPage again;
    ASSERT_FALSE(Load(again, DocumentBytes(small)));
    EXPECT_EQ(again.RefusedPictures(), 0);
    EXPECT_TRUE(again.RefusedPicturesMessage().isEmpty());
}

// Regression: a day the month does not have (31 February) was read as it
// stood, and the page then named and stepped from no valid date.
TEST(HostileDocumentTest, ImpossibleDatesAreReadAsTheMonthsLastDay)
{
    const struct
    {
        int day, month, year, read;
    } cases[] = {
        {31, 2, 2024, 29}, {30, 2, 2023, 28}, {31, 4, 2024, 30},
        {31, 1, 2024, 31}, {0, 2, 2024, 0}, // no day set stays so
    };
    for (const auto &c : cases) {
        TCalendarPage page;
        StartHostilePage(page);
        page.SetMainCalDay(c.day);
        page.SetMainCalYear(c.year);
        page.SetMainCalMonth(c.month);
        TCalendarPage read;
        ASSERT_FALSE(Load(read, DocumentBytes(page)));
        EXPECT_EQ(read.MainCalDay(), c.read) << c.day << "/" << c.month << "/" << c.year;
    }
}

// Regression: a cell of one 240,000-letter word took 9 seconds to draw, one
// of 100,000 tiny runs minutes, and one of a long word before a tall picture
// never finished.
TEST(HostileDocumentTest, PathologicalCellsAreDrawnAsFarAsTheyShow)
{
    const QByteArray cells[] = {LongWordRtf(), TinyRunsRtf(), WordBeforeTallPictureRtf()};
    for (const QByteArray &rtf : cells) {
        TCalendarPage page;
        StartHostilePage(page);
        ASSERT_TRUE(PutCellRtf(page, 10, rtf));
        TCalendarPage read;
        ASSERT_FALSE(Load(read, DocumentBytes(page)));
        const QImage picture = RenderToBitmap(read);
        const QRect cell = read.MainAttributes().CellGeometry[9].rFree.ToQRect();
        int ink = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                ink += qGray(picture.pixel(x, y)) < 128 ? 1 : 0;
        EXPECT_GT(ink, cell.width()) << rtf.left(40).toStdString();
    }
}

// Regression: a title of 8,000 letters took 27 seconds and 900 MB to write as
// PDF, measured again for every letter cut from its end.
TEST(HostileDocumentTest, ALongTitleIsCutToItsBandOnPaper)
{
    QTemporaryDir folder;
    TCalendarPage page;
    StartHostilePage(page);
    page.SetUserTitle(LongTitle());
    const QString pdf = folder.filePath(QStringLiteral("title.pdf"));
    ASSERT_FALSE(SavePageAsPdf(page, pdf, QStringLiteral("hostile")));
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        GTEST_SKIP() << "pdftotext is not available";
    QProcess process;
    process.start(tool, {pdf, QStringLiteral("-")});
    ASSERT_TRUE(process.waitForFinished(60000));
    const QString text = QString::fromUtf8(process.readAllStandardOutput());
    const QString title = text.section(u'\n', 0, 0).trimmed();
    // As much of the title as fits the band, and no more.
    EXPECT_GT(title.size(), 20);
    EXPECT_LT(title.size(), 200);
    EXPECT_TRUE(LongTitle().startsWith(title)) << title.toStdString();
}

// Regression: a title holding a lone UTF-16 surrogate changed bytes at every
// save.
TEST(HostileDocumentTest, ALoneSurrogateInATitleIsWrittenOnceAsTheReplacementCharacter)
{
    TCalendarPage first;
    ASSERT_FALSE(Load(first, LoneSurrogateTitleDocument()));
    EXPECT_EQ(first.UserTitle(), QStringLiteral("Trip \uFFFD"));
    const QByteArray saved = DocumentBytes(first);
    TCalendarPage second;
    ASSERT_FALSE(Load(second, saved));
    EXPECT_EQ(DocumentBytes(second), saved);
}
