#include "CalendarPage.h"
#include "RenderCommand.h"
#include "StoredPageValues.h"
#include "TestObject.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A month grid with a blue and a green object, saved as a document.
class RenderObjects : public ::testing::Test
{
protected:
    RenderObjects()
    {
        RegisterTestObjectClass();
        TCalendarPage page;
        ApplyMainPageValues(page);
        page.SetCalendarLayout(LOFullCalendarLS);
        page.SetLeftMarginInch(0);
        page.SetTopMarginInch(0);
        page.Objects().Insert(MakeTestObject(100, 100, 96, 96, clBlue)).SetName("Special1");
        page.Objects().Insert(MakeTestObject(300, 120, 40, 20, clLime)).SetLocked(true);
        Document = Folder.filePath("objects.DWC");
        EXPECT_FALSE(page.SaveToFile(Document));
    }

    QTemporaryDir Folder;
    QString Document;
};

} // namespace

TEST_F(RenderObjects, InfoListsThePlacedObjects)
{
    testing::internal::CaptureStdout();
    ASSERT_EQ(RunRenderCommand({Document, "--info"}), 0);
    const QByteArray printed = QByteArray::fromStdString(testing::internal::GetCapturedStdout());
    const QJsonArray objects = QJsonDocument::fromJson(printed).object()["objects"].toArray();
    ASSERT_EQ(objects.size(), 2);
    const QJsonObject first = objects[0].toObject();
    EXPECT_EQ(first["class"].toString(), "TTestObject");
    EXPECT_EQ(first["name"].toString(), "Component0");
    EXPECT_EQ(first["left"].toInt(), 100);
    EXPECT_EQ(first["width"].toInt(), 96);
    EXPECT_FALSE(first["locked"].toBool());
    EXPECT_TRUE(objects[1].toObject()["locked"].toBool());
}

TEST_F(RenderObjects, SavingKeepsThemAtFullSizeWhateverTheZoom)
{
    const QString again = Folder.filePath("again.DWC");
    ASSERT_EQ(RunRenderCommand({Document, "--scale", "0.5", "--save", again}), 0);
    TCalendarPage page;
    page.ObjectClasses().Register(TTestObject::Class());
    ASSERT_FALSE(page.LoadFromFile(again));
    ASSERT_EQ(page.Objects().Count(), 2);
    EXPECT_EQ(page.Objects().At(0)->Bounds(), (TBounds{100, 100, 96, 96}));
    EXPECT_EQ(static_cast<TTestObject *>(page.Objects().At(1))->Color(), clLime);
}

TEST_F(RenderObjects, PicturesShowThemAtTheZoom)
{
    const QString png = Folder.filePath("page.png");
    ASSERT_EQ(RunRenderCommand({Document, "--scale", "0.5", "-o", png}), 0);
    const QImage picture(png);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.pixel(60, 60), qRgb(0, 0, 255));
    EXPECT_EQ(picture.pixel(95, 95), qRgb(0, 0, 255));
    EXPECT_NE(picture.pixel(100, 100), qRgb(0, 0, 255));
}

TEST_F(RenderObjects, PdfPagesShowThemWhereThePageHasThem)
{
    const QString pdf = Folder.filePath("page.pdf");
    // The zoom shown does not change the paper.
    ASSERT_EQ(RunRenderCommand({Document, "--scale", "0.5", "-o", pdf}), 0);
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    if (tool.isEmpty())
        GTEST_SKIP() << "pdftoppm is not available";
    QProcess process;
    process.start(tool, {"-r", "96", "-png", "-singlefile", pdf, Folder.filePath("raster")});
    ASSERT_TRUE(process.waitForFinished(60000) && process.exitCode() == 0);
    const QImage sheet(Folder.filePath("raster.png"));
    ASSERT_EQ(sheet.size(), QSize(1056, 816));
    const auto blue = [&sheet](int x, int y) {
        const QColor c = sheet.pixelColor(x, y);
        return c.blue() > 200 && c.red() < 60 && c.green() < 60;
    };
    EXPECT_TRUE(blue(104, 104));
    EXPECT_TRUE(blue(190, 190));
    EXPECT_FALSE(blue(200, 150));
    EXPECT_FALSE(blue(150, 200));
    const QColor lime = sheet.pixelColor(320, 130);
    EXPECT_GT(lime.green(), 200);
    EXPECT_LT(lime.red(), 60);
}
