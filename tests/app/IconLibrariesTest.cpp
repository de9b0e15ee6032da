#include "IconLibraries.h"

#include "ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Touch(const QString &fileName)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(IconLibraries, FilesMapToTheCaptionsTheirCheckMarksGoWith)
{
    const struct
    {
        const char *FileName;
        const char *Key;
    } cases[] = {
        {"/opt/dw/activity.icl", "ACTIVITIES"},
        {"/opt/dw/EVENTS.ICL", "EVENTS"},
        {"holiday.icl", "HOLIDAYS"},
        {"/x/Misc1.icl", "MISCELLANEOUS #1"},
        {"/x/misc2.ICL", "MISCELLANEOUS #2"},
        {"/x/BonusIcons/Zoo.icl", "ZOO"},
        {"/x/shell.dll", "SHELL"},
        {"/x/my.holiday.icl", "MY.HOLIDAY"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(LibraryCheckKey(QString::fromUtf8(c.FileName)), QString::fromUtf8(c.Key))
            << c.FileName;
}

TEST(IconLibraries, BonusSetsAreTheIclFilesOfTheirFolderInAlphabeticalOrder)
{
    QTemporaryDir program;
    EXPECT_TRUE(BonusSetCaptions(program.path()).isEmpty());
    QDir(program.path()).mkdir(QStringLiteral("bonusicons"));
    const QString folder = program.filePath(QStringLiteral("bonusicons"));
    for (const char *name : {"zoo.icl", "Birds.ICL", "notes.txt", "cars.ico", "Any & All.icl"})
        Touch(folder + u'/' + QString::fromUtf8(name));
    EXPECT_EQ(
        BonusSetCaptions(program.path()),
        QStringList({QStringLiteral("Any & All"), QStringLiteral("Birds"), QStringLiteral("zoo")}));
    EXPECT_EQ(BonusSetPath(program.path(), QStringLiteral("Birds")),
              folder + QStringLiteral("/Birds.ICL"));
}

TEST(IconLibraries, LibrariesAreFoundWhateverTheirLetterCase)
{
    QTemporaryDir program;
    SetProgramFolder(program.path());
    Touch(program.filePath(QStringLiteral("MISC1.ICL")));
    EXPECT_EQ(IconLibraryPath(FallbackIconLibrary), program.filePath(QStringLiteral("MISC1.ICL")));
    EXPECT_EQ(IconLibraryPath(QStringLiteral("events.icl")),
              program.filePath(QStringLiteral("events.icl")));
    EXPECT_EQ(ExistingFileNoCase(program.filePath(QStringLiteral("misc1.icl"))),
              program.filePath(QStringLiteral("MISC1.ICL")));
    EXPECT_EQ(ExistingFileNoCase(program.filePath(QStringLiteral("misc2.icl"))),
              program.filePath(QStringLiteral("misc2.icl")));
    SetProgramFolder(QString());
}

} // namespace
