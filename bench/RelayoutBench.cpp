#include "CalendarPage.h"

#include <benchmark/benchmark.h>

// One Relayout of the page for each of the 22 layouts, on Letter and A4.
static void BM_Relayout(benchmark::State &state)
{
    TCalendarPage page;
    page.SetPaperSize(int(state.range(1)));
    page.SetCalendarLayout(TCalendarLayout(state.range(0)));
    for (auto _ : state) {
        page.Relayout(true);
        benchmark::DoNotOptimize(page.MainRect());
    }
    state.SetLabel(CalendarLayoutName(page.CalendarLayout()).toStdString());
}
BENCHMARK(BM_Relayout)
    ->ArgsProduct({benchmark::CreateDenseRange(0, CalendarLayoutCount - 1, 1), {0, 1}});
