#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "CalendarPagePrint.h"
#include "CanvasReport.h"
#include "ProgramFolder.h"
#include "StoredPageValues.h"
#include "TestObject.h"
#include "WmfWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A border picture of frame units whose outer band of 5 % is colour.
QByteArray BandedBorder(const QSize &frame, const QColor &color)
{
    TWmfWriter writer(QRect(QPoint(0, 0), frame), 100);
    writer.SetWindow(QRect(QPoint(0, 0), frame));
    writer.SelectObject(writer.CreatePen(color, 1));
    writer.SelectObject(writer.CreateSolidBrush(color));
    const int band = frame.width() / 20;
    writer.Rectangle(QRect(0, 0, frame.width(), band));
    writer.Rectangle(QRect(0, frame.height() - band, frame.width(), band));
    writer.Rectangle(QRect(0, 0, band, frame.height()));
    writer.Rectangle(QRect(frame.width() - band, 0, band, frame.height()));
    return writer.Placeable();
}

class BorderFiles : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkpath("Borders/Broken.wpo"));
        Write("Borders/Holly.wpo", BandedBorder({750, 1000}, Qt::red));
        Write("Borders/holly.WLS", BandedBorder({1000, 750}, Qt::blue));
        Write("Borders/Stars.wpo", BandedBorder({750, 1000}, Qt::green));
        Write("Borders/Text.wpo", "not a metafile at all");
        Write("Borders/Cut.wpo", BandedBorder({750, 1000}, Qt::red).left(30));
        SetProgramFolder(folder.path());
    }
    void TearDown() override { SetProgramFolder(QString()); }

    void Write(const QString &name, const QByteArray &bytes)
    {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
};

bool IsColour(const QImage &image, const TRect &rect, int dx, int dy, const QColor &color)
{
    return image.pixelColor(rect.Left + dx, rect.Top + dy) == color;
}

} // namespace

TEST_F(BorderFiles, ABorderLoadsAndWidensTheMargins)
{
    TCalendarPage page;
    page.SetWMFBorderFile("Holly");
    EXPECT_EQ(page.WMFBorderFile(), "Holly");
    ASSERT_TRUE(page.BorderMetafile());
    EXPECT_EQ(page.BorderMetafile()->Frame(), QRectF(0, 0, 750, 1000));
    EXPECT_EQ(page.MainRect().Left, 71);
    EXPECT_EQ(page.BorderRect(), (TRect{24, 24, 816 - 24, 1056 - 24}));

    page.SetCalendarLayout(LOFullCalendarLS); // reloads for the new orientation
    ASSERT_TRUE(page.BorderMetafile());
    EXPECT_EQ(page.BorderMetafile()->Frame(), QRectF(0, 0, 1000, 750));

    page.SetWMFBorderFile(QString());
    EXPECT_EQ(page.WMFBorderFile(), QString());
    EXPECT_FALSE(page.BorderMetafile());
    EXPECT_EQ(page.MainRect().Left, 26);
}

TEST_F(BorderFiles, AMissingFileKeepsThePreviousBorder)
{
    TCalendarPage page;
    page.SetWMFBorderFile("Holly");
    page.SetWMFBorderFile("Snow");
    EXPECT_EQ(page.WMFBorderFile(), "Holly");
    EXPECT_TRUE(page.BorderMetafile());

    page.SetWMFBorderFile("Stars");
    page.SetCalendarLayout(LOFullCalendarLS); // Stars has no landscape file
    EXPECT_EQ(page.WMFBorderFile(), "Stars");

    TCalendarPage fresh;
    fresh.SetWMFBorderFile("../Borders/Holly");
    EXPECT_EQ(fresh.WMFBorderFile(), QString());
}

TEST_F(BorderFiles, AFileThatIsNoMetafileClearsTheBorder)
{
    for (const char *name : {"Broken", "Text", "Cut"}) {
        TCalendarPage page;
        page.SetWMFBorderFile("Holly");
        page.SetWMFBorderFile(name);
        EXPECT_EQ(page.WMFBorderFile(), QString()) << name;
        EXPECT_FALSE(page.BorderMetafile()) << name;
        EXPECT_EQ(page.MainRect().Left, 26) << name;
        EXPECT_FALSE(RenderPageImage(page).isNull());
    }
}

TEST_F(BorderFiles, TheBorderIsStretchedOverItsRectangleOnScreen)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetCalendarLayout(LOFullCalendarLS);
    page.SetWMFBorderFile("Holly");
    TRecordingView view(page);
    for (const float scale : {1.0F, 0.501F}) {
        view.SetZoom(scale);
        const QImage image = RenderPageImage(page);
        const TRect border = page.BorderRect();
        const auto at = [scale](int pixels) { return int(pixels * double(scale)); };
        const TRect scaled{at(border.Left), at(border.Top), at(border.Right), at(border.Bottom)};
        EXPECT_TRUE(IsColour(image, scaled, 3, scaled.Height() / 2, Qt::blue)) << scale;
        EXPECT_TRUE(IsColour(image, scaled, scaled.Width() - 4, 3, Qt::blue)) << scale;
        EXPECT_TRUE(IsColour(image, scaled, scaled.Width() / 2, scaled.Height() - 4, Qt::blue));
        EXPECT_EQ(image.pixelColor(at(border.Left) - 2, at(border.Top) - 2), QColor(Qt::white));
        // The calendar inside stays clear of the band.
        const TRect main = page.MainRect();
        EXPECT_NE(image.pixelColor(at(main.Left) + 4, at(main.Top) + 40), QColor(Qt::blue));
    }
}

TEST_F(BorderFiles, TheBorderIsPrintedAsVectorsOverItsRectangle)
{
    TCalendarPage page;
    ApplyMainPageValues(page);
    page.SetCalendarLayout(LOFullCalendarLS);
    page.SetWMFBorderFile("Holly");
    constexpr int Dpi = 150;
    QImage sheet(11 * Dpi, int(8.5 * Dpi), QImage::Format_RGB32);
    sheet.setDotsPerMeterX(qRound(Dpi / 0.0254));
    sheet.setDotsPerMeterY(qRound(Dpi / 0.0254));
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    TCanvasReport report;
    report.BeginCanvas(painter);
    RecordDrawingGeometry(page);
    PrintPage(report, page, 0, 0);
    report.EndCanvas();
    const auto onSheet = [](int pixels) { return qRound(pixels * double(Dpi) / 96); };
    const TRect border = page.BorderRect();
    EXPECT_EQ(sheet.pixelColor(onSheet(border.Left) + 4, sheet.height() / 2), QColor(Qt::blue));
    EXPECT_EQ(sheet.pixelColor(onSheet(border.Right) - 6, sheet.height() / 2), QColor(Qt::blue));
    EXPECT_EQ(sheet.pixelColor(onSheet(border.Left) - 4, sheet.height() / 2), QColor(Qt::white));
}
