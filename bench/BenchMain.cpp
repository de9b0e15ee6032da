#include "HeapTuning.h"

#include <QApplication>

#include <benchmark/benchmark.h>

// Every benchmark program runs headless in an application that can lay out
// text and make widgets.
int main(int argc, char **argv)
{
    KeepFreedMemory();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
