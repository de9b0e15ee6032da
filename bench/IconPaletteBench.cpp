#include "IconListBox.h"
#include "Yardstick.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>

namespace {

// The largest icon library the program ships, beside it or in its bonus
// sets; the goal is loading it and drawing the palette's list in 50 ms.
QString LargestLibrary()
{
    QString largest;
    qint64 size = -1;
    QDirIterator files(QStringLiteral(DW_PROGRAM_DIR), {QStringLiteral("*.icl")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QFileInfo file(files.next());
        if (file.size() > size) {
            size = file.size();
            largest = file.filePath();
        }
    }
    return largest;
}

// The palette's list (three icons by three) loads the library anew and is
// drawn whole; with caching, only the icons drawn are extracted.
void LoadAndDraw(benchmark::State &state, bool caching)
{
    const QString library = LargestLibrary();
    if (library.isEmpty()) {
        state.SkipWithError("no icon library in the program folder");
        return;
    }
    TIconListBox list;
    list.SetXIcons(3);
    list.SetYIcons(3);
    list.resize(132, 132);
    list.SetEnableCaching(caching);
    QImage target(list.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        list.SetFileName(QString());
        list.SetFileName(library);
        list.render(&target);
    }
    state.SetLabel(QFileInfo(library).fileName().toStdString() + ", " +
                   std::to_string(list.NumberOfIcons()) + " icons");
}

void BM_LoadAndDrawLargestLibrary(benchmark::State &state)
{
    LoadAndDraw(state, true);
}

void BM_LoadAndDrawLargestLibraryUncached(benchmark::State &state)
{
    LoadAndDraw(state, false);
}

} // namespace

BENCHMARK(BM_g0_BareMonthGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndDrawLargestLibrary)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadAndDrawLargestLibraryUncached)->Unit(benchmark::kMillisecond);
