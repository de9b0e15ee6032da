#include "EventOccurrences.h"

#include "ICalendarEvents.h"
#include "ICalendarExport.h"
#include "ICalendarImport.h"
#include "ICalendarLibrary.h"
#include "RecurringFormula.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

QByteArray Calendar(const QByteArray &events)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n" + events +
           "END:VCALENDAR\r\n";
}

// The lines of month in year, "day text" each, in a zone of fixed offset.
QStringList Lines(const QByteArray &events, int month, int year, int offsetHours = 0,
                  bool ages = false)
{
    const TICalendarRead read = ReadICalendar(Calendar(events));
    EXPECT_TRUE(read.Calendar) << read.Error.toStdString();
    if (!read.Calendar)
        return {};
    TEventTextOptions options;
    options.Zone = QTimeZone(offsetHours * 3600);
    options.Ages = ages;
    QStringList lines;
    for (const TDayLine &line : EventDayLines(*read.Calendar, month, year, options))
        lines << QStringLiteral("%1 %2").arg(line.Day).arg(line.Text);
    return lines;
}

} // namespace

TEST(EventOccurrences, OneOffTimedAndSeveralDays)
{
    const QByteArray events =
        "BEGIN:VEVENT\r\nUID:a\r\nSUMMARY:Party\r\nDTSTART;VALUE=DATE:20261222\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Club meeting\r\nDTSTART:20261203T180000\r\n"
        "DTEND:20261203T200000\r\nRRULE:FREQ=MONTHLY;BYDAY=1TH\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:c\r\nSUMMARY:Ski trip\r\nDTSTART;VALUE=DATE:20261229\r\n"
        "DTEND;VALUE=DATE:20270103\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:d\r\nSUMMARY:Night train\r\nDTSTART:20261203T220000\r\n"
        "DURATION:PT10H\r\nEND:VEVENT\r\n";
    // Regression: a one-off event was taken as yearly; a timed one lost its
    // time.
    EXPECT_EQ(Lines(events, 12, 2026),
              QStringList({"3 6:00 PM Club meeting", "3 10:00 PM Night train", "4 Night train",
                           "22 Party", "29 Ski trip", "30 Ski trip", "31 Ski trip"}));
    EXPECT_EQ(Lines(events, 1, 2027),
              QStringList({"1 Ski trip", "2 Ski trip", "7 6:00 PM Club meeting"}));
    EXPECT_TRUE(Lines(events, 12, 2027).filter(QStringLiteral("Party")).isEmpty());
}

TEST(EventOccurrences, TimesAreTakenOnThePagesClock)
{
    const QByteArray events =
        "BEGIN:VEVENT\r\nUID:z\r\nSUMMARY:Call\r\nDTSTART:20260701T230000Z\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:f\r\nSUMMARY:Lunch\r\nDTSTART:20260701T120000\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:t\r\nSUMMARY:Berlin\r\n"
        "DTSTART;TZID=Europe/Berlin:20260701T090000\r\nEND:VEVENT\r\n";
    // UTC and zoned times move to the page's zone; a floating time stays.
    EXPECT_EQ(Lines(events, 7, 2026, 0),
              QStringList({"1 7:00 AM Berlin", "1 12:00 PM Lunch", "1 11:00 PM Call"}));
    EXPECT_EQ(Lines(events, 7, 2026, 2),
              QStringList({"1 9:00 AM Berlin", "1 12:00 PM Lunch", "2 1:00 AM Call"}));
}

