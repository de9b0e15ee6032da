#include "CalendarPanel32.h"
#include "CalendarProperties.h"
#include "ProgramFolder.h"
#include "StoredPageValues.h"
#include "WmfWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTextCursor>

#include <gtest/gtest.h>

namespace {

// The 2 x 2 blocks of device pixels, each one pixel of the page, whose
// pixels differ: detail finer than the page's pixels. A page drawn at one
// device pixel a pixel and stretched has none.
int FineBlocks(const QImage &image, const QRect &area)
{
    int fine = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb first = image.pixel(x, y);
            fine += image.pixel(x + 1, y) != first || image.pixel(x, y + 1) != first ||
                            image.pixel(x + 1, y + 1) != first
                        ? 1
                        : 0;
        }
    }
    return fine;
}

// A border of one ellipse filling its frame.
QByteArray RoundBorder(const QSize &frame)
{
    TWmfWriter writer(QRect(QPoint(0, 0), frame), 100);
    writer.SetWindow(QRect(QPoint(0, 0), frame));
    writer.SelectObject(writer.CreatePen(Qt::black, 3));
    writer.SelectObject(writer.CreateSolidBrush(Qt::white));
    writer.Ellipse(QRect(QPoint(0, 0), frame));
    return writer.Placeable();
}

class PagePixelRatio : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("Borders")));
        QFile file(folder.filePath(QStringLiteral("Borders/Round.wls")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(RoundBorder({1000, 750}));
        file.close();
        SetProgramFolder(folder.path());
    }
    void TearDown() override { SetProgramFolder(QString()); }

    QTemporaryDir folder;
};

// At 200 % screen scale the border picture was drawn at the page's pixels
// and stretched, jagged.
TEST_F(PagePixelRatio, TheBorderPictureIsDrawnAtTheScreensResolution)
{
    TCalendarPanel32 page;
    ApplyMainPageValues(page.Page());
    page.Page().SetCalendarLayout(LOFullCalendarLS);
    page.Page().SetWMFBorderFile(QStringLiteral("Round"));
    ASSERT_NE(page.Page().BorderMetafile(), nullptr);
    page.SetZoom(0.601f);
    ASSERT_EQ(page.devicePixelRatioF(), 2.0);
    const QImage shown = page.grab().toImage();
    ASSERT_EQ(shown.size(), page.size() * 2);
    // The ellipse's left end, in the margin beside the grid.
    const TRect border = page.Page().BorderRect();
    const int middle = int((border.Top + border.Bottom) / 2 * 0.601);
    const QRect around(0, (middle - 60) * 2, int(page.Page().MainRect().Left * 0.601) * 2 - 4, 240);
    EXPECT_GT(FineBlocks(shown, around), 10);
}

// Cell texts and mini calendars, kept as pictures between paints, are kept at
// the screen's resolution too.
TEST_F(PagePixelRatio, CellTextsAndMinisAreDrawnAtTheScreensResolution)
{
    TCalendarPanel32 page;
    ApplyMainPageValues(page.Page());
    page.SetZoom(0.601f);
    page.grab();
    const int index = page.Page().CellOfDay(15);
    TWPRtfStorage cell;
    QTextCursor(&cell.RtfText().Document()).insertText(QStringLiteral("Dentist at ten"));
    page.Page().SetCellText(index, cell);
    const QImage shown = page.grab().toImage();
    const TRect free = page.Page().MainAttributes().CellGeometry[index - 1].rFree;
    EXPECT_GT(FineBlocks(shown, QRect(free.Left * 2, free.Top * 2, free.Width() * 2, 30)), 10);
    ASSERT_GT(page.Page().MiniCount(), 0);
    const TRect mini = page.Page().MiniRect(1);
    const QRect miniShown(int(mini.Left * 0.601) * 2, int(mini.Top * 0.601) * 2,
                          int(mini.Width() * 0.601) * 2, int(mini.Height() * 0.601) * 2);
    EXPECT_GT(FineBlocks(shown, miniShown), 10);
}

// At 200 % screen scale the properties preview was blurry: drawn at the
// page's pixels and stretched.
TEST_F(PagePixelRatio, ThePropertiesPreviewIsDrawnAtTheScreensResolution)
{
    TCalendarProperties dialog;
    TCalendarPanel32 &preview = dialog.ExampleCalendar();
    ApplyMainPageValues(preview.Page());
    preview.SetZoom(0.301f);
    dialog.FormActivate();
    ASSERT_EQ(preview.devicePixelRatioF(), 2.0);
    const QImage shown = preview.grab().toImage();
    const TRect title = preview.Page().MainAttributes().TitleRect;
    const QRect band(title.Left * 2, title.Top * 2, title.Width() * 2, title.Height() * 2);
    EXPECT_GT(FineBlocks(shown, band), 10);
}

} // namespace
