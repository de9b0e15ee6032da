#include "BuiltInHolidays.h"
#include "ICalendarExport.h"
#include "ICalendarImport.h"
#include "RecurringFormula.h"
#include "RecurringResolve.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A calendar of one event with the given properties (lines without ends).
QByteArray Calendar(const QStringList &eventLines)
{
    QByteArray bytes = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Test//EN\r\n";
    bytes += "BEGIN:VEVENT\r\n";
    for (const QString &line : eventLines)
        bytes += line.toUtf8() + "\r\n";
    bytes += "END:VEVENT\r\nEND:VCALENDAR\r\n";
    return bytes;
}

QStringList Formulas(const TICalendarImport &import)
{
    QStringList formulas;
    for (const QString &line : import.Lines)
        formulas.append(TrimSpaces(FormulaField(line)));
    return formulas;
}

// The formulas of an event starting on start with rule, or "!" and why.
QStringList FormulasOf(const char *start, const char *rule)
{
    QStringList lines{QStringLiteral("SUMMARY:Test"),
                      QStringLiteral("DTSTART;VALUE=DATE:") + start};
    if (*rule)
        lines.append(QStringLiteral("RRULE:") + QString::fromLatin1(rule));
    const TICalendarImport import = ImportICalendar(Calendar(lines));
    EXPECT_TRUE(import.Error.isEmpty()) << import.Error.toStdString();
    if (!import.Unsupported.isEmpty())
        return {u'!' + import.Unsupported.join(u'|')};
    return Formulas(import);
}

} // namespace

TEST(ICalendarImport, RulesFormulasCanFollow)
{
    const std::pair<std::pair<const char *, const char *>, QStringList> cases[] = {
        {{"20241128", "FREQ=YEARLY;BYMONTH=11;BYDAY=4TH"}, {"$3 4 11"}},
        {{"20240527", "FREQ=YEARLY;BYMONTH=5;BYDAY=-1MO"}, {"$5 1 5"}},
        {{"20241225", "FREQ=YEARLY"}, {"@1225"}},
        {{"20241225", "FREQ=YEARLY;BYMONTH=12;BYMONTHDAY=25"}, {"@1225"}},
        {{"20240105", "FREQ=MONTHLY"}, {"@0005"}},
        {{"20240105", "FREQ=MONTHLY;BYMONTHDAY=5,20"}, {"@0005", "@0020"}},
        {{"20240131", "FREQ=MONTHLY;BYMONTHDAY=-1"}, {"$5 7 0"}},
        {{"20240131", "FREQ=MONTHLY;BYDAY=MO,TU,WE,TH,FR;BYSETPOS=-1"}, {"!"}},
        {{"20240102", "FREQ=MONTHLY;BYDAY=SU,MO,TU,WE,TH,FR,SA;BYSETPOS=2"}, {"$1 7 0"}},
        {{"20240109", "FREQ=MONTHLY;BYDAY=TU;BYSETPOS=2"}, {"$1 2 0"}},
        {{"20241029", "FREQ=MONTHLY;BYDAY=5TU"}, {"$4 2 0"}},
        {{"20240101", "FREQ=WEEKLY"}, {"%2"}},
        {{"20240101", "FREQ=WEEKLY;BYDAY=SA,SU;WKST=MO"}, {"%17"}},
        {{"20240101", "FREQ=DAILY"}, {"%1234567"}},
        {{"20240101", "FREQ=DAILY;INTERVAL=1;BYDAY=MO,TU,WE,TH,FR"}, {"%23456"}},
        {{"20240520", "FREQ=YEARLY;BYMONTH=5;BYMONTHDAY=18,19,20,21,22,23,24;BYDAY=MO"},
         {"&0518>1"}},
        {{"20240101", "FREQ=YEARLY;BYMONTH=1,7;BYMONTHDAY=1"}, {"@0101", "@0701"}},
        {{"20240101", "FREQ=YEARLY;BYDAY=MO"}, {"%2"}},
        {{"20240101", "FREQ=YEARLY;BYMONTHDAY=15"}, {"@0015"}},
        {{"20240101", "freq=yearly;bymonth=3;byday=2su"}, {"$1 0 3"}},
        {{"20240315", ""}, {"=20240315"}},
    };
    for (const auto &[event, formulas] : cases) {
        const QStringList found = FormulasOf(event.first, event.second);
        if (formulas == QStringList{"!"})
            EXPECT_TRUE(found.size() == 1 && found[0].startsWith(u'!')) << event.second;
        else
            EXPECT_EQ(found, formulas) << event.second;
    }
}

