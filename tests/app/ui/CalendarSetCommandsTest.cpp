// Sets of pages through the window: "Save As PDF File" and "Print Calendar"
// with the set dialog answered, the document left as it was.

#include "LumFlatCalendar.h"
#include "LumImage.h"
#include "LumSuperText.h"
#include "MainWindowTestSupport.h"
#include "PdfRaster.h"
#include "PictureOrderList.h"
#include "ReportPrinter.h"
#include "StoredSet.h"

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString completed = u"Print job completed and sent to printer!"_s;

class CalendarSetCommandsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        pdf = run.Path(u"Set.PDF"_s);
        ShipHolidaySet(u"United Kingdom"_s);
    }

    // The next PDF export makes a set from choose and writes it to pdf.
    void ExportSet(TCalendarMain &window, std::function<void(TCalendarSetDialog &)> choose)
    {
        SetModalAnswerer(PassingSetDialogs({}, std::move(choose)));
        SetFileNameAnswerer([this](QFileDialog &) { return pdf; });
        window.mnuSaveAsPDFClick();
    }

    // The next print job makes a set from choose, printed into printed.
    void PrintSet(TCalendarMain &window, std::function<void(TCalendarSetDialog &)> choose)
    {
        const auto setup = [this](QDialog &dialog) {
            auto *printDialog = qobject_cast<QPrintDialog *>(&dialog);
            if (!printDialog)
                return int(QDialog::Rejected);
            QPrinter &printer = *printDialog->printer();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(printed);
            printer.setPageSize(QPageSize(QPageSize::Letter));
            return int(QDialog::Accepted);
        };
        SetModalAnswerer(PassingSetDialogs(setup, std::move(choose)));
        window.mnuPrintCalendarClick();
    }

    // The text of each page of file.
    static QStringList PageTexts(const QString &file)
    {
        QStringList pages = PdfText(file).split(u'\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }

    TMainWindowRun run;
    QString pdf;
    QString printed = run.Path(u"printed.pdf"_s);
};

TEST_F(CalendarSetCommandsTest, AYearWithHolidaysInThreeClicksLeavesTheDocumentAsItWas)
{
    for (const bool modified : {false, true}) {
        SCOPED_TRACE(modified ? "changed document" : "unchanged document");
        TCalendarMain &window = run.StartActive();
        TCalendarPage &page = *window.Parts().CalendarPage;
        const int dentist = page.CellOfDay(15);
        TWPRtfStorage text;
        text.RtfText().Document().setPlainText(u"Dentist at ten"_s);
        page.SetCellText(dentist, text);
        window.SetModified(modified);
        run.Messages.clear();

        ExportSet(window, SetOf(12, u"United Kingdom"_s));
        EXPECT_EQ(run.Messages, QStringList{u"Saved as "_s + pdf});
        EXPECT_EQ(PdfPageCount(FileBytes(pdf)), 12);

        // The document: its month, its own text only; the set is kept with
        // it, which changes it.
        EXPECT_TRUE(window.Session().Modified());
        ASSERT_TRUE(StoredSetOf(page));
        EXPECT_EQ(StoredSetOf(page)->Choice.Count, 12);
        EXPECT_EQ(page.MainCalMonth(), 12);
        EXPECT_EQ(page.MainCalYear(), 1999);
        EXPECT_EQ(CellText(page, dentist), u"Dentist at ten"_s);
        EXPECT_EQ(CellText(page, page.CellOfDay(25)), QString()) << "no holiday written into it";

        const QStringList pages = PageTexts(pdf);
        if (pages.isEmpty())
            GTEST_SKIP() << "pdftotext is not available";
        ASSERT_EQ(pages.size(), 12);
        EXPECT_TRUE(pages[0].contains(u"Dentist at ten"_s));
        EXPECT_TRUE(pages[0].contains(u"Christmas Day"_s));
        EXPECT_FALSE(pages[0].contains(u"Easter"_s));
        EXPECT_TRUE(pages[1].contains(u"New Year"_s));
        // Easter Monday 2000 fell on 24 April, the fifth page.
        EXPECT_TRUE(pages[4].contains(u"Easter Monday"_s));
        EXPECT_FALSE(pages[4].contains(u"April Fool"_s)) << "the United Kingdom's holidays only";
        for (int index = 1; index < 12; ++index) {
            EXPECT_FALSE(pages[index].contains(u"Dentist"_s)) << "page " << index + 1;
            EXPECT_FALSE(pages[index].contains(u"Christmas Day"_s)) << "page " << index + 1;
        }
        EXPECT_TRUE(pages[11].contains(u"November"_s));
        run.Window.reset();
    }
}

TEST_F(CalendarSetCommandsTest, FloatingCalendarsKeepTheirOwnMonthOnEveryPage)
{
    TCalendarMain &window = run.StartActive();
    TCalendarPage &page = *window.Parts().CalendarPage;
    auto floating = std::make_unique<TLumFlatCalendar>();
    floating->SetMonth(7);
    floating->SetYear(2005);
    floating->SetShowYear(true);
    const TRect place{40, 40, 240, 200};
    page.PlaceObject(std::move(floating), place);
    ExportSet(window, SetOf(3));
    ASSERT_EQ(PdfPageCount(FileBytes(pdf)), 3);
    const QStringList pages = PageTexts(pdf);
    if (pages.isEmpty())
        GTEST_SKIP() << "pdftotext is not available";
    ASSERT_EQ(pages.size(), 3);
    const char *const months[] = {"December", "January", "February"};
    for (int index = 0; index < 3; ++index) {
        EXPECT_TRUE(pages[index].contains(QString::fromLatin1(months[index])))
            << "page " << index + 1;
        EXPECT_TRUE(pages[index].contains(u"July"_s)) << "page " << index + 1;
        EXPECT_TRUE(pages[index].contains(u"July 2005"_s)) << "page " << index + 1;
    }
    auto *kept = dynamic_cast<TLumFlatCalendar *>(page.Objects().At(0));
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->Month(), 7);
    EXPECT_EQ(kept->Year(), 2005);
}

