#include "MainWindowTestSupport.h"
#include "PdfRaster.h"
#include "PrintSheetDialog.h"
#include "StartFolder.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The dialog a save command showed: title, folder, proposed file, filter and
// extension.
struct TShownDialog
{
    QString Title, Folder, Proposed, Filter, Extension;
    int FileTypes = 0;
};

class ExportCommandsTest : public testing::Test
{
protected:
    // Answers the next file dialog with fileName, of the file type type when
    // given, noting what it showed.
    void Answer(const QString &fileName, const QString &type = {})
    {
        SetFileNameAnswerer([this, fileName, type](QFileDialog &dialog) {
            shown = {dialog.windowTitle(),
                     dialog.directory().absolutePath(),
                     QFileInfo(dialog.selectedFiles().value(0)).fileName(),
                     dialog.selectedNameFilter(),
                     dialog.defaultSuffix(),
                     int(dialog.nameFilters().size())};
            if (!type.isEmpty())
                dialog.selectNameFilter(type);
            return fileName;
        });
    }

    TMainWindowRun run;
    TShownDialog shown;
};

TEST_F(ExportCommandsTest, PicturesProposeMonthAndYearOrTheDocumentsName)
{
    TCalendarMain &window = run.StartActive();
    window.Session().SetFileName(QString());
    Answer({});
    window.mnuSaveAsBitmapClick();
    EXPECT_EQ(shown.Title, u"Save Calendar As Bitmap"_s);
    EXPECT_EQ(shown.Folder, StartFolder({}, {}));
    EXPECT_EQ(shown.Proposed, u"Dec1999.BMP"_s);
    EXPECT_EQ(shown.Filter, u"Bitmap File (*.BMP)"_s);
    EXPECT_EQ(shown.FileTypes, 4);
    EXPECT_EQ(shown.Extension, u"BMP"_s);
    window.mnuSaveAsJPGClick();
    // The JPEG dialog was captioned as the bitmap one.
    EXPECT_EQ(shown.Title, u"Save Calendar As JPG"_s);
    EXPECT_EQ(shown.Proposed, u"Dec1999.JPG"_s);
    EXPECT_EQ(shown.Filter, u"JPG File (*.JPG)"_s);
    EXPECT_EQ(shown.FileTypes, 4);

    window.Session().SetFileName(u"/elsewhere/Cal/Team.DWC"_s);
    window.mnuSaveAsBitmapClick();
    EXPECT_EQ(shown.Proposed, u"Team.BMP"_s);
    EXPECT_EQ(shown.Folder, StartFolder({}, {}));
    window.mnuSaveAsJPGClick();
    EXPECT_EQ(shown.Proposed, u"Team.JPG"_s);
    window.mnuSaveAsPDFClick();
    EXPECT_EQ(shown.Proposed, u"Team.PDF"_s);
    EXPECT_EQ(shown.Filter, u"PDF File (*.PDF)"_s);
    EXPECT_EQ(shown.FileTypes, 1);
    // Cancelled dialogs write and tell nothing.
    EXPECT_TRUE(run.Messages.isEmpty());
}

TEST_F(ExportCommandsTest, BitmapAtHalfZoomLosesTheTruncatedMarginsAndOnePixel)
{
    TCalendarMain &window = run.StartActive("[Zooming]\r\nMain=50\r\n");
    ASSERT_EQ(window.Parts().CalendarPanel->Zoom(), 0.501f);
    window.Parts().CalendarPage->SetLeftMarginInch(0.5f);
    window.Parts().CalendarPage->SetTopMarginInch(0.5f);
    window.Parts().CalendarPage->SetRightMarginInch(0.5f);
    window.Parts().CalendarPage->SetBottomMarginInch(0.5f);
    window.SetModified(true);
    const QString fileName = run.Path(u"Dec1999.BMP"_s);
    Answer(fileName);
    window.mnuSaveAsBitmapClick();

    // Each margin is Trunc(96 x 0.5 x 0.501) = 24 pixels.
    const QImage picture(fileName, "BMP");
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), QSize(window.Parts().CalendarPage->Width() - 49,
                                    window.Parts().CalendarPage->Height() - 49));
    EXPECT_EQ(run.Messages, QStringList{u"Saved as "_s + fileName +
                                        u"\r\rNote: the calendar has been saved at its\r"
                                        u"current magnification level of 50%"_s});
    // A picture was saved, not the document: its changes are still unsaved.
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Button(u"Savebutton"_s)->isVisibleTo(window.Parts().Panel3));
}