TEST(ICalendarImport, RulesNoFormulaCanFollowAreReportedNotGuessed)
{
    const std::pair<const char *, const char *> cases[] = {
        {"FREQ=YEARLY;INTERVAL=2", "interval"},
        {"FREQ=YEARLY;COUNT=3", "stops"},
        {"FREQ=YEARLY;UNTIL=20300101", "stops"},
        {"FREQ=YEARLY;BYWEEKNO=20", "BYWEEKNO"},
        {"FREQ=YEARLY;BYYEARDAY=100", "BYYEARDAY"},
        {"FREQ=YEARLY;BYDAY=20MO", "whole year"},
        {"FREQ=MONTHLY;BYMONTHDAY=-2", "end of the month"},
        {"FREQ=MONTHLY;BYDAY=FR;BYMONTHDAY=13", "combines"},
        {"FREQ=YEARLY;BYMONTH=6;BYDAY=MO", "every weekday"},
        {"FREQ=HOURLY", "hourly"},
        {"FREQ=MONTHLY;BYDAY=6MO", "!"},
        {"BYMONTH=1", "unreadable RRULE"},
        {"FREQ=YEARLY;BYMONTH=13", "month that does not exist"},
        {"FREQ=YEARLY;BYDAY=XX", "unreadable"},
        {"FREQ=YEARLY;INTERVAL=0", "unreadable"},
        {"garbage", "unreadable"},
    };
    for (const auto &[rule, why] : cases) {
        const QStringList found = FormulasOf("20240101", rule);
        ASSERT_EQ(found.size(), 1) << rule;
        EXPECT_TRUE(found[0].startsWith(u'!')) << rule;
        if (QLatin1String(why) != QLatin1String("!")) {
            EXPECT_TRUE(found[0].contains(QLatin1String(why)))
                << rule << ": " << found[0].toStdString();
        }
    }
}

TEST(ICalendarImport, EventsAsAWhole)
{
    const QByteArray bytes =
        "BEGIN:VCALENDAR\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:Mum\\, birthday\r\nDTSTART;VALUE=DATE:19600412\r\n"
        "RRULE:FREQ=YEARLY\r\n"
        "BEGIN:VALARM\r\nSUMMARY:Alarm\r\nTRIGGER:-PT15M\r\nEND:VALARM\r\nEND:VEVENT\r\n"
        // Single dates are dated entries, each of its own year.
        "BEGIN:VEVENT\r\nSUMMARY:Christmas\r\nDTSTART;VALUE=DATE:20241225\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:Christmas\r\nDTSTART;VALUE=DATE:20251225\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:Holiday\r\nDTSTART;VALUE=DATE:20240801\r\n"
        "DTEND;VALUE=DATE:20240815\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:Trip\r\nDTSTART;VALUE=DATE:20240101\r\n"
        "DURATION:P40D\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:Visits\r\nDTSTART;VALUE=DATE:20240301\r\n"
        "RDATE;VALUE=DATE:20240315,20240402\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:Meeting\r\nDTSTART:20240301T180000\r\n"
        "DTEND:20240301T190000\r\nRRULE:FREQ=MONTHLY;BYDAY=1FR\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:Moved\r\nRECURRENCE-ID:20240405T090000\r\n"
        "DTSTART:20240406T090000\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:Gym\r\nDTSTART:20240301T090000\r\n"
        "RRULE:FREQ=WEEKLY\r\nEXDATE:20240308T090000\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:Off\r\nSTATUS:CANCELLED\r\nDTSTART:20240301\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:No start\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nSUMMARY:Bad start\r\nDTSTART:March\r\nEND:VEVENT\r\n"
        "BEGIN:VTODO\r\nSUMMARY:Todo\r\nDTSTART:20240301\r\nEND:VTODO\r\n"
        "END:VCALENDAR\r\n";
    const TICalendarImport import = ImportICalendar(bytes);
    EXPECT_TRUE(import.Error.isEmpty());
    EXPECT_EQ(
        import.Lines,
        QStringList({WithEntryStart(MakeEntry("Mum, birthday", "@0412"), QDate(1960, 4, 12)),
                     MakeEntry("Christmas", "=20241225"), MakeEntry("Christmas", "=20251225"),
                     MakeEntry("Holiday", "=20240801E"), MakeEntry("Visits", "=20240301"),
                     MakeEntry("Visits", "=20240315"), MakeEntry("Visits", "=20240402"),
                     WithEntryStart(MakeEntry("6:00 PM Meeting", "$0 5 0"), QDate(2024, 3, 1))}));
    EXPECT_EQ(
        import.Unsupported,
        QStringList({"Trip: lasts more than 35 days", "Moved: changes one date of another event",
                     "Gym: has added or left-out dates", "No start: has no start date",
                     "Bad start: has an unreadable DTSTART"}));
}

