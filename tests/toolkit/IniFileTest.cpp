#include "IniFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

TIniFile Parse(const QByteArray &text)
{
    TIniFile ini;
    ini.LoadFromBytes(text);
    return ini;
}

TEST(IniFileTest, MissingFileReadsAsEmptyWithoutError)
{
    QTemporaryDir temp;
    const TIniFile ini(temp.filePath(u"DW.ini"_s));
    EXPECT_TRUE(ini.ReadError().isEmpty());
    EXPECT_TRUE(ini.Sections().isEmpty());
    EXPECT_EQ(ini.ReadString(u"Zooming"_s, u"Main"_s, u"none"_s), u"none"_s);
    EXPECT_EQ(ini.ReadInteger(u"Zooming"_s, u"Main"_s, 60), 60);
    EXPECT_TRUE(ini.ReadBool(u"Hints"_s, u"On"_s, true));
    EXPECT_FALSE(QFile::exists(ini.FileName()));
}

TEST(IniFileTest, NamesIgnoreCaseAndWritesKeepTheFileOrder)
{
    TIniFile ini = Parse("; settings\r\n[Zooming]\r\nMain = 80 \r\nProp=30\r\n\r\n"
                         "[Hints]\nOn=1\n");
    EXPECT_EQ(ini.ReadInteger(u"ZOOMING"_s, u"main"_s, 0), 80);
    EXPECT_TRUE(ini.SectionExists(u"hints"_s));
    EXPECT_TRUE(ini.ValueExists(u"Zooming"_s, u"PROP"_s));
    EXPECT_FALSE(ini.ValueExists(u"Hints"_s, u"Main"_s));

    ini.WriteInteger(u"zooming"_s, u"MAIN"_s, 90);
    ini.WriteString(u"Zooming"_s, u"Extra"_s, u"x"_s);
    ini.WriteBool(u"Icons"_s, u"Visible"_s, false);
    ini.WriteBool(u"Icons"_s, u"Other"_s, true);
    EXPECT_EQ(ini.ToBytes(), "; settings\r\n[Zooming]\r\nMain=90\r\nProp=30\r\nExtra=x\r\n\r\n"
                             "[Hints]\r\nOn=1\r\n[Icons]\r\nVisible=0\r\nOther=1\r\n");
    EXPECT_EQ(ini.Sections(), (QStringList{u"Zooming"_s, u"Hints"_s, u"Icons"_s}));
    EXPECT_EQ(ini.ReadSection(u"Zooming"_s), (QStringList{u"Main"_s, u"Prop"_s, u"Extra"_s}));
}

TEST(IniFileTest, ReadsDecimalAndHexadecimalIntegersAndBooleansElseTheDefault)
{
    const std::pair<const char *, int> cases[] = {
        {"42", 42},
        {"-7", -7},
        {"+7", 7},
        {"0x1F", 31},
        {"0X1f", 31},
        {"$ff", 255},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"0x80000008", int(0x80000008u)},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"007", 7},
        {"2147483648", 99},
        {"0x100000000", 99},
        {"12abc", 99},
        {"abc", 99},
        {"", 99},
        {"0x", 99},
        {"$", 99},
        {"-", 99},
        {"1.5", 99},
        {"1 2", 99},
        {"0xG", 99},
        {"\xD9\xA3", 99},
    };
    for (const auto &[value, expected] : cases) {
        const TIniFile ini = Parse(QByteArray("[S]\nK=") + value);
        EXPECT_EQ(ini.ReadInteger(u"S"_s, u"K"_s, 99), expected) << value;
        // Booleans are integers, non-zero being true.
        EXPECT_EQ(ini.ReadBool(u"S"_s, u"K"_s, false), expected != 0 && expected != 99) << value;
    }
}

TEST(IniFileTest, StringsReadUpTo1023CharactersAndAreWrittenWhole)
{
    const QString longValue(2000, u'x');
    TIniFile ini;
    ini.WriteString(u"S"_s, u"Long"_s, longValue);
    ini.WriteString(u"S"_s, u"Short"_s, u"a=b"_s);
    const TIniFile read = Parse(ini.ToBytes());
    EXPECT_EQ(read.ReadString(u"S"_s, u"Long"_s, {}), longValue.left(1023));
    EXPECT_EQ(read.ReadString(u"S"_s, u"Short"_s, {}), u"a=b"_s);
    EXPECT_EQ(read.ReadSectionValues(u"S"_s), (QStringList{longValue.left(1023), u"a=b"_s}));
    EXPECT_TRUE(ini.ToBytes().contains(longValue.toLatin1()));
}

TEST(IniFileTest, TextIsWindows1252AndLineBreaksInValuesBecomeSpaces)
{
    TIniFile ini;
    ini.WriteString(u"Font"_s, u"Name"_s, u"Grüß €"_s);
    ini.WriteString(u"MRU"_s, u"F0"_s, u"a\r\nb\nc"_s);
    EXPECT_EQ(ini.ToBytes(), "[Font]\r\nName=Gr\xFC\xDF \x80\r\n[MRU]\r\nF0=a  b c\r\n");
    EXPECT_EQ(Parse(ini.ToBytes()).ReadString(u"font"_s, u"name"_s, {}), u"Grüß €"_s);
}