// Pictures could only be saved as large as the page showed on screen.
TEST_F(ExportCommandsTest, APictureForPrintIsDrawnAtTheChosenResolution)
{
    TCalendarMain &window = run.StartActive("[Zooming]\r\nMain=50\r\n");
    window.Parts().CalendarPage->SetLeftMarginInch(0.5f);
    window.Parts().CalendarPage->SetTopMarginInch(0.5f);
    window.Parts().CalendarPage->SetRightMarginInch(0.5f);
    window.Parts().CalendarPage->SetBottomMarginInch(0.5f);
    const QSize shownPage = window.Parts().CalendarPanel->size();
    const QString fileName = run.Path(u"Dec1999.BMP"_s);
    Answer(fileName, u"Bitmap File at 300 dots per inch (*.BMP)"_s);
    window.mnuSaveAsBitmapClick();

    // Letter across, 11 by 8.5 inches at 300 dots per inch, less the two
    // half-inch margins and the one pixel the picture always loses.
    const QImage picture(fileName, "BMP");
    ASSERT_FALSE(picture.isNull());
    EXPECT_NEAR(picture.width(), 3300 - 300 - 1, 2);
    EXPECT_NEAR(picture.height(), 2550 - 300 - 1, 2);
    // The grid is drawn at that size: its left line runs down the picture.
    int darkRows = 0;
    for (int y = picture.height() / 4; y < picture.height() * 3 / 4; ++y) {
        for (int x = 0; x < picture.width() / 8; ++x) {
            if (qGray(picture.pixel(x, y)) < 128) {
                ++darkRows;
                break;
            }
        }
    }
    EXPECT_GT(darkRows, picture.height() / 2 - 10);
    EXPECT_EQ(run.Messages,
              QStringList{u"Saved as "_s + fileName +
                          u"\r\rThe calendar has been saved at 300 dots per inch."_s});
    // The page is shown at its zoom again.
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 0.501f);
    EXPECT_EQ(window.Parts().CalendarPanel->size(), shownPage);
    EXPECT_FALSE(window.Parts().CalendarPanel->PaintingHeld());
}

TEST_F(ExportCommandsTest, PngIsOfferedBesideBitmapAndJpegAtEveryResolution)
{
    // Pictures could be saved as BMP and JPG only.
    TCalendarMain &window = run.StartActive();
    const QString fileName = run.Path(u"Dec1999.PNG"_s);
    Answer(fileName);
    window.Command(u"mnuSaveAsPNG"_s)->trigger();
    EXPECT_EQ(shown.Title, u"Save Calendar As PNG"_s);
    EXPECT_EQ(shown.Proposed, u"Dec1999.PNG"_s);
    EXPECT_EQ(shown.Filter, u"PNG File (*.PNG)"_s);
    EXPECT_EQ(shown.FileTypes, 4) << "the screen's and three for print";
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(8).startsWith("\x89PNG")) << "a PNG file by its content";
    file.close();
    const QImage picture(fileName, "PNG");
    ASSERT_FALSE(picture.isNull());
    // The page inside its margins as shown: what the bitmap export writes.
    const QString bitmap = run.Path(u"Dec1999.BMP"_s);
    Answer(bitmap);
    window.mnuSaveAsBitmapClick();
    EXPECT_EQ(picture.convertToFormat(QImage::Format_RGB32),
              QImage(bitmap, "BMP").convertToFormat(QImage::Format_RGB32));

    const QString print = run.Path(u"Print.PNG"_s);
    Answer(print, u"PNG File at 150 dots per inch (*.PNG)"_s);
    window.mnuSaveAsPNGClick();
    const QImage printed(print, "PNG");
    ASSERT_FALSE(printed.isNull());
    // Letter across at 150 dots per inch, less the margins and one pixel.
    const double inches = 11.0 - window.Parts().CalendarPage->LeftMarginInch() -
                          window.Parts().CalendarPage->RightMarginInch();
    EXPECT_NEAR(printed.width(), inches * 150 - 1, 3);
    EXPECT_TRUE(run.Messages.last().endsWith(u"saved at 150 dots per inch."_s));
}

