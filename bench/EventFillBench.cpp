// Filling a page from an iCalendar file: one month of a calendar of 10,000
// events, a third of them repeating (the goal: at most 30 ms), and a year
// of a weekly event (the goal: at most 1 ms). Reading the file is timed
// apart: a set reads it once for all its pages.

#include "CalendarPage.h"
#include "CellAppend.h"
#include "EventOccurrences.h"
#include "ICalendarEvents.h"

#include <QDate>

#include <benchmark/benchmark.h>

namespace {

// Birthdays, paydays, weekly meetings and one-off appointments over a few
// years, as a calendar program exports a busy calendar.
QByteArray BusyCalendar(int events)
{
    QByteArray bytes = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//EN\r\n";
    const char *const rules[] = {"FREQ=YEARLY", "FREQ=MONTHLY;BYMONTHDAY=15",
                                 "FREQ=WEEKLY;BYDAY=TU,TH", "FREQ=MONTHLY;BYDAY=-1FR"};
    for (int i = 0; i < events; ++i) {
        const QDate day = QDate(2024, 1, 1).addDays(i % 1100);
        bytes += "BEGIN:VEVENT\r\nUID:event-" + QByteArray::number(i) + "@bench\r\n";
        bytes += "SUMMARY:Event number " + QByteArray::number(i) + "\\, with a name\r\n";
        if (i % 3 == 0) {
            bytes += "DTSTART;VALUE=DATE:" + day.toString(u"yyyyMMdd").toLatin1() + "\r\n";
            bytes += QByteArray("RRULE:") + rules[(i / 3) % 4] + "\r\n";
        } else {
            bytes += "DTSTART:" + day.toString(u"yyyyMMdd").toLatin1() + "T" +
                     QByteArray::number(100000 + (i % 10) * 10000) + "\r\n";
            bytes += "DURATION:PT1H\r\n";
        }
        bytes += "END:VEVENT\r\n";
    }
    return bytes + "END:VCALENDAR\r\n";
}

void BM_ReadCalendar10000Events(benchmark::State &state)
{
    const QByteArray bytes = BusyCalendar(10000);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadICalendar(bytes));
}
BENCHMARK(BM_ReadCalendar10000Events)->Unit(benchmark::kMillisecond);

void BM_FillMonthFrom10000Events(benchmark::State &state)
{
    const TICalendarRead read = ReadICalendar(BusyCalendar(10000));
    TCalendarPage page;
    page.ResetStyle(QDate(2025, 6, 1));
    TEventTextOptions options;
    options.Zone = QTimeZone::utc();
    for (auto _ : state) {
        state.PauseTiming();
        TCalendarPage filled;
        filled.AssignStyle(page);
        filled.SetMainCalYear(2025);
        filled.SetMainCalMonth(6);
        state.ResumeTiming();
        const QList<TDayLine> lines = EventDayLines(*read.Calendar, 6, 2025, options);
        state.counters["lines"] = double(AppendLinesToDays(filled, lines, {}));
    }
}
BENCHMARK(BM_FillMonthFrom10000Events)->Unit(benchmark::kMillisecond);

void BM_YearOfAWeeklyEvent(benchmark::State &state)
{
    const TICalendarRead read = ReadICalendar(
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:w\r\nSUMMARY:Choir\r\n"
        "DTSTART:20150107T193000\r\nRRULE:FREQ=WEEKLY\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    for (auto _ : state) {
        const auto days =
            EventDays(*read.Calendar, QDate(2026, 1, 1), QDate(2026, 12, 31), QTimeZone::utc());
        state.counters["days"] = double(days.size());
    }
}
BENCHMARK(BM_YearOfAWeeklyEvent)->Unit(benchmark::kMicrosecond);

} // namespace