TEST(IniFileTest, GarbageAndBinaryLinesAreToleratedAndKept)
{
    static const char garbage[] = "before=section\n[Bad]\n\x00\x01\xFF=\xFE\x00z\n[unclosed\n"
                                  "no equals\n;Key=comment\n=novalue\nKey=\x01\x02\n"
                                  "[ Spaced ] tail\r\nA=1\r\r\n[bad]\nLate=2";
    const TIniFile ini = Parse(QByteArray(garbage, sizeof(garbage) - 1));
    EXPECT_EQ(ini.Sections(), (QStringList{u"Bad"_s, u"unclosed"_s, u"Spaced"_s}));
    EXPECT_EQ(ini.ReadSection(u"Bad"_s).size(), 2);
    EXPECT_EQ(ini.ReadInteger(u"Bad"_s, u"Late"_s, 0), 2);
    EXPECT_FALSE(ini.ValueExists(u"unclosed"_s, u";Key"_s));
    EXPECT_EQ(ini.ReadSectionValues(u"unclosed"_s),
              (QStringList{u"novalue"_s, QString::fromLatin1("\x01\x02")}));
    EXPECT_EQ(ini.ReadString(u"Spaced"_s, u"A"_s, {}), u"1\r"_s);

    // Whatever was read is written back in a form that reads the same.
    const QByteArray written = ini.ToBytes();
    EXPECT_TRUE(written.startsWith("before=section\r\n[Bad]\r\n"));
    EXPECT_EQ(Parse(written).ToBytes(), written);
}

TEST(IniFileTest, EraseSectionRemovesEveryLineOfItWhateverItsCase)
{
    TIniFile ini = Parse("[MRU]\nF0=a\n[Hints]\nOn=1\n[mru]\nF1=b\n; note\n");
    EXPECT_EQ(ini.ReadSectionValues(u"Mru"_s), (QStringList{u"a"_s, u"b"_s}));
    ini.EraseSection(u"MRU"_s);
    EXPECT_EQ(ini.ToBytes(), "[Hints]\r\nOn=1\r\n");
    ini.EraseSection(u"Missing"_s);
    EXPECT_EQ(ini.Sections(), QStringList{u"Hints"_s});
}

TEST(IniFileTest, LimitsCutOversizedInputWithAReason)
{
    const QByteArray longLine = "[S]\nK=" + QByteArray(TIniFile::MaxLineLength * 2, 'v');
    const TIniFile cutLine = Parse(longLine);
    EXPECT_FALSE(cutLine.ReadError().isEmpty());
    EXPECT_EQ(cutLine.ReadString(u"S"_s, u"K"_s, {}).size(), TIniFile::MaxValueLength);

    QByteArray manySections;
    for (int i = 0; i <= TIniFile::MaxSections; ++i)
        manySections += "[S" + QByteArray::number(i) + "]\nK=1\n";
    const TIniFile cutSections = Parse(manySections);
    EXPECT_FALSE(cutSections.ReadError().isEmpty());
    EXPECT_EQ(cutSections.Sections().size(), TIniFile::MaxSections);
    EXPECT_FALSE(cutSections.SectionExists(u"S1000"_s));

    const TIniFile cutLines = Parse("[S]\n" + QByteArray(TIniFile::MaxLines + 10, '\n'));
    EXPECT_FALSE(cutLines.ReadError().isEmpty());

    const TIniFile cutFile = Parse("[S]\nK=1\n" + QByteArray(TIniFile::MaxFileBytes, ';'));
    EXPECT_FALSE(cutFile.ReadError().isEmpty());
    EXPECT_EQ(cutFile.ReadInteger(u"S"_s, u"K"_s, 0), 1);

    EXPECT_TRUE(Parse("[S]\nK=1\n").ReadError().isEmpty());
}

TEST(IniFileTest, RefusedWritesReturnTheReasonAndKeepTheOldFile)
{
    QTemporaryDir temp;
    // A folder where the file should be: it cannot be read, and not replaced.
    const QString folderName = temp.filePath(u"DW.ini"_s);
    QDir().mkdir(folderName);
    const TIniFile folder(folderName);
    EXPECT_FALSE(folder.ReadError().isEmpty());
    EXPECT_NE(folder.UpdateFile(), std::nullopt);
    EXPECT_TRUE(QFileInfo(folderName).isDir());

    // A regular file where the folder should be.
    const QString plainFile = temp.filePath(u"plain"_s);
    TIniFile old(plainFile);
    old.WriteString(u"S"_s, u"K"_s, u"old"_s);
    ASSERT_EQ(old.UpdateFile(), std::nullopt);
    TIniFile beneath(plainFile + u"/DW.ini"_s);
    beneath.WriteString(u"S"_s, u"K"_s, u"new"_s);
    EXPECT_NE(beneath.UpdateFile(), std::nullopt);
    EXPECT_EQ(TIniFile(plainFile).ReadString(u"S"_s, u"K"_s, {}), u"old"_s);

    EXPECT_NE(TIniFile().UpdateFile(), std::nullopt);
}