// "This page" is one page, whatever count the set box last held; the
// progress counts the pages already drawn, from none.
TEST_F(CalendarSetCommandsTest, ThisPageIsOnePageAndTheProgressCountsDrawnPages)
{
    TCalendarMain &window = run.StartActive();
    ExportSet(window, [](TCalendarSetDialog &dialog) {
        dialog.PageSet->click();
        dialog.PageCount->setValue(12);
        dialog.ThisPage->click();
    });
    EXPECT_EQ(PdfPageCount(FileBytes(pdf)), 1);

    // Each page's drawing lets events through once: a zero-time timer sees
    // the count at every page.
    QList<int> seen;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&window, &seen] {
        if (auto *progress = window.findChild<QProgressDialog *>(u"SetProgress"_s))
            seen.append(progress->value());
    });
    watch.start(0);
    ExportSet(window, SetOf(4));
    EXPECT_EQ(PdfPageCount(FileBytes(pdf)), 4);
    EXPECT_EQ(seen, (QList<int>{0, 1, 2, 3}));
}

TEST_F(CalendarSetCommandsTest, ACancelledExportLeavesNoFileAndAnEarlierOneAsItWas)
{
    TCalendarMain &window = run.StartActive();
    window.SetModified(true);
    for (const bool earlier : {false, true}) {
        SCOPED_TRACE(earlier ? "over an earlier file" : "new file");
        if (earlier) {
            QFile file(pdf);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("earlier");
        }
        TCancelAt cancel(window, 3);
        ExportSet(window, SetOf(12, u"United Kingdom"_s));
        EXPECT_TRUE(run.Messages.isEmpty()) << run.Messages.join(u'|').toStdString();
        EXPECT_EQ(QFile::exists(pdf), earlier);
        if (earlier) {
            EXPECT_EQ(FileBytes(pdf), QByteArray("earlier"));
        }
        EXPECT_EQ(QDir(run.Path({})).entryList({u"*.PDF*"_s, u"*.pdf*"_s}).size(), earlier ? 1 : 0)
            << "no part left beside it";
        EXPECT_TRUE(window.Session().Modified());
        EXPECT_EQ(window.Parts().CalendarPage->MainCalMonth(), 12);
        EXPECT_EQ(
            CellText(*window.Parts().CalendarPage, window.Parts().CalendarPage->CellOfDay(25)),
            QString());
    }
}

