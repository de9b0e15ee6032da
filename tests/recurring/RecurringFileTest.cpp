#include "RecurringFile.h"

#include "ProgramFolder.h"
#include "RecurringFormula.h"

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