// Regression: the settings were written over whatever a link planted where
// the file goes led to.
TEST(IniFileTest, ALinkWhereTheFileGoesIsReplacedNotWrittenThrough)
{
    QTemporaryDir temp;
    QFile victim(temp.filePath(u"victim"_s));
    ASSERT_TRUE(victim.open(QIODevice::WriteOnly));
    victim.write("precious");
    victim.close();
    const QString fileName = temp.filePath(u"DW.ini"_s);
    ASSERT_TRUE(QFile::link(victim.fileName(), fileName));
    TIniFile ini(fileName);
    ini.WriteInteger(u"Zooming"_s, u"Main"_s, 60);
    ASSERT_EQ(ini.UpdateFile(), std::nullopt);
    ASSERT_TRUE(victim.open(QIODevice::ReadOnly));
    EXPECT_EQ(victim.readAll(), "precious");
    EXPECT_FALSE(QFileInfo(fileName).isSymLink());
    EXPECT_EQ(TIniFile(fileName).ReadInteger(u"Zooming"_s, u"Main"_s, 0), 60);
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files).size(), 2);
}

// The file's identity on disk: a save file replaces it with a new one.
ino_t FileIdentity(const QString &fileName)
{
    struct stat status = {};
    return ::stat(QFile::encodeName(fileName).constData(), &status) == 0 ? status.st_ino : 0;
}

TEST(IniFileTest, AFileAlreadyHoldingTheTextIsNotWrittenAgain)
{
    QTemporaryDir temp;
    const QString fileName = temp.filePath(u"DW.ini"_s);
    TIniFile first(fileName);
    first.WriteInteger(u"Zooming"_s, u"Main"_s, 60);
    ASSERT_EQ(first.UpdateFile(), std::nullopt);
    const ino_t written = FileIdentity(fileName);
    ASSERT_NE(written, 0u);

    // Read and saved with the same values: the file stays as it is.
    TIniFile again(fileName);
    again.WriteInteger(u"Zooming"_s, u"Main"_s, 60);
    EXPECT_EQ(again.UpdateFile(), std::nullopt);
    EXPECT_EQ(FileIdentity(fileName), written);

    // A change written, then undone: the undoing is written too.
    again.WriteInteger(u"Zooming"_s, u"Main"_s, 100);
    ASSERT_EQ(again.UpdateFile(), std::nullopt);
    again.WriteInteger(u"Zooming"_s, u"Main"_s, 60);
    ASSERT_EQ(again.UpdateFile(), std::nullopt);
    EXPECT_EQ(TIniFile(fileName).ReadInteger(u"Zooming"_s, u"Main"_s, 0), 60);

    // A file written in another form is rewritten in the program's form.
    QFile lf(fileName);
    ASSERT_TRUE(lf.open(QIODevice::WriteOnly));
    lf.write("[Zooming]\nMain=60\n");
    lf.close();
    ASSERT_EQ(TIniFile(fileName).UpdateFile(), std::nullopt);
    QFile check(fileName);
    ASSERT_TRUE(check.open(QIODevice::ReadOnly));
    EXPECT_EQ(check.readAll(), QByteArray("[Zooming]\r\nMain=60\r\n"));
}

} // namespace

// Regression: a file past the reader's limits was rewritten cut to them, and
// what lay beyond was lost without a word.
TEST(IniFileTest, AFileNotReadWholeIsNeverRewritten)
{
    QTemporaryDir temp;
    const QString fileName = temp.filePath(u"DW.ini"_s);
    QByteArray manySections;
    for (int i = 0; i <= TIniFile::MaxSections; ++i)
        manySections += "[S" + QByteArray::number(i) + "]\nK=1\n";
    const QByteArray cases[] = {
        "[S]\nK=" + QByteArray(TIniFile::MaxLineLength * 2, 'v') + "\n",
        manySections,
        "[S]\n" + QByteArray(TIniFile::MaxLines + 10, '\n'),
        "[S]\nK=1\n" + QByteArray(TIniFile::MaxFileBytes, ';'),
    };
    for (const QByteArray &text : cases) {
        QFile file(fileName);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();
        TIniFile ini(fileName);
        ini.WriteString(u"S"_s, u"New"_s, u"value"_s);
        const std::optional<QString> failure = ini.UpdateFile();
        ASSERT_NE(failure, std::nullopt);
        EXPECT_TRUE(failure->contains(u"could not be read whole"_s)) << failure->toStdString();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll() == text);
    }
}