TEST(EventOccurrences, TimeZoneBlocksOfTheFile)
{
    const QByteArray events =
        "BEGIN:VTIMEZONE\r\nTZID:My Zone\r\n"
        "BEGIN:STANDARD\r\nDTSTART:16011104T020000\r\nRRULE:FREQ=YEARLY;BYDAY=1SU;BYMONTH=11\r\n"
        "TZOFFSETFROM:-0400\r\nTZOFFSETTO:-0500\r\nEND:STANDARD\r\n"
        "BEGIN:DAYLIGHT\r\nDTSTART:16010311T020000\r\nRRULE:FREQ=YEARLY;BYDAY=2SU;BYMONTH=3\r\n"
        "TZOFFSETFROM:-0500\r\nTZOFFSETTO:-0400\r\nEND:DAYLIGHT\r\nEND:VTIMEZONE\r\n"
        "BEGIN:VEVENT\r\nUID:w\r\nSUMMARY:Standup\r\nDTSTART;TZID=My Zone:20260105T090000\r\n"
        "RRULE:FREQ=WEEKLY\r\nEND:VEVENT\r\n";
    // 9:00 in New York's rules: 14:00 UTC in winter, 13:00 in summer.
    EXPECT_EQ(Lines(events, 3, 2026).mid(0, 3),
              QStringList({"2 2:00 PM Standup", "9 1:00 PM Standup", "16 1:00 PM Standup"}));
}

TEST(EventOccurrences, ExceptionsOverridesAndCancelledOccurrences)
{
    const QByteArray events =
        "BEGIN:VEVENT\r\nUID:g\r\nSUMMARY:Gym\r\nDTSTART;VALUE=DATE:20260302\r\n"
        "RRULE:FREQ=WEEKLY;COUNT=5\r\nEXDATE;VALUE=DATE:20260309\r\n"
        "RDATE;VALUE=DATE:20260311\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:g\r\nSUMMARY:Gym (moved)\r\nRECURRENCE-ID;VALUE=DATE:20260316\r\n"
        "DTSTART;VALUE=DATE:20260317\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:g\r\nSUMMARY:Gym\r\nRECURRENCE-ID;VALUE=DATE:20260323\r\n"
        "DTSTART;VALUE=DATE:20260323\r\nSTATUS:CANCELLED\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:x\r\nSUMMARY:Called off\r\nDTSTART;VALUE=DATE:20260305\r\n"
        "STATUS:CANCELLED\r\nEND:VEVENT\r\n";
    EXPECT_EQ(Lines(events, 3, 2026), QStringList({"2 Gym", "11 Gym", "17 Gym (moved)", "30 Gym"}));
    EXPECT_TRUE(Lines(events, 4, 2026).isEmpty());
}

TEST(EventOccurrences, AgesOfYearlyEventsWhenAskedFor)
{
    const QByteArray events =
        "BEGIN:VEVENT\r\nUID:a\r\nSUMMARY:Anna's birthday\r\nDTSTART;VALUE=DATE:19800412\r\n"
        "RRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Ben's birthday\r\n"
        "DTSTART;VALUE=DATE;X-APPLE-OMIT-YEAR=1604:16040420\r\nRRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:c\r\nSUMMARY:Rent\r\nDTSTART;VALUE=DATE:20200401\r\n"
        "RRULE:FREQ=MONTHLY\r\nEND:VEVENT\r\n";
    EXPECT_EQ(Lines(events, 4, 2026, 0, true),
              QStringList({"1 Rent", "12 Anna's birthday (46)", "20 Ben's birthday"}));
    EXPECT_EQ(Lines(events, 4, 2026, 0, false),
              QStringList({"1 Rent", "12 Anna's birthday", "20 Ben's birthday"}));
    EXPECT_EQ(Lines(events, 4, 1980, 0, true),
              QStringList({"12 Anna's birthday", "20 Ben's birthday"}));
}

