#include "LumImage.h"
#include "PaintCache.h"
#include "PictureFiles.h"
#include "ProgramFolder.h"
#include "TestObject.h"
#include "Yardstick.h"

#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int photoWidth = 4000;
constexpr int photoHeight = 3000;
constexpr float zoom = 0.6f;

// The memory the process holds, in bytes.
double ResidentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * 4096 : 0;
}

// A 4000 x 3000 JPEG photograph-like picture (gradients and shapes) in folder.
QString WritePhoto(const QString &folder)
{
    QImage photo(photoWidth, photoHeight, QImage::Format_RGB32);
    QPainter painter(&photo);
    QLinearGradient sky(0, 0, photoWidth, photoHeight);
    sky.setColorAt(0, QColor(40, 90, 200));
    sky.setColorAt(1, QColor(250, 200, 120));
    painter.fillRect(photo.rect(), sky);
    painter.setBrush(QColor(30, 120, 40));
    painter.drawEllipse(QRect(500, 1800, 3000, 2400));
    painter.end();
    const QString fileName = folder + QStringLiteral("/photo.jpg");
    QImageWriter(fileName, "jpeg").write(photo);
    return fileName;
}

// The month grid page at 60 % holding the photograph, read through the
// picture library and stretched over most of the page.
struct TPhotoPage
{
    TPhotoPage()
    {
        SetProgramFolder(QStringLiteral(DW_PROGRAM_DIR));
        MakeBenchPage(Page, LOFullCalendarLS, false);
        View.SetZoom(zoom);
        const QString file = WritePhoto(Folder.path());
        const double before = ResidentBytes();
        QString error;
        auto image = std::make_unique<TLumImage>();
        image->SetObjectBounds(60, 60, 900, 675);
        image->SetPicture(LoadPictureFile(file, error).value_or(TLumPicture()));
        image->FinishLoad();
        Photo = &static_cast<TLumImage &>(Page.Objects().Insert(std::move(image)));
        Canvas = QImage(Page.Width(), Page.Height(), QImage::Format_RGB32);
        Repaint();
        HeldBytes = ResidentBytes() - before;
    }

    void Repaint()
    {
        QPainter painter(&Canvas);
        PaintPage(painter, Page, Cache);
        Page.PaintObjects(painter, {0, 0, Page.Width(), Page.Height()});
    }

    QTemporaryDir Folder;
    TCalendarPage Page;
    TRecordingView View{Page};
    TPaintCache Cache;
    TLumImage *Photo = nullptr;
    QImage Canvas;
    double HeldBytes = 0;
};

} // namespace

BENCHMARK(BM_g0_BareMonthGrid);

// The page repainted once its picture's copy for the zoom is made: the
// figure to hold against g0. The counters give the memory the picture
// holds against its decoded size.
static void BM_PhotoPageRepaintWarm(benchmark::State &state)
{
    TPhotoPage photo;
    for (auto _ : state)
        photo.Repaint();
    const QImage &decoded = photo.Photo->Picture().Image();
    state.counters["decoded_MB"] = double(decoded.sizeInBytes()) / 1e6;
    state.counters["held_MB"] = photo.HeldBytes / 1e6;
    state.counters["held_per_decoded"] = photo.HeldBytes / double(decoded.sizeInBytes());
}
BENCHMARK(BM_PhotoPageRepaintWarm);

// The first repaint after the zoom changed: the copy is made again.
static void BM_PhotoPageRepaintAfterZoom(benchmark::State &state)
{
    TPhotoPage photo;
    float scale = zoom;
    for (auto _ : state) {
        scale = scale == zoom ? 0.7f : zoom;
        photo.View.SetZoom(scale);
        photo.Repaint();
    }
}
BENCHMARK(BM_PhotoPageRepaintAfterZoom)->Unit(benchmark::kMillisecond);