TEST_F(CalendarSetCommandsTest, APrintedSetIsOneJobOfItsPagesAndACancelledOneNone)
{
    TCalendarMain &window = run.StartActive();
    window.SetModified(true);
    PrintSet(window, SetOf(5, u"United Kingdom"_s));
    EXPECT_EQ(run.Messages, QStringList{completed});
    EXPECT_TRUE(window.Session().Printed());
    EXPECT_EQ(PdfPageCount(FileBytes(printed)), 5);
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_EQ(window.Parts().CalendarPanel->Zoom(), 0.601f);
    const QStringList pages = PageTexts(printed);
    if (!pages.isEmpty()) {
        ASSERT_EQ(pages.size(), 5);
        EXPECT_TRUE(pages[0].contains(u"Christmas Day"_s));
        EXPECT_TRUE(pages[1].contains(u"New Year"_s));
    }

    QFile::remove(printed);
    run.Messages.clear();
    TCancelAt cancel(window, 2);
    PrintSet(window, SetOf(5));
    EXPECT_FALSE(window.Session().Printed());
    EXPECT_TRUE(run.Messages.isEmpty()) << run.Messages.join(u'|').toStdString();
    EXPECT_FALSE(QFile::exists(printed));
    EXPECT_TRUE(window.Session().Modified());
}

TEST_F(CalendarSetCommandsTest, AFillThatCannotBeReadIsToldAndNothingIsWritten)
{
    TCalendarMain &window = run.StartActive();
    const QString missing = run.Path(u"gone.ics"_s);
    ExportSet(window, [&missing](TCalendarSetDialog &dialog) {
        SetOf(12)(dialog);
        dialog.ChooseFill(TFillKind::ICalendar);
        dialog.ICalendarFile->setText(missing);
    });
    ASSERT_EQ(run.Messages.size(), 1);
    EXPECT_TRUE(run.Messages[0].startsWith(u"The days could not be filled.\r\n"_s));
    EXPECT_TRUE(run.Messages[0].contains(missing));
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(CalendarSetCommandsTest, TheSetIsKeptWithTheDocumentAndOfferedWhenItIsOpened)
{
    TCalendarMain &window = run.StartActive();
    TCalendarPage &page = *window.Parts().CalendarPage;
    ExportSet(window, SetOf(5, u"United Kingdom"_s));
    std::optional<TStoredSet> kept = StoredSetOf(page);
    ASSERT_TRUE(kept);
    EXPECT_TRUE(kept->Choice.WholeSet);
    EXPECT_EQ(kept->Choice.Count, 5);
    EXPECT_EQ(kept->Choice.FillName, u"United Kingdom"_s);
    EXPECT_TRUE(window.Session().Modified());
    window.UndoClick();
    EXPECT_FALSE(StoredSetOf(page)) << "one step takes it back";
    window.RedoClick();
    ASSERT_TRUE(StoredSetOf(page));

    const QString file = run.Path(u"Year.DWC"_s);
    ASSERT_TRUE(window.SaveCalendarFile(file));
    ASSERT_TRUE(window.OpenCalendarFile(file));
    TSetChoice offered;
    ExportSet(window, [&offered](TCalendarSetDialog &dialog) { offered = dialog.Choice(); });
    EXPECT_TRUE(offered.WholeSet);
    EXPECT_EQ(offered.Count, 5);
    EXPECT_EQ(offered.FillName, u"United Kingdom"_s);
    EXPECT_FALSE(window.Session().Modified()) << "the same choice again changes nothing";
    EXPECT_EQ(PdfPageCount(FileBytes(pdf)), 5);
}

TEST_F(CalendarSetCommandsTest, TheCoverIsDesignedOnThePageAndStartsTheSet)
{
    TCalendarMain &window = run.StartActive();
    TCalendarPage &page = *window.Parts().CalendarPage;
    const int dentist = page.CellOfDay(15);
    TWPRtfStorage text;
    text.RtfText().Document().setPlainText(u"Dentist at ten"_s);
    page.SetCellText(dentist, text);
    const int objects = page.Objects().Count();

    window.Command(u"mnuCoverPage"_s)->trigger();
    ASSERT_TRUE(window.EditingCover());
    EXPECT_TRUE(window.Command(u"mnuCoverPage"_s)->isChecked());
    EXPECT_TRUE(page.CalendarHidden());
    ASSERT_EQ(page.Objects().Count(), 2) << "a picture above the year";
    auto *title = dynamic_cast<TLumSuperText *>(page.Objects().At(1));
    ASSERT_TRUE(title);
    title->SetCaption(u"Our year"_s);
    title->NotifyLabelChanged();
    EXPECT_TRUE(window.Session().Modified());

    window.Command(u"mnuCoverPage"_s)->trigger();
    EXPECT_FALSE(window.EditingCover());
    EXPECT_FALSE(window.Command(u"mnuCoverPage"_s)->isChecked());
    EXPECT_FALSE(page.CalendarHidden());
    EXPECT_EQ(page.Objects().Count(), objects);
    EXPECT_EQ(CellText(page, dentist), u"Dentist at ten"_s);
    const std::optional<TStoredSet> kept = StoredSetOf(page);
    ASSERT_TRUE(kept && kept->HasCover());
    EXPECT_EQ(kept->Choice.Count, 13) << "the cover and twelve months";
    EXPECT_EQ(window.Command(u"mnuUndo"_s)->text(), u"Undo Cover Page"_s);

    ExportSet(window, [](TCalendarSetDialog &dialog) {
        EXPECT_TRUE(dialog.CoverPage->isChecked());
        EXPECT_TRUE(dialog.CoverPage->isEnabled());
    });
    EXPECT_EQ(PdfPageCount(FileBytes(pdf)), 13);
    EXPECT_EQ(window.Command(u"mnuUndo"_s)->text(), u"Undo Cover Page"_s)
        << "the set as it was kept";
    const QStringList pages = PageTexts(pdf);
    if (!pages.isEmpty()) {
        ASSERT_EQ(pages.size(), 13);
        EXPECT_FALSE(pages[0].contains(u"December"_s)) << "no calendar on the cover";
        EXPECT_FALSE(pages[0].contains(u"Dentist"_s));
        EXPECT_TRUE(pages[1].contains(u"Dentist at ten"_s));
    }
    window.UndoClick();
    EXPECT_FALSE(StoredSetOf(page));
}

TEST_F(CalendarSetCommandsTest, ACancelledSetDialogAsksForNoFile)
{
    TCalendarMain &window = run.StartActive();
    int fileDialogs = 0;
    SetModalAnswerer([](QDialog &) { return int(QDialog::Rejected); });
    SetFileNameAnswerer([&fileDialogs](QFileDialog &) {
        ++fileDialogs;
        return QString();
    });
    window.mnuSaveAsPDFClick();
    EXPECT_EQ(fileDialogs, 0);
    EXPECT_TRUE(run.Messages.isEmpty());
}

} // namespace

