#include "Templates.h"

#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "LumImage.h"
#include "PageInfoJson.h"
#include "PdfRaster.h"
#include "ProgramFolder.h"
#include "RenderCommand.h"
#include "RenderOptions.h"
#include "StoredSet.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The templates of the build's program folder.
class Templates : public testing::Test
{
protected:
    Templates() { SetProgramFolder(QStringLiteral(DW_TEST_PROGRAM_DIR)); }
    ~Templates() override { SetProgramFolder(QString()); }

    QString Path(const QString &name) const { return Folder.filePath(name); }

    // The job of arguments: what it printed, or why it failed.
    static TJobResult Run(const QStringList &arguments)
    {
        const auto parsed = ParseRenderOptions(arguments);
        if (const QString *error = std::get_if<QString>(&parsed))
            return {{}, *error};
        return RunRenderJob(std::get<TRenderOptions>(parsed), 1);
    }

    QTemporaryDir Folder;
};

std::vector<const TLumImage *> PicturesOf(const TCalendarPage &page)
{
    std::vector<const TLumImage *> pictures;
    for (int i = 0; i < page.Objects().Count(); ++i) {
        if (const auto *picture = dynamic_cast<const TLumImage *>(page.Objects().At(i)))
            pictures.push_back(picture);
    }
    return pictures;
}

// Colours of a picture, counted on a coarse grid, and its share of pixels
// that are not white.
struct TColourCount
{
    int Colours = 0;
    double Ink = 0;
};

TColourCount CountColours(const QImage &image)
{
    QSet<QRgb> colours;
    int ink = 0, all = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            const QRgb pixel = image.pixel(x, y);
            colours.insert(pixel & 0xF0F0F0);
            ink += qGray(pixel) < 240;
            ++all;
        }
    }
    return {int(colours.size()), all ? double(ink) / all : 0};
}

} // namespace

TEST_F(Templates, EveryShippedDesignIsListedInTheOrderShown)
{
    const QStringList names = TemplateNames(ProgramFolder());
    EXPECT_EQ(names, TemplateCatalog());
    EXPECT_GE(names.size(), 12);
    const TJobResult listed = Run({u"--list-templates"_s});
    EXPECT_TRUE(listed.Error.isEmpty()) << listed.Error.toStdString();
    EXPECT_EQ(listed.Output, (names.join(u'\n') + u'\n').toUtf8());
}

// Each template reads back whole and shows a design in colour, not a blank
// or default page, at the size the dialog draws it.
TEST_F(Templates, EveryTemplateLoadsAndShowsItsDesignAtThumbnailSize)
{
    for (const QString &name : TemplateCatalog()) {
        SCOPED_TRACE(name.toStdString());
        const QString file = TemplateFile(ProgramFolder(), name);
        ASSERT_FALSE(file.isEmpty());
        TCalendarPage page;
        ASSERT_FALSE(page.LoadFromFile(file).has_value());
        // Opened and saved unchanged, a template keeps its bytes.
        QFile stored(file);
        ASSERT_TRUE(stored.open(QIODevice::ReadOnly));
        QBuffer saved;
        saved.open(QIODevice::WriteOnly);
        ASSERT_FALSE(page.SaveToDevice(saved).has_value());
        EXPECT_EQ(saved.data(), stored.readAll());
        const QImage thumbnail = TemplateThumbnail(file, 150);
        ASSERT_FALSE(thumbnail.isNull());
        EXPECT_NEAR(std::max(thumbnail.width(), thumbnail.height()), 150, 2);
        const TColourCount count = CountColours(thumbnail);
        EXPECT_GE(count.Colours, 3);
        EXPECT_GT(count.Ink, 0.02);
        EXPECT_EQ(page.MainCalYear(), 2027);
    }
}

