#include "FillSource.h"

#include "RecurringFormula.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString ProgramDir = QStringLiteral(DW_PROGRAM_DIR);

QString Write(const QTemporaryDir &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}

QStringList Names(const QStringList &lines)
{
    QStringList names;
    for (const QString &line : lines)
        names << EntryName(line);
    return names;
}

} // namespace

TEST(FillSource, ReadsHolidaySetsByCodeOrName)
{
    const struct
    {
        const char *source;
        const char *holiday;
    } cases[] = {
        {"holidays:UK", "Boxing Day"},
        {"holidays:gb", "Boxing Day"},
        {"HOLIDAYS:united kingdom", "Boxing Day"},
        {"holidays:US", "Independence Day"},
        {"holidays:DE", nullptr},
    };
    for (const auto &c : cases) {
        const TFillRead read = ReadFillSource(QString::fromUtf8(c.source), ProgramDir);
        EXPECT_TRUE(read.Error.isEmpty()) << c.source << ": " << read.Error.toStdString();
        EXPECT_FALSE(read.Fill.Lines().isEmpty()) << c.source;
        if (c.holiday) {
            EXPECT_TRUE(Names(read.Fill.Lines()).contains(QString::fromUtf8(c.holiday)))
                << c.source;
        }
    }
}

TEST(FillSource, ReadsRecurringDatesAndICalendarFiles)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString entry = MakeEntry(QStringLiteral("Anniversary"), MakeDayOfMonthFormula(14, 2));
    const QString dax = Write(folder, QStringLiteral("mine.dax"), entry.toLatin1() + "\r\n");
    EXPECT_EQ(ReadFillSource(dax, ProgramDir).Fill.Lines(), QStringList{entry});

    const QString ics = Write(
        folder, QStringLiteral("dates.ICS"),
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nSUMMARY:Team day\r\n"
        "DTSTART;VALUE=DATE:20240312\r\nRRULE:FREQ=YEARLY\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    // The events themselves fill the days, expanded month by month.
    const TFillRead read = ReadFillSource(ics, ProgramDir);
    EXPECT_TRUE(read.Error.isEmpty()) << read.Error.toStdString();
    EXPECT_TRUE(read.Fill.Lines().isEmpty());
    EXPECT_EQ(read.Fill.DayLines(3, 2031), QList<TDayLine>({{12, QStringLiteral("Team day")}}));
    EXPECT_TRUE(read.Fill.DayLines(4, 2031).isEmpty());
}

TEST(FillSource, ErrorsAreOneLine)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString notICalendar = Write(folder, QStringLiteral("bad.ics"), "not a calendar");
    const struct
    {
        QString source;
        const char *says;
    } cases[] = {
        {QStringLiteral("holidays:XX"), "no holiday set \"XX\""},
        {QStringLiteral("holidays:"), "no holiday set"},
        {folder.filePath(QStringLiteral("missing.dax")), "no file"},
        {folder.path(), "no file"},
        {QString(), "no file"},
        {notICalendar, "cannot read"},
    };
    for (const auto &c : cases) {
        const TFillRead read = ReadFillSource(c.source, ProgramDir);
        EXPECT_TRUE(read.Fill.IsEmpty()) << c.source.toStdString();
        EXPECT_TRUE(read.Error.contains(QString::fromUtf8(c.says))) << read.Error.toStdString();
        EXPECT_FALSE(read.Error.contains(u'\n')) << read.Error.toStdString();
    }
    // The list of sets is offered.
    EXPECT_TRUE(ReadFillSource(QStringLiteral("holidays:XX"), ProgramDir)
                    .Error.contains(QStringLiteral("United Kingdom")));
}