TEST(EventOccurrences, RulesWithoutEndAreExpandedOnlyOverThePage)
{
    const QByteArray events =
        "BEGIN:VEVENT\r\nUID:s\r\nSUMMARY:Tick\r\nDTSTART:19000101T000000Z\r\n"
        "RRULE:FREQ=SECONDLY\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:h\r\nSUMMARY:Never\r\nDTSTART:20000101T000000Z\r\n"
        "RRULE:FREQ=HOURLY;BYMONTH=2;BYMONTHDAY=30\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:m\r\nSUMMARY:Minutes\r\nDTSTART:20000101T000000Z\r\n"
        "RRULE:FREQ=MINUTELY;BYMONTH=2;BYMONTHDAY=30\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:c\r\nSUMMARY:Counted\r\nDTSTART:19000101T000000Z\r\n"
        "RRULE:FREQ=MINUTELY;COUNT=2000000000\r\nEND:VEVENT\r\n";
    // A rule of seconds shows once a day, at its first second.
    const QStringList lines = Lines(events, 2, 2026);
    EXPECT_EQ(lines.size(), 28);
    EXPECT_EQ(lines.first(), QStringLiteral("1 12:00 AM Tick"));
}

// Regression: rules crossing every month with every day of the month were
// made into every pair before the repeats went (1,000 events took 14 s).
TEST(EventOccurrences, MonthTimesDayRulesAreNotMadeIntoEveryPair)
{
    // 64 of each, as the fault had them (libical holds at most 12 months),
    // and every month with 28 days: each event is listed, none made.
    const auto list = [](int count, int modulo) {
        QByteArray values = "1";
        for (int i = 1; i < count; ++i)
            values += ',' + QByteArray::number(1 + i % modulo);
        return values;
    };
    const std::pair<QByteArray, const char *> rules[] = {
        {"BYMONTH=" + list(64, 12) + ";BYMONTHDAY=" + list(64, 28), "unreadable RRULE"},
        {"BYMONTH=" + list(12, 12) + ";BYMONTHDAY=" + list(28, 28), "more than 31 days"},
    };
    for (const auto &[rule, why] : rules) {
        QByteArray events;
        for (int i = 0; i < 1000; ++i)
            events += "BEGIN:VEVENT\r\nUID:" + QByteArray::number(i) + "\r\nSUMMARY:E" +
                      QByteArray::number(i) +
                      "\r\nDTSTART;VALUE=DATE:20240101\r\nRRULE:FREQ=YEARLY;" + rule +
                      "\r\nEND:VEVENT\r\n";
        const TICalendarImport import = ImportICalendar(Calendar(events));
        EXPECT_TRUE(import.Lines.isEmpty());
        ASSERT_EQ(import.Unsupported.size(), 1000);
        EXPECT_TRUE(import.Unsupported[0].contains(QLatin1String(why)))
            << import.Unsupported[0].toStdString();
    }
}

// Regression: a property name followed by 400,000 semicolons took 11 s, its
// parameters scanned from every ";" to the line's end; the whole 16 MB of
// them never finished.
TEST(EventOccurrences, ParameterSemicolonsAreReadOnce)
{
    const QByteArray line =
        "SUMMARY" + QByteArray(MaxICalendarFileSize - 200, ';') + ":Semicolons\r\n";
    const TICalendarImport import = ImportICalendar(Calendar(
        "BEGIN:VEVENT\r\nUID:s\r\n" + line + "DTSTART;VALUE=DATE:20240101\r\nEND:VEVENT\r\n"));
    EXPECT_TRUE(import.Error.isEmpty()) << import.Error.toStdString();
    EXPECT_EQ(import.Lines.size(), 1);
}

// Regression: the export of 80,000 daily events wrote 18 MB, which the
// import's own 16 MB limit refused.
TEST(EventOccurrences, WhatTheExportWritesTheImportReads)
{
    QStringList lines;
    for (int i = 0; i < 80000; ++i)
        lines << MakeEntry(QStringLiteral("Daily event number %1").arg(i),
                           MakeWeekdayFormula({true, true, true, true, true, true, true}));
    const TICalendarExport exported =
        ExportICalendar(lines, QDate(2024, 1, 1), QDateTime(QDate(2024, 1, 1), QTime()));
    ASSERT_TRUE(exported.Error.isEmpty()) << exported.Error.toStdString();
    EXPECT_LE(exported.Bytes.size(), MaxICalendarFileSize);
    const TICalendarRead read = ReadICalendar(exported.Bytes);
    ASSERT_TRUE(read.Calendar) << read.Error.toStdString();
    EXPECT_EQ(read.Calendar->Events().size(), size_t(80000));
}

