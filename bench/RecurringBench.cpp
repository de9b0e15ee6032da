#include "CalendarPage.h"
#include "CellAppend.h"
#include "HolidaySets.h"
#include "ICalendarImport.h"
#include "RecurringDescription.h"
#include "RecurringFile.h"
#include "RecurringFormula.h"
#include "RecurringList.h"
#include "RecurringResolve.h"
#include "RtfDocument.h"

#include <QDate>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// One line of each kind in turn, with names of realistic length.
QString SampleLine(int i)
{
    const QString name = QStringLiteral("Recurring date number %1 of the list").arg(i);
    switch (i % 6) {
    case 0:
        return MakeEntry(name, MakeDayOfMonthFormula(1 + i % 28, i % 13));
    case 1:
        return MakeEntry(name, MakeSpecialFormula(i % 6, i % 8, i % 13));
    case 2:
        return MakeEntry(name, QStringLiteral("%") + QString::number(1 + i % 7));
    case 3:
        return PadToWidth(name, NameWidth) + QStringLiteral("#EASTER+%1").arg(i % 60);
    case 4:
        return MakeEntry(name, QStringLiteral("&%1%2<%3")
                                   .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                   .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                                   .arg(i % 7));
    default:
        return MakeEntry(name, QStringLiteral("&%1%2+21")
                                   .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                   .arg(1 + i % 28, 2, 10, QLatin1Char('0')));
    }
}

QStringList SampleLines(int count)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(SampleLine(i));
    return lines;
}

// Reading "DWRECUR.DAX" of 10,000 lines, sorting it as the editor lists it
// and describing every line.
void BM_ReadAndDescribe10000Lines(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("DWRECUR.DAX"));
    if (WriteRecurringFile(fileName, SampleLines(10000))) {
        state.SkipWithError("cannot write the file");
        return;
    }
    for (auto _ : state) {
        const TRecurringList list(ReadRecurringFile(fileName).Lines);
        qsizetype characters = 0;
        for (const QString &line : list.Lines())
            characters += DescribeEntry(line).size();
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(BM_ReadAndDescribe10000Lines)->Unit(benchmark::kMillisecond);

TWPCharAttr DefaultFont(TWPRTFTextPaint &document, const TWPCharAttr &current)
{
    TWPCharAttr attr = current;
    attr.Font = FontIndexOfFace(document, QStringLiteral("Arial"));
    attr.Size = 10;
    return attr;
}

// Filling November 2024 from 500 formulas: the pre-selection, the days of
// each line and the lines appended to the cells' rich text.
void BM_FillMonthFrom500Formulas(benchmark::State &state)
{
    const QStringList lines = SampleLines(500);
    for (auto _ : state) {
        state.PauseTiming();
        TCalendarPage page;
        page.ResetStyle(QDate(2024, 11, 1));
        state.ResumeTiming();
        const QList<TDayLine> dayLines = DayLines(PreselectForMonth(lines, 11, 2024), 11, 2024);
        state.counters["puts"] = AppendLinesToDays(page, dayLines, DefaultFont);
    }
}
BENCHMARK(BM_FillMonthFrom500Formulas)->Unit(benchmark::kMillisecond);

// Every holiday set the dialog offers, listed and read.
void BM_LoadHolidaySets(benchmark::State &state)
{
    const QString folder = QStringLiteral(DW_PROGRAM_DIR);
    for (auto _ : state) {
        int lines = 0;
        for (const THolidaySet &set : HolidaySets(folder))
            lines += int(HolidaySetLines(set).Lines.size());
        state.counters["lines"] = lines;
    }
}
BENCHMARK(BM_LoadHolidaySets)->Unit(benchmark::kMillisecond);

// An iCalendar file of 2,000 events of every supported and some unsupported
// kinds.
QByteArray SampleCalendar(int events)
{
    static const char *rules[] = {"FREQ=YEARLY",
                                  "FREQ=YEARLY;BYMONTH=11;BYDAY=4TH",
                                  "FREQ=MONTHLY;BYMONTHDAY=15",
                                  "FREQ=WEEKLY;BYDAY=MO,WE,FR",
                                  "FREQ=YEARLY;BYMONTH=5;BYMONTHDAY=18,19,20,21,22,23,24;BYDAY=MO",
                                  "FREQ=YEARLY;INTERVAL=2",
                                  "",
                                  "FREQ=MONTHLY;BYDAY=-1FR"};
    QByteArray bytes = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Bench//EN\r\n";
    for (int i = 0; i < events; ++i) {
        bytes += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) + "@bench\r\n";
        bytes += "DTSTAMP:20240101T000000Z\r\n";
        bytes +=
            "SUMMARY:Event number " + QByteArray::number(i) + " with a longer\\, escaped name\r\n";
        bytes +=
            "DTSTART;VALUE=DATE:" +
            QDate(2024, 1 + i % 12, 1 + i % 28).toString(QStringLiteral("yyyyMMdd")).toLatin1() +
            "\r\n";
        const char *rule = rules[i % 8];
        if (*rule)
            bytes += QByteArray("RRULE:") + rule + "\r\n";
        bytes += "DESCRIPTION:A description long enough to be folded over more than one line of "
                 "the file\r\n as calendar programs write them.\r\n";
        bytes += "END:VEVENT\r\n";
    }
    bytes += "END:VCALENDAR\r\n";
    return bytes;
}

void BM_ImportICalendar2000Events(benchmark::State &state)
{
    const QByteArray bytes = SampleCalendar(2000);
    for (auto _ : state) {
        const TICalendarImport import = ImportICalendar(bytes);
        state.counters["entries"] = double(import.Lines.size());
        state.counters["unsupported"] = double(import.Unsupported.size());
    }
}
BENCHMARK(BM_ImportICalendar2000Events)->Unit(benchmark::kMillisecond);

} // namespace