TEST(ICalendarImport, DuplicatesAreTakenOnce)
{
    const QStringList lines{QStringLiteral("SUMMARY:Payday"), QStringLiteral("DTSTART:20240105"),
                            QStringLiteral("RRULE:FREQ=MONTHLY;BYMONTHDAY=5,5")};
    EXPECT_EQ(ImportICalendar(Calendar(lines)).Lines.size(), 1);
}

TEST(ICalendarImport, BrokenFilesGiveAClearError)
{
    const std::pair<QByteArray, const char *> cases[] = {
        {"", "not an iCalendar"},
        {"hello\r\nworld\r\n", "not an iCalendar"},
        {"BEGIN:VEVENT\r\nEND:VEVENT\r\n", "not an iCalendar"},
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n", "ends before END:VEVENT"},
        // Events read before the file broke off are not taken either.
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:x\r\nDTSTART:20240101\r\n"
         "RRULE:FREQ=YEARLY\r\nEND:VEVENT\r\n",
         "ends before END:VCALENDAR"},
        {"BEGIN:VCALENDAR\r\nEND:VEVENT\r\n", "END:VEVENT"},
        {"BEGIN:VCALENDAR\r\n" + QByteArray("BEGIN:X\r\n").repeated(100), "nested"},
    };
    for (const auto &[bytes, why] : cases) {
        const TICalendarImport import = ImportICalendar(bytes);
        EXPECT_TRUE(import.Error.contains(QLatin1String(why))) << import.Error.toStdString();
        EXPECT_TRUE(import.Lines.isEmpty());
    }
    EXPECT_FALSE(ImportICalendar(QByteArray(MaxICalendarFileSize + 1, ' ')).Error.isEmpty());
    EXPECT_FALSE(ImportICalendarFile(QStringLiteral("/no/such/file.ics")).Error.isEmpty());
}