TEST(EventOccurrences, BrokenFilesGiveAClearError)
{
    const std::pair<QByteArray, const char *> cases[] = {
        {"", "not an iCalendar"},
        {"hello\r\nworld\r\n", "not an iCalendar"},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n", "ends before END:VEVENT"},
        {"BEGIN:VCALENDAR\r\nEND:VEVENT\r\n", "END:VEVENT"},
        {"BEGIN:VCALENDAR\r\n" + QByteArray("BEGIN:X\r\n").repeated(100), "nested"},
        // Folded or with parameters, a BEGIN line still counts.
        {"BEGIN:VCALENDAR\r\n" + QByteArray("BEG\r\n IN;X=1:X\r\n").repeated(1000000), "nested"},
    };
    for (const auto &[bytes, why] : cases) {
        const TICalendarRead read = ReadICalendar(bytes);
        EXPECT_FALSE(read.Calendar);
        EXPECT_TRUE(read.Error.contains(QLatin1String(why))) << read.Error.toStdString();
    }
    EXPECT_FALSE(ReadICalendar(QByteArray(MaxICalendarFileSize + 1, ' ')).Error.isEmpty());
    EXPECT_FALSE(ReadICalendarFile(QStringLiteral("/no/such/file.ics")).Error.isEmpty());
}

TEST(EventOccurrences, UnsoundTimeZonesAreDropped)
{
    // An observance repeating every second would be expanded to the end of
    // time; the zone is dropped and its name looked up among the system's.
    const QByteArray events =
        "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:STANDARD\r\n"
        "DTSTART:16010101T000000\r\nRRULE:FREQ=SECONDLY\r\nTZOFFSETFROM:+0100\r\n"
        "TZOFFSETTO:+0100\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
        "BEGIN:VEVENT\r\nUID:t\r\nSUMMARY:Berlin\r\n"
        "DTSTART;TZID=Europe/Berlin:20260701T090000\r\nEND:VEVENT\r\n";
    EXPECT_EQ(Lines(events, 7, 2026, 0), QStringList({"1 7:00 AM Berlin"}));
}

// Regression (found by fuzzing): an EXDATE of no real date ("63668636")
// overflowed the moment it was compared as.
TEST(EventOccurrences, AnImpossibleExceptionLeavesEveryOccurrence)
{
    const QByteArray events =
        "BEGIN:VEVENT\r\nUID:g\r\nSUMMARY:Gym\r\nDTSTART:20260302T100000\r\n"
        "RRULE:FREQ=WEEKLY;COUNT=2\r\nEXDATE:63668636T100000\r\nEND:VEVENT\r\n";
    EXPECT_EQ(Lines(events, 3, 2026), QStringList({"2 10:00 AM Gym", "9 10:00 AM Gym"}));
}