// The photo calendars hold one frame that takes each page's own picture and
// fills it; the holiday calendars carry their country's days and a border.
TEST_F(Templates, PhotoAndHolidayDesignsCarryWhatTheirNamesPromise)
{
    const std::vector<std::pair<QString, QString>> photos{
        {u"Wall photo calendar A4"_s, u"A4"_s},
        {u"Wall photo calendar Letter"_s, u"Letter"_s},
        {u"Desk calendar"_s, u"Letter"_s}};
    for (const auto &[name, paper] : photos) {
        SCOPED_TRACE(name.toStdString());
        TCalendarPage page;
        ASSERT_FALSE(page.LoadFromFile(TemplateFile(ProgramFolder(), name)).has_value());
        EXPECT_EQ(page.PaperSize(), paper == u"A4" ? 1 : 0);
        const auto pictures = PicturesOf(page);
        ASSERT_EQ(pictures.size(), 1u);
        EXPECT_TRUE(pictures[0]->PicturePerPage());
        EXPECT_EQ(pictures[0]->Fit(), ifFill);
        EXPECT_TRUE(pictures[0]->Picture().CanDraw()) << "a placeholder until pictures are given";
        // The frame stays clear of the month.
        const TRect frame = pictures[0]->BoundsRect();
        const TRect month = page.MainRect();
        EXPECT_TRUE(frame.Bottom <= month.Top || frame.Right <= month.Left);
        // The wall calendars are a cover and a year of months, the cover's
        // picture the first of the pictures.
        const std::optional<TStoredSet> set = StoredSetOf(page);
        ASSERT_EQ(set.has_value(), name.startsWith(u"Wall"_s));
        if (!set)
            continue;
        EXPECT_TRUE(set->HasCover());
        EXPECT_EQ(set->Choice.Count, 13);
        const std::unique_ptr<TCalendarPage> cover = CoverPage(set->CoverDesign);
        ASSERT_TRUE(cover);
        const auto coverPictures = PicturesOf(*cover);
        ASSERT_EQ(coverPictures.size(), 1u);
        EXPECT_TRUE(coverPictures[0]->PicturePerPage());
        EXPECT_GT(coverPictures[0]->BoundsRect().Height(), frame.Height());
    }
    const std::vector<std::pair<QString, QString>> holidays{
        {u"United Kingdom"_s, u"New Year's Day"_s},
        {u"France"_s, u"Jour de l'an"_s},
        {u"Germany"_s, u"Neujahr"_s},
        {u"United States"_s, u"Martin Luther King"_s}};
    for (const auto &[country, day] : holidays) {
        SCOPED_TRACE(country.toStdString());
        TCalendarPage page;
        ASSERT_FALSE(
            page.LoadFromFile(TemplateFile(ProgramFolder(), u"Holiday calendar "_s + country))
                .has_value());
        EXPECT_FALSE(page.WMFBorderFile().isEmpty());
        EXPECT_TRUE(QString::fromUtf8(PageInfoJson(page, 1.0f)).contains(day));
    }
}

// What the command line draws from a template is what a fresh load of its
// document draws.
TEST_F(Templates, RenderingATemplateDrawsItsDocument)
{
    for (const QString &name : TemplateCatalog()) {
        SCOPED_TRACE(name.toStdString());
        const QString out = Path(u"page.png"_s);
        const TJobResult run = Run({u"--template"_s, name, u"--scale"_s, u"0.5"_s, u"-o"_s, out});
        ASSERT_TRUE(run.Error.isEmpty()) << run.Error.toStdString();
        TCalendarPage page;
        ASSERT_FALSE(page.LoadFromFile(TemplateFile(ProgramFolder(), name)).has_value());
        const QImage expected = PictureInsideMargins(page, 0.5f, PageBitmapAt(page, 0.5f));
        const QImage written = QImage(out).convertToFormat(expected.format());
        ASSERT_EQ(written.size(), expected.size());
        int differ = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x)
                differ += written.pixel(x, y) != expected.pixel(x, y);
        EXPECT_EQ(differ, 0);
    }
}

