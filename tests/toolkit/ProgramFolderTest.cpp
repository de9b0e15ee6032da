#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ProgramFolderTest : public testing::Test
{
protected:
    // Test mode keeps the per-user fallback out of the real home folder.
    void SetUp() override { QStandardPaths::setTestModeEnabled(true); }
    void TearDown() override
    {
        SetProgramFolder(QString());
        QStandardPaths::setTestModeEnabled(false);
    }

    QString Path(const QString &relative) const { return temp.filePath(relative); }
    void CreateFile(const QString &relative) const
    {
        QDir(temp.path()).mkpath(QFileInfo(relative).path());
        QFile file(Path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
    }

    static QString UserFolder()
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    }

    QTemporaryDir temp;
};

TEST_F(ProgramFolderTest, OverrideEndsInSlashAndResetsWhenEmpty)
{
    SetProgramFolder(temp.path());
    EXPECT_EQ(ProgramFolder(), temp.path() + u'/');
    SetProgramFolder(temp.path() + u'/');
    EXPECT_EQ(ProgramFolder(), temp.path() + u'/');
    SetProgramFolder(QString());
    EXPECT_EQ(ProgramFolder(), QCoreApplication::applicationDirPath() + u'/');
}

TEST_F(ProgramFolderTest, WritesBesideTheProgramOnlyWhenItsFolderIsWritable)
{
    SetProgramFolder(temp.path());
    EXPECT_EQ(WritableFilePath(u"DW.ini"_s), Path(u"DW.ini"_s));

    QDir(UserFolder()).removeRecursively();
    SetProgramFolder(Path(u"missing"_s));
    EXPECT_EQ(WritableFilePath(u"DW.ini"_s), UserFolder() + u"/DW.ini"_s);
    EXPECT_TRUE(QFileInfo(UserFolder()).isDir());
}

TEST_F(ProgramFolderTest, ReadOnlyProgramFolderSendsFilesToTheUserFolder)
{
    const QString readOnly = Path(u"readonly"_s);
    QDir().mkdir(readOnly);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (QFileInfo(readOnly).isWritable())
        GTEST_SKIP() << "permissions are not enforced for this user";

    SetProgramFolder(readOnly);
    EXPECT_EQ(WritableFilePath(u"DW.ini"_s), UserFolder() + u"/DW.ini"_s);
}

// Regression: an installed copy run as root, who may write anywhere, wrote
// its settings and temporary files into the package's program folder.
TEST_F(ProgramFolderTest, AnInstalledCopyWritesToTheUserFolderThoughItsFolderIsWritable)
{
    SetProgramFolder(temp.path());
    ASSERT_TRUE(QFileInfo(temp.path()).isWritable());
    // Looked up as every file beside the program is, whatever its letter case.
    CreateFile(QString::fromUtf16(InstalledMarkName).toLower());
    for (const QString &name : {u"DW.ini"_s, u"DWRECUR.DAX"_s, u"Clipbrd.tmp"_s})
        EXPECT_EQ(WritableFilePath(name), UserFolder() + u'/' + name);
}

// The build tree is a copy run where it was built: it has no mark, and the
// install rules install the mark under the name the program looks for.
TEST_F(ProgramFolderTest, OnlyTheInstalledCopyIsMarked)
{
    const QString name = QString::fromUtf16(InstalledMarkName);
    EXPECT_EQ(FindFileNoCase(QStringLiteral(DW_TEST_PROGRAM_DIR), name), QString());
    EXPECT_TRUE(QFileInfo(QStringLiteral(DW_PACKAGING_DIR) + u'/' + name).isFile());
}

TEST_F(ProgramFolderTest, FindsEachSegmentWithoutRegardToCasePreferringExactMatches)
{
    CreateFile(u"Borders/foo.wpo"_s);
    EXPECT_EQ(FindFileNoCase(temp.path(), u"borders/FOO.WPO"_s), Path(u"Borders/foo.wpo"_s));
    EXPECT_EQ(FindFileNoCase(temp.path() + u'/', u"BORDERS"_s), Path(u"Borders"_s));
    EXPECT_EQ(FindFileNoCase(temp.path(), u"Borders/bar.wpo"_s), QString());

    const QStringList sameButCase = {u"readme.txt"_s, u"README.TXT"_s, u"Readme.txt"_s};
    for (const QString &name : sameButCase)
        CreateFile(name);
    for (const QString &name : sameButCase)
        EXPECT_EQ(FindFileNoCase(temp.path(), name), Path(name));
}

TEST_F(ProgramFolderTest, RejectsPathsThatLeaveTheFolderOrNameNothing)
{
    CreateFile(u"secret.txt"_s);
    CreateFile(u"Sub/foo.wpo"_s);
    for (const QString &path : {u""_s, u"."_s, u"../secret.txt"_s, u"foo.wpo/../foo.wpo"_s,
                                u"/foo.wpo"_s, u"./foo.wpo"_s, u"foo.wpo/"_s, u"foo.wpo/x"_s})
        EXPECT_EQ(FindFileNoCase(Path(u"Sub"_s), path), QString()) << path.toStdString();
}

} // namespace
