#include "RecurringFile.h"

#include "ProgramFolder.h"
#include "RecurringDescription.h"
#include "RecurringFormula.h"
#include "RecurringResolve.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray ReadBytes(const QString &fileName)
{
    QFile file(fileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << fileName.toStdString();
    return file.readAll();
}

void WriteBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A temporary folder the program keeps its files in.
class TRecurringFolder
{
public:
    TRecurringFolder() { SetProgramFolder(m_dir.path()); }
    ~TRecurringFolder() { SetProgramFolder({}); }
    TRecurringFolder(const TRecurringFolder &) = delete;
    TRecurringFolder &operator=(const TRecurringFolder &) = delete;
    QString Path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace

TEST(RecurringFile, SplitsAtEveryKindOfLineEnd)
{
    const std::pair<QByteArray, QStringList> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        // LF then CR ends two lines.
        {"a\n\rb", {"a", "", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
    };
    for (const auto &[bytes, lines] : cases)
        EXPECT_EQ(SplitRecurringLines(bytes), lines) << bytes.toStdString();
}

TEST(RecurringFile, KeepsEveryByteOfALine)
{
    const QByteArray bytes("Caf\xe9 \x80\x00\x81\xff", 9);
    const QStringList lines = SplitRecurringLines(bytes + "\r\n");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], QStringLiteral("Café €") + QChar(0) + QChar(0x81) + QChar(0xff));
    EXPECT_EQ(JoinRecurringLines(lines), bytes + "\r\n");
}

TEST(RecurringFile, WritesCrLfAfterEveryLineAndReadsItBack)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("DWRECUR.DAX"));
    const QStringList lines = {
        MakeEntry(QStringLiteral("Mariä Himmelfahrt"), QStringLiteral("@0815")), QString(),
        QStringLiteral("short")};
    ASSERT_FALSE(WriteRecurringFile(fileName, lines));
    const QByteArray bytes = ReadBytes(fileName);
    EXPECT_EQ(bytes.size(), 130 + 2 + 2 + 7);
    EXPECT_TRUE(bytes.startsWith("Mari\xe4 Himmelfahrt "));
    EXPECT_TRUE(bytes.endsWith("\r\n\r\nshort\r\n"));
    const TRecurringRead read = ReadRecurringFile(fileName);
    EXPECT_TRUE(read.Error.isEmpty());
    EXPECT_EQ(read.Lines, lines);

    ASSERT_FALSE(WriteRecurringFile(fileName, {}));
    EXPECT_TRUE(ReadBytes(fileName).isEmpty());
    EXPECT_TRUE(ReadRecurringFile(fileName).Lines.isEmpty());
}

TEST(RecurringFile, MissingFileIsAnEmptyListAndFailuresAreReported)
{
    QTemporaryDir dir;
    const TRecurringRead missing = ReadRecurringFile(dir.filePath(QStringLiteral("none.dax")));
    EXPECT_TRUE(missing.Lines.isEmpty());
    EXPECT_TRUE(missing.Error.isEmpty());

    // A folder in place of the file cannot be read.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.dax")));
    EXPECT_FALSE(ReadRecurringFile(dir.filePath(QStringLiteral("folder.dax"))).Error.isEmpty());
    EXPECT_TRUE(WriteRecurringFile(dir.filePath(QStringLiteral("folder.dax")), {"a"}));
    EXPECT_TRUE(WriteRecurringFile(dir.filePath(QStringLiteral("no/such/folder.dax")), {"a"}));
}

TEST(RecurringFile, RefusesAFileBeyondTheLimit)
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("huge.dax"));
    {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(MaxRecurringFileSize + 1));
    }
    const TRecurringRead read = ReadRecurringFile(fileName);
    EXPECT_FALSE(read.Error.isEmpty());
    EXPECT_TRUE(read.Lines.isEmpty());
}

TEST(RecurringFile, LegacyLinesBecomeDayOfMonthEntries)
{
    const QString christmas = ConvertLegacyLine(QStringLiteral("1225Christmas party"));
    EXPECT_EQ(christmas.size(), 131);
    EXPECT_EQ(EntryName(christmas), QStringLiteral("Christmas party"));
    EXPECT_EQ(FormulaField(christmas), QStringLiteral("@1225     "));
    EXPECT_EQ(christmas.mid(120), QStringLiteral("@1225      "));
    // Names are taken to 150 characters and cut to 120.
    EXPECT_EQ(EntryName(ConvertLegacyLine(QStringLiteral("0101") + QString(200, u'n'))),
              QString(120, u'n'));
    EXPECT_EQ(ConvertLegacyLine(QStringLiteral("12")),
              QString(120, u' ') + QStringLiteral("@12") + QString(8, u' '));
}

