#include "RecoveryFile.h"
#include "TestObject.h"
#include "UndoHistory.h"
#include "Yardstick.h"

#include <QTemporaryDir>

namespace {

// The month grid page with its 42 cells filled and 50 test objects.
void MakeFullPage(TCalendarPage &page)
{
    MakeBenchPage(page, LOFullCalendarLS, true);
    page.ObjectClasses().Register(TTestObject::Class());
    for (int i = 0; i < 50; ++i) {
        page.Objects()
            .Insert(MakeTestObject(40 + 90 * (i % 10), 60 + 30 * (i / 10), 60, 20))
            .SetName(QStringLiteral("Component%1").arg(i));
    }
}

// One recorded change on the full page, undone and redone: two steps an
// iteration, so the figure for one step is half the time shown.
void UndoAndRedo(benchmark::State &state, const std::function<void(TCalendarPage &)> &change)
{
    TCalendarPage page;
    MakeFullPage(page);
    TUndoHistory history;
    history.Reset(page, true);
    change(page);
    history.Record(page);
    for (auto _ : state) {
        history.Undo(page);
        history.Redo(page);
    }
    state.SetItemsProcessed(2 * state.iterations());
}

} // namespace

BENCHMARK(BM_g0_BareMonthGrid);

// Undo and redo of an object moved: the 50 objects are read back.
static void BM_UndoRedoObjectMove(benchmark::State &state)
{
    UndoAndRedo(state, [](TCalendarPage &page) {
        TLumGraphicControl &object = *page.Objects().At(7);
        object.SetObjectBounds(object.Left() + 30, object.Top() + 9, object.Width(),
                               object.Height());
    });
}
BENCHMARK(BM_UndoRedoObjectMove);

// Undo and redo of text put into one filled cell.
static void BM_UndoRedoCellText(benchmark::State &state)
{
    UndoAndRedo(state, [](TCalendarPage &page) {
        TWPRtfStorage cell;
        page.GetCellText(12, cell);
        cell.RtfText().Clear();
        page.SetCellText(12, cell);
    });
}
BENCHMARK(BM_UndoRedoCellText);

// What every change costs: the page taken in its parts and compared.
static void BM_RecordChange(benchmark::State &state)
{
    TCalendarPage page;
    MakeFullPage(page);
    TUndoHistory history;
    history.Reset(page, true);
    int left = 0;
    for (auto _ : state) {
        left = (left + 1) % 200;
        page.Objects().At(3)->SetObjectBounds(left, 100, 60, 20);
        history.Record(page);
    }
}
BENCHMARK(BM_RecordChange);

// A recovery write: with MainThreadOnly its cost on the main thread, the
// copy of the history's parts handed to the writer's thread (the writing
// itself not timed); without, the whole write, for comparison.
template <bool MainThreadOnly> static void BM_RecoveryWrite(benchmark::State &state)
{
    TCalendarPage page;
    MakeFullPage(page);
    TUndoHistory history;
    history.Reset(page, true);
    QTemporaryDir folder;
    TRecoveryWriter writer(folder.path());
    for (auto _ : state) {
        writer.Write({QStringLiteral("/home/me/May.DWC"), history.Current()});
        if (MainThreadOnly)
            state.PauseTiming();
        writer.WaitForDone();
        if (MainThreadOnly)
            state.ResumeTiming();
    }
}
BENCHMARK_TEMPLATE(BM_RecoveryWrite, true)->Name("BM_RecoveryWriteOnTheMainThread");
BENCHMARK_TEMPLATE(BM_RecoveryWrite, false)->Name("BM_RecoveryWriteWhole");