TEST_F(Templates, TheTemplateOptionRefusesWhatItCannotUse)
{
    const QString out = Path(u"no.png"_s);
    const std::vector<std::pair<QStringList, QString>> cases{
        {{u"--template"_s, u"No such design"_s, u"-o"_s, out},
         u"there is no template \"No such design\""_s},
        {{Path(u"some.DWC"_s), u"--template"_s, u"Desk calendar"_s},
         u"give a document or --template, not both"_s},
        {{u"--template"_s}, u"--template needs a value"_s},
        {{u"--template"_s, u"../Templates/Desk calendar"_s, u"-o"_s, out},
         u"there is no template \"../Templates/Desk calendar\""_s},
    };
    for (const auto &[arguments, error] : cases) {
        SCOPED_TRACE(arguments.join(u' ').toStdString());
        const TJobResult run = Run(arguments);
        EXPECT_EQ(run.Error, error);
        EXPECT_TRUE(run.Output.isEmpty());
        EXPECT_FALSE(QFile::exists(out));
    }
    // The name is found whatever its letter case.
    EXPECT_TRUE(Run({u"--template"_s, u"DESK calendar"_s, u"--info"_s}).Error.isEmpty());
}

// A whole photo calendar in one command: the template, a folder of pictures
// and the United Kingdom's holidays make thirteen A4 pages, the first
// showing the first picture.
TEST_F(Templates, APhotoCalendarIsOneCommand)
{
    ASSERT_TRUE(QDir(Folder.path()).mkdir(u"photos"_s));
    for (int i = 1; i <= 13; ++i) {
        QImage photo(60, 40, QImage::Format_RGB32);
        photo.fill(i == 1 ? QColor(200, 30, 30) : QColor(30, 30, 200));
        ASSERT_TRUE(photo.save(Path(u"photos/%1.bmp"_s.arg(i, 2, 10, QChar(u'0'))), "BMP"));
    }
    const QString pdf = Path(u"calendar.pdf"_s);
    const TJobResult run =
        Run({u"--template"_s, u"Wall photo calendar A4"_s, u"--count"_s, u"13"_s, u"--pictures"_s,
             Path(u"photos"_s), u"--fill"_s, u"holidays:UK"_s, u"-o"_s, pdf});
    ASSERT_TRUE(run.Error.isEmpty()) << run.Error.toStdString();
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(PdfPageCount(file.readAll()), 13);
    const QImage first = RasterisedFirstPage(pdf, Folder.path(), 24);
    if (first.isNull())
        GTEST_SKIP() << "pdftoppm is not available";
    // The middle of the photo frame, a quarter down the A4 page.
    const QColor shown = first.pixelColor(first.width() / 2, first.height() / 4);
    EXPECT_GT(shown.red(), 150);
    EXPECT_LT(shown.blue(), 80);
}

TEST(TemplateFolder, NamesComeInTheCatalogsOrderThenByName)
{
    QTemporaryDir program;
    ASSERT_TRUE(QDir(program.path()).mkdir(u"Templates"_s));
    EXPECT_TRUE(TemplateNames(program.path() + u"/none"_s).isEmpty());
    for (const QString &file : {u"zeta.DWC"_s, u"Alpha.dwc"_s, u"Desk calendar.dwc"_s,
                                u"Day planner.dwc"_s, u"notes.txt"_s}) {
        QFile written(program.filePath(u"Templates/"_s + file));
        ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    }
    EXPECT_EQ(TemplateNames(program.path()),
              (QStringList{u"Desk calendar"_s, u"Day planner"_s, u"Alpha"_s, u"zeta"_s}));
    EXPECT_TRUE(TemplateFile(program.path(), u"desk CALENDAR"_s).endsWith(u"/Desk calendar.dwc"_s));
    EXPECT_TRUE(TemplateFile(program.path(), u"ZETA"_s).endsWith(u"/zeta.DWC"_s));
    for (const QString &missing : {u"notes"_s, u""_s, u"../Templates/Alpha"_s, u"Alpha.dwc"_s})
        EXPECT_TRUE(TemplateFile(program.path(), missing).isEmpty()) << missing.toStdString();
    EXPECT_EQ(TemplateTitle(u"zeta"_s), u"zeta"_s) << "a name of the user's own is shown as it is";
}