TEST_F(CalendarSetCommandsTest, ThePicturesArrangedInTheDialogAreKeptAndTheMissingOneIsTold)
{
    TCalendarMain &window = run.StartActive();
    TCalendarPage &page = *window.Parts().CalendarPage;
    auto image = std::make_unique<TLumImage>();
    image->SetObjectBounds(20, 20, 60, 50);
    image->SetPicturePerPage(true);
    image->FinishLoad();
    page.Objects().Insert(std::move(image));
    ASSERT_TRUE(QDir().mkpath(run.Path(u"photos"_s)));
    for (const QString &name : {u"1.bmp"_s, u"2.bmp"_s}) {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        ASSERT_TRUE(picture.save(run.Path(u"photos/"_s + name), "BMP"));
    }
    const QString folder = run.Path(u"photos"_s), gone = run.Path(u"photos/gone.bmp"_s);

    run.Messages.clear();
    ExportSet(window, [&](TCalendarSetDialog &dialog) {
        SetOf(3)(dialog);
        SetFileNameAnswerer([&](QFileDialog &) { return folder; });
        dialog.PicturesButton->click();
        dialog.PictureList->setCurrentRow(0);
        dialog.LaterButton->click();
        SetFileNameAnswerer([&](QFileDialog &) { return gone; });
        dialog.AddPicturesButton->click();
        SetFileNameAnswerer([this](QFileDialog &) { return pdf; });
    });
    const QStringList order = {folder + u"/2.bmp"_s, folder + u"/1.bmp"_s, gone};
    const std::optional<TStoredSet> kept = StoredSetOf(page);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->Choice.PictureOrder, order);
    EXPECT_EQ(PdfPageCount(FileBytes(pdf)), 3);
    ASSERT_EQ(run.Messages.size(), 1) << run.Messages.join(u'|').toStdString();
    EXPECT_TRUE(run.Messages[0].contains(u"These pictures could not be read"_s));
    EXPECT_TRUE(run.Messages[0].contains(gone)) << "the missing picture is named";

    const QString file = run.Path(u"Photos.DWC"_s);
    ASSERT_TRUE(window.SaveCalendarFile(file));
    ASSERT_TRUE(window.OpenCalendarFile(file));
    QStringList offered;
    ExportSet(window,
              [&offered](TCalendarSetDialog &dialog) { offered = dialog.PictureList->Pictures(); });
    EXPECT_EQ(offered, order);
    EXPECT_FALSE(window.Session().Modified()) << "the same order again changes nothing";
}
