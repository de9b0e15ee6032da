// A photo calendar written into one PDF file: an A4 month page whose picture
// changes from page to page, filled from a folder of 12-megapixel JPEGs
// (the goal: 13 pages in at most 3 s and 500 MB, memory not growing with the
// pages). Run each page count in its own process for its peak memory:
//   dw_bench_photo_calendar --benchmark_filter='/pages:13'

#include "CalendarPage.h"
#include "CalendarSet.h"
#include "LumImage.h"
#include "PagePictures.h"
#include "PdfExport.h"
#include "ProgramFolder.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

constexpr int Photos = 13;

// A photo of 4000 x 3000 pixels with detail a camera's would have: a
// gradient under a grid of coloured squares, so the JPEG is not trivially
// small.
QImage Photo(int number)
{
    QImage photo(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, 4000, 3000);
    sky.setColorAt(0, QColor::fromHsv(number * 25 % 360, 120, 240));
    sky.setColorAt(1, QColor::fromHsv((number * 25 + 180) % 360, 200, 90));
    painter.fillRect(photo.rect(), sky);
    for (int y = 0; y < 3000; y += 50)
        for (int x = (y / 50) % 2 * 25; x < 4000; x += 75)
            painter.fillRect(x, y, 20, 20, QColor::fromHsv((x + y + number) % 360, 180, 200));
    return photo;
}

// The folder of photos, written once for every run.
const QTemporaryDir &PhotoFolder()
{
    static const QTemporaryDir folder;
    static const bool written = [] {
        for (int number = 1; number <= Photos; ++number)
            Photo(number).save(folder.filePath(QStringLiteral("%1.jpg").arg(number)), "JPEG", 90);
        return true;
    }();
    (void)written;
    return folder;
}

void BM_PhotoCalendarToPdf(benchmark::State &state)
{
    // JPEGs are read by the picture library beside the program.
    SetProgramFolder(QStringLiteral(DW_PROGRAM_DIR));
    const TPagePicturesRead photos = ReadPagePictures(PhotoFolder().path());
    if (photos.Files.size() != Photos) {
        state.SkipWithError(("the photos are missing: " + photos.Error).toStdString().c_str());
        return;
    }
    TCalendarPage document;
    document.ResetStyle(QDate(2027, 1, 1));
    document.SetPaperSize(1);
    document.SetCalendarLayout(loFullCalendar);
    auto picture = std::make_unique<TLumImage>();
    picture->SetObjectBounds(20, 20, 700, 420);
    picture->SetFit(ifFill);
    picture->SetPicturePerPage(true);
    document.Objects().Insert(std::move(picture));
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("photos.pdf"));
    for (auto _ : state) {
        TCalendarSet set(document, QDate(2027, 1, 1), int(state.range(0)), {});
        set.SetPagePictures(photos.Files);
        const auto page = set.Page(0);
        int index = 0;
        const auto nextPage = [&set, &index](TCalendarPage &sheet) {
            set.MovePage(sheet, ++index);
        };
        if (SavePageAsPdf(*page, file, QStringLiteral("2027"), set.Count(), nextPage)) {
            state.SkipWithError("cannot write the PDF");
            return;
        }
        if (!set.UnreadPictures().isEmpty()) {
            state.SkipWithError(set.UnreadPictures().join(u' ').toStdString().c_str());
            return;
        }
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024;
}
BENCHMARK(BM_PhotoCalendarToPdf)
    ->ArgName("pages")
    ->Arg(4)
    ->Arg(13)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace
