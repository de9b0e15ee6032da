#include "CalendarPage.h"
#include "LumFlatCalendar.h"
#include "TestObject.h"
#include "Yardstick.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// The month grid page with twelve floating calendars, a year of months, in
// four rows of three.
void PlaceTwelveCalendars(TCalendarPage &page)
{
    TRecordingView view;
    view.ToolOn = psFlatCalendar;
    page.SetView(&view);
    for (int month = 1; month <= 12; ++month) {
        const int left = 40 + 220 * ((month - 1) % 3);
        const int top = 40 + 170 * ((month - 1) / 3);
        page.CreateObjectInRect({left, top, left + 200, top + 150});
        auto &calendar = static_cast<TLumFlatCalendar &>(*page.Objects().At(month - 1));
        calendar.SetMonth(month);
        calendar.SetYear(2025);
        calendar.SetShadowDepth(3);
    }
    page.SetView(nullptr);
}

void PaintCalendars(QPainter &painter, const TCalendarPage &page)
{
    page.PaintObjects(painter, {0, 0, page.Width(), page.Height()});
}

} // namespace

BENCHMARK(BM_g0_BareMonthGrid);

// The twelve calendars painted again with nothing changed since the last
// paint: what a scroll or an uncovered window asks for.
static void BM_TwelveFloatingCalendarsWarm(benchmark::State &state)
{
    TCalendarPage page;
    MakeBenchPage(page, LOFullCalendarLS, false);
    PlaceTwelveCalendars(page);
    QImage image(page.Width(), page.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PaintCalendars(painter, page);
    for (auto _ : state)
        PaintCalendars(painter, page);
}
BENCHMARK(BM_TwelveFloatingCalendarsWarm);

// The first paint of the twelve after each of them changed: every one laid
// out and drawn anew.
static void BM_TwelveFloatingCalendarsCold(benchmark::State &state)
{
    TCalendarPage page;
    MakeBenchPage(page, LOFullCalendarLS, false);
    PlaceTwelveCalendars(page);
    QImage image(page.Width(), page.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    int year = 2025;
    for (auto _ : state) {
        year = year == 2025 ? 2026 : 2025;
        for (TLumGraphicControl *object : page.Objects().Objects())
            static_cast<TLumFlatCalendar *>(object)->SetYear(year);
        PaintCalendars(painter, page);
    }
}
BENCHMARK(BM_TwelveFloatingCalendarsCold);