TEST(RecurringFile, ConvertsTheLegacyFileAtStartUp)
{
    TRecurringFolder folder;
    WriteBytes(folder.Path(QStringLiteral("DWRECUR.DAX")), "old list\r\n");
    WriteBytes(folder.Path(QStringLiteral("DWRECUR.DAT")), "1225Christmas party\r\n0704July\r\n");
    EXPECT_FALSE(ConvertLegacyRecurringFile());
    EXPECT_FALSE(QFile::exists(folder.Path(QStringLiteral("DWRECUR.DAT"))));
    const TRecurringRead read = ReadRecurringFile(RecurringFilePath());
    ASSERT_EQ(read.Lines.size(), 2);
    EXPECT_EQ(EntryName(read.Lines[0]), QStringLiteral("Christmas party"));
    EXPECT_EQ(read.Lines[0].mid(120), QStringLiteral("@1225      "));
    EXPECT_EQ(EntryName(read.Lines[1]), QStringLiteral("July"));
    // Nothing to convert the second time.
    EXPECT_FALSE(ConvertLegacyRecurringFile());
    EXPECT_EQ(ReadRecurringFile(RecurringFilePath()).Lines, read.Lines);
}

// Regression: the old file must not be deleted when the new one could not
// be written.
TEST(RecurringFile, KeepsTheLegacyFileWhenTheNewOneCannotBeWritten)
{
    TRecurringFolder folder;
    WriteBytes(folder.Path(QStringLiteral("DWRECUR.DAT")), "1225Christmas party\r\n");
    ASSERT_TRUE(QDir(folder.Path(QString())).mkdir(QStringLiteral("DWRECUR.DAX")));
    EXPECT_TRUE(ConvertLegacyRecurringFile());
    EXPECT_TRUE(QFile::exists(folder.Path(QStringLiteral("DWRECUR.DAT"))));
}

// A file with dated entries and kept start dates, as this program writes it,
// must do no harm to an older build: tests/recurring/oldbuild/old_reader.sh
// built the reader of the commit before them and kept what it makes of the
// file beside it. That build reads the file without error, lists every
// line, puts the dated entries on no day and the others on their days.
TEST(RecurringFile, DatedEntriesAreListedAndSkippedByAnOlderBuild)
{
    const QString folder = QStringLiteral(DW_TEST_DATA "/recurring/");
    const QStringList lines{
        WithEntryStart(MakeEntry(QStringLiteral("Anna's birthday"), QStringLiteral("@0412")),
                       QDate(1980, 4, 12)),
        MakeEntry(QStringLiteral("Conference"), MakeDatedFormula({QDate(2025, 9, 12), 3})),
        MakeEntry(QStringLiteral("Dentist"), MakeDatedFormula({QDate(2024, 11, 5), 1})),
        WithEntryStart(MakeEntry(QStringLiteral("Thanksgiving"), QStringLiteral("$3 4 11")),
                       QDate(2024, 11, 28)),
    };
    QFile fixture(folder + QStringLiteral("dated-entries.dax"));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    EXPECT_EQ(JoinRecurringLines(lines), fixture.readAll());

    QFile old(folder + QStringLiteral("dated-entries.old-build.txt"));
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    const QStringList said = QString::fromUtf8(old.readAll()).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_EQ(said.first(), QStringLiteral("error: none"));
    EXPECT_EQ(said.filter(QStringLiteral("listed: ")).size(), 4);
    EXPECT_TRUE(said.filter(QStringLiteral(": Conference")).filter(QStringLiteral("-")).isEmpty());
    EXPECT_TRUE(said.filter(QStringLiteral(": Dentist")).filter(QStringLiteral("-")).isEmpty());
    EXPECT_TRUE(said.contains(QStringLiteral("2024-04-12: Anna's birthday")));

    // This build puts them on their days.
    EXPECT_EQ(DayLines(lines, 9, 2025),
              QList<TDayLine>({{12, "Conference"}, {13, "Conference"}, {14, "Conference"}}));
    EXPECT_EQ(DayLines(lines, 11, 2024), QList<TDayLine>({{5, "Dentist"}, {28, "Thanksgiving"}}));
    EXPECT_EQ(DescribeEntry(lines[1]),
              QStringLiteral("Conference (12th of September 2025 to 14th of September 2025)"));
    EXPECT_TRUE(DayLines(lines, 11, 2025).contains(TDayLine{27, "Thanksgiving"}));
    EXPECT_EQ(EntryStart(lines[0]), QDate(1980, 4, 12));
    EXPECT_FALSE(EntryStart(lines[1]).isValid());
}