TEST_F(ExportCommandsTest, AFailedExportSaysSoAndLeavesTheStateAlone)
{
    TCalendarMain &window = run.StartActive();
    const QString folder = run.UnwritableFolder();
    const QString bitmap = folder + u"/Dec1999.BMP"_s;
    Answer(bitmap);
    window.mnuSaveAsBitmapClick();
    EXPECT_EQ(run.Messages, QStringList{u"Unable to save "_s + bitmap});
    EXPECT_FALSE(QFile::exists(bitmap));
    EXPECT_FALSE(window.Session().Modified());

    run.Messages.clear();
    const QString pdf = folder + u"/Dec1999.PDF"_s;
    Answer(pdf);
    window.mnuSaveAsPDFClick();
    ASSERT_EQ(run.Messages.size(), 1);
    EXPECT_TRUE(run.Messages[0].startsWith(u"Unable to save "_s + pdf));
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(ExportCommandsTest, JpegWithoutThePictureLibraryToldTwiceAndNothingWritten)
{
    // The program folder of the test holds no picture library.
    TCalendarMain &window = run.StartActive();
    const QString fileName = run.Path(u"Dec1999.JPG"_s);
    Answer(fileName);
    window.mnuSaveAsJPGClick();
    EXPECT_EQ(run.Messages, (QStringList{u"A required .DLL file, NViewLib.dll, was not found."_s,
                                         u"Unable to save "_s + fileName}));
    EXPECT_FALSE(QFile::exists(fileName));
}

TEST_F(ExportCommandsTest, PdfHasThePagesOwnPaperAtFullSizeWhateverTheZoom)
{
    TCalendarMain &window = run.StartActive();
    ASSERT_EQ(window.Parts().CalendarPanel->Zoom(), 0.601f);
    ASSERT_EQ(window.Parts().CalendarPage->CalendarOrientation(), coLandscape);
    const QString fileName = run.Path(u"Dec1999.PDF"_s);
    Answer(fileName);
    window.mnuSaveAsPDFClick();
    EXPECT_EQ(run.Messages, QStringList{u"Saved as "_s + fileName});
    // Titled with the document's name, not the printing component's.
    const QString title = PdfInfoField(fileName, u"Title"_s);
    EXPECT_TRUE(title.isNull() || title == u"Dec1999"_s) << title.toStdString();
    const QByteArray pdf = FileBytes(fileName);
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    // One landscape Letter page of 11 x 8.5 inches in points.
    const QRegularExpression mediaBox(u"/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"_s);
    const QRegularExpressionMatch match = mediaBox.match(QString::fromLatin1(pdf));
    ASSERT_TRUE(match.hasMatch());
    EXPECT_NEAR(match.captured(1).toDouble(), 792, 1);
    EXPECT_NEAR(match.captured(2).toDouble(), 612, 1);
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 0.601f);
    EXPECT_FALSE(window.Session().Modified());

    // A4 portrait the same way, over the first file.
    window.Parts().CalendarPage->SetPaperSize(1);
    window.Parts().CalendarPage->SetCalendarLayout(loFullCalendar);
    window.mnuSaveAsPDFClick();
    const QRegularExpressionMatch a4 = mediaBox.match(QString::fromLatin1(FileBytes(fileName)));
    ASSERT_TRUE(a4.hasMatch());
    EXPECT_NEAR(a4.captured(1).toDouble(), 595, 1);
    EXPECT_NEAR(a4.captured(2).toDouble(), 842, 1);
}

// The print service's PDF: the sheet dialog first (its answers kept for the
// next time), then the set and the file as for any PDF; Cancel writes nothing.
TEST_F(ExportCommandsTest, APdfForPrintingAsksTheBleedAndGrowsTheSheet)
{
    TCalendarMain &window = run.StartActive();
    const QString fileName = run.Path(u"Print.PDF"_s);
    const QRegularExpression mediaBox(u"/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"_s);
    const struct
    {
        double Bleed;
        bool Marks;
        double MarginPts; // each side
    } cases[] = {{3.0, true, 9 / 25.4 * 72}, {5.0, false, 5 / 25.4 * 72}};
    for (const auto &c : cases) {
        QFile::remove(fileName);
        TPrintSheet offered;
        SetModalAnswerer(PassingSetDialogs([&](QDialog &dialog) {
            auto &sheet = dynamic_cast<TPrintSheetDialog &>(dialog);
            offered = sheet.Sheet();
            sheet.findChild<QDoubleSpinBox *>(u"Bleed"_s)->setValue(c.Bleed);
            sheet.findChild<QCheckBox *>(u"CropMarks"_s)->setChecked(c.Marks);
            return int(QDialog::Accepted);
        }));
        Answer(fileName);
        window.mnuSaveAsPDFForPrintingClick();
        EXPECT_EQ(run.Messages.value(run.Messages.size() - 1), u"Saved as "_s + fileName);
        const QRegularExpressionMatch match =
            mediaBox.match(QString::fromLatin1(FileBytes(fileName)));
        ASSERT_TRUE(match.hasMatch()) << c.Bleed;
        // Landscape Letter, 792 x 612 points, grown on every side.
        EXPECT_NEAR(match.captured(1).toDouble(), 792 + 2 * c.MarginPts, 1) << c.Bleed;
        EXPECT_NEAR(match.captured(2).toDouble(), 612 + 2 * c.MarginPts, 1) << c.Bleed;
        if (c.Bleed == 5.0) {
            EXPECT_EQ(offered.BleedMm, 3.0) << "the last answers are offered again";
            EXPECT_TRUE(offered.CropMarks);
        }
    }
    QFile::remove(fileName);
    SetModalAnswerer(PassingSetDialogs([](QDialog &) { return int(QDialog::Rejected); }));
    window.mnuSaveAsPDFForPrintingClick();
    EXPECT_FALSE(QFile::exists(fileName)) << "cancelled before the file was asked";
    EXPECT_FALSE(window.Session().Modified());
}

} // namespace