TEST(ICalendarExport, RulesOfEachKind)
{
    const QDate from(2024, 1, 1);
    const QDateTime stamp(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC);
    const QStringList lines{
        MakeEntry(QStringLiteral("Payday; monthly, fifth"), QStringLiteral("@0005")),
        MakeEntry(QStringLiteral("Thanksgiving"), QStringLiteral("$3 4 11")),
        MakeEntry(QStringLiteral("Last day"), QStringLiteral("$5 7 0")),
        MakeEntry(QStringLiteral("Weekend"), QStringLiteral("%17")),
        MakeEntry(QStringLiteral("Victoria Day"), QStringLiteral("&0524<1")),
        MakeEntry(QStringLiteral("Never"), QStringLiteral("@0231")),
        MakeEntry(QStringLiteral("Conference"), MakeDatedFormula({QDate(2026, 9, 12), 3})),
        WithEntryStart(MakeEntry(QStringLiteral("Anna"), QStringLiteral("@0412")),
                       QDate(1980, 4, 12)),
        QString(),
    };
    const TICalendarExport exported = ExportICalendar(lines, from, stamp);
    const QString text = QString::fromUtf8(exported.Bytes);
    EXPECT_TRUE(text.startsWith(QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("END:VCALENDAR\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("SUMMARY:Payday\\; monthly\\, fifth\r\n")));
    EXPECT_TRUE(text.contains(
        QStringLiteral("DTSTART;VALUE=DATE:20240105\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=5\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral(
        "DTSTART;VALUE=DATE:20241128\r\nRRULE:FREQ=YEARLY;BYDAY=4TH;BYMONTH=11\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("RRULE:FREQ=MONTHLY;BYMONTHDAY=-1\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("RRULE:FREQ=WEEKLY;BYDAY=SA,SU\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral(
        "RRULE:FREQ=YEARLY;BYDAY=MO;BYMONTHDAY=18,19,20,21,22,23,24;BYMONTH=5\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("DTSTAMP:20240102T030405Z\r\n")));
    // Regression: a one-off event came back as a yearly one.
    EXPECT_TRUE(text.contains(QStringLiteral("SUMMARY:Conference\r\nDTSTART;VALUE=DATE:20260912\r\n"
                                             "DTEND;VALUE=DATE:20260915\r\nEND:VEVENT")));
    // Regression: a birthday started in the year of the export.
    EXPECT_TRUE(text.contains(QStringLiteral("SUMMARY:Anna\r\nDTSTART;VALUE=DATE:19800412\r\nRRULE:"
                                             "FREQ=YEARLY;BYMONTHDAY=12;BYMONTH=4")));
    EXPECT_EQ(exported.Skipped, QStringList({"Never (31st of February)"}));
    EXPECT_EQ(text.count(QStringLiteral("BEGIN:VEVENT")), 7);
}

TEST(ICalendarExport, ReadsBackThroughTheImport)
{
    const QStringList lines{
        MakeEntry(QStringLiteral("Payday"), QStringLiteral("@0005")),
        MakeEntry(QStringLiteral("Thanksgiving"), QStringLiteral("$3 4 11")),
        MakeEntry(QStringLiteral("Second day"), QStringLiteral("$1 7 0")),
        MakeEntry(QStringLiteral("Workdays"), QStringLiteral("%23456")),
        MakeEntry(QStringLiteral("Victoria Day"), QStringLiteral("&0524<1")),
    };
    const TICalendarExport exported =
        ExportICalendar(lines, QDate(2024, 1, 1), QDateTime(QDate(2024, 1, 1), QTime()));
    const TICalendarImport import = ImportICalendar(exported.Bytes);
    EXPECT_TRUE(import.Unsupported.isEmpty()) << import.Unsupported.join(u'\n').toStdString();
    // The same days, the window as its first day.
    EXPECT_EQ(Formulas(import), QStringList({"@0005", "$3 4 11", "@0002", "%23456", "&0518>1"}));
}

// The file is read by the icalendar module of Python and its rules expanded
// by dateutil: every event must fall on exactly the days the program puts
// the entry on.
TEST(ICalendarExport, ARealParserFindsTheSameDays)
{
    QStringList lines = BuiltInHolidays();
    lines += {MakeEntry(QStringLiteral("Payday"), QStringLiteral("@0031")),
              MakeEntry(QStringLiteral("Leap day"), QStringLiteral("@0229")),
              MakeEntry(QStringLiteral("Fifth Tuesday"), QStringLiteral("$4 2 0")),
              MakeEntry(QStringLiteral("Last day"), QStringLiteral("$5 7 0")),
              MakeEntry(QStringLiteral("Weekends"), QStringLiteral("%17")),
              MakeEntry(QStringLiteral("Victoria Day"), QStringLiteral("&0524<1")),
              MakeEntry(QStringLiteral("Election Day"), QStringLiteral("&1102>2")),
              MakeEntry(QStringLiteral("Boxing Day (substitute day)"), QStringLiteral("&1226+22")),
              MakeEntry(QStringLiteral("Friday before New Year"), QStringLiteral("&0101<5")),
              PadToWidth(QStringLiteral("Whit Monday, \"Pfingstmontag\""), 120) +
                  QStringLiteral("#EASTER+50")};
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("dates.ics"));
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(
            ExportICalendar(lines, QDate(2024, 1, 1), QDateTime::currentDateTimeUtc()).Bytes);
    }
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral(DW_EXPAND_ICS), fileName, QStringLiteral("2024-01-01"),
                  QStringLiteral("2027-12-31")});
    ASSERT_TRUE(python.waitForFinished(60000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QStringList output =
        QString::fromUtf8(python.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(output.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringList expected;
        for (int year = 2024; year <= 2027; ++year) {
            for (int month = 1; month <= 12; ++month) {
                for (int day : ResolveDays(lines[i], month, year))
                    expected.append(QDate(year, month, day).toString(Qt::ISODate));
            }
        }
        const QStringList fields = output[i].split(u'\t');
        ASSERT_EQ(fields.size(), 3) << output[i].toStdString();
        EXPECT_EQ(fields[1], EntryName(lines[i]));
        EXPECT_EQ(fields[2], expected.join(u',')) << EntryName(lines[i]).toStdString();
    }
}