// Events whose rules are expanded once for all of them fall on the days each
// falls on alone: every rule from several starts (all-day, floating, UTC,
// zoned), the rules that share and those that cannot (COUNT, INTERVAL),
// over months of short and leap years.
TEST(EventOccurrences, EventsSharingARuleFallAsEachAlone)
{
    // Each BY part is listed in a pair of rules that differ in it alone.
    const char *const rules[] = {"FREQ=DAILY",
                                 "FREQ=DAILY;BYSECOND=5",
                                 "FREQ=DAILY;BYMINUTE=0,30",
                                 "FREQ=DAILY;BYHOUR=8,20",
                                 "FREQ=DAILY;BYMONTH=6;BYDAY=SA",
                                 "FREQ=WEEKLY",
                                 "FREQ=WEEKLY;BYDAY=MO,WE",
                                 "FREQ=WEEKLY;WKST=SU;BYDAY=SU,SA",
                                 "FREQ=WEEKLY;BYDAY=MO,TU,WE;BYSETPOS=-1",
                                 "FREQ=WEEKLY;UNTIL=20260115",
                                 "FREQ=MONTHLY",
                                 "FREQ=MONTHLY;BYMONTHDAY=31",
                                 "FREQ=MONTHLY;BYMONTHDAY=15",
                                 "FREQ=MONTHLY;BYDAY=-1FR",
                                 "FREQ=MONTHLY;BYDAY=1MO",
                                 "FREQ=MONTHLY;BYDAY=2TU;BYMONTH=3,9",
                                 "FREQ=MONTHLY;BYMONTHDAY=1,15;BYDAY=MO",
                                 "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1",
                                 "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=1",
                                 "FREQ=MONTHLY;BYMONTH=2,12",
                                 "FREQ=YEARLY",
                                 "FREQ=YEARLY;BYMONTH=3",
                                 "FREQ=YEARLY;BYDAY=20MO",
                                 "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29",
                                 "FREQ=YEARLY;BYWEEKNO=10;BYDAY=TH",
                                 "FREQ=YEARLY;BYWEEKNO=20;BYDAY=TH",
                                 "FREQ=YEARLY;BYYEARDAY=100,-1",
                                 "FREQ=YEARLY;BYMONTH=11;BYDAY=4TH",
                                 "FREQ=MONTHLY;INTERVAL=2;BYDAY=1MO",
                                 "FREQ=WEEKLY;COUNT=80"};
    const char *const starts[] = {"DTSTART;VALUE=DATE:20230131",
                                  "DTSTART;VALUE=DATE:20240229",
                                  "DTSTART;VALUE=DATE:20241107",
                                  "DTSTART:20230605T093000",
                                  "DTSTART:20241030T230000Z\r\nDURATION:PT3H",
                                  "DTSTART;TZID=Europe/Berlin:20250316T080000",
                                  "DTSTART;VALUE=DATE:20250101\r\nDTEND;VALUE=DATE:20250104"};
    QList<QByteArray> events;
    for (const char *rule : rules) {
        for (const char *start : starts)
            events << "BEGIN:VEVENT\r\nUID:" + QByteArray::number(events.size()) +
                          "\r\nSUMMARY:E\r\n" + start + "\r\nRRULE:" + rule + "\r\nEND:VEVENT\r\n";
    }
    using TFound = std::tuple<QDate, int, int, int>;
    const auto found = [](const TEventCalendar &calendar, QDate first, QDate last, int event,
                          std::vector<TFound> &days) {
        for (const TEventDay &day : EventDays(calendar, first, last, QTimeZone(3600)))
            days.emplace_back(day.Day, day.Time ? day.Time->msecsSinceStartOfDay() : -1,
                              event < 0 ? day.Event : event, day.Age);
        std::sort(days.begin(), days.end());
    };
    std::vector<std::shared_ptr<const TEventCalendar>> calendars;
    for (const QByteArray &event : events)
        calendars.push_back(ReadICalendar(Calendar(event)).Calendar);
    const TICalendarRead all = ReadICalendar(Calendar(events.join()));
    const std::pair<QDate, QDate> spans[] = {
        {QDate(2025, 2, 1), QDate(2025, 2, 28)},  {QDate(2025, 6, 1), QDate(2025, 6, 30)},
        {QDate(2025, 12, 29), QDate(2026, 1, 4)}, {QDate(2026, 3, 1), QDate(2026, 3, 31)},
        {QDate(2028, 2, 1), QDate(2028, 2, 29)},  {QDate(2028, 11, 1), QDate(2028, 11, 30)}};
    for (const auto &[first, last] : spans) {
        std::vector<TFound> alone;
        for (size_t event = 0; event < calendars.size(); ++event)
            found(*calendars[event], first, last, int(event), alone);
        std::vector<TFound> together;
        found(*all.Calendar, first, last, -1, together);
        EXPECT_EQ(together, alone) << first.toString().toStdString();
    }
}
