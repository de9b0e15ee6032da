#include "StartFolder.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString UsersDocuments()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(documents).exists() ? documents : QDir::homePath();
}

// The file dialogs opened in the program's folder, where an installed copy
// keeps no user files.
TEST(StartFolderTest, TheDocumentsFolderElseTheLastUsedElseTheUsersDocuments)
{
    QTemporaryDir temporary;
    ASSERT_TRUE(temporary.isValid());
    const QDir root(temporary.path());
    ASSERT_TRUE(root.mkpath(u"Cal"_s) && root.mkpath(u"Last"_s));
    const QString cal = root.filePath(u"Cal"_s);
    const QString last = root.filePath(u"Last"_s);
    const QString gone = root.filePath(u"Gone"_s);
    const struct
    {
        QString document, lastFolder, expected;
    } cases[] = {
        {cal + u"/Team.DWC"_s, last, cal},
        {cal + u"/Never saved yet.DWC"_s, {}, cal},
        {gone + u"/Team.DWC"_s, last, last},
        {{}, last, last},
        {{}, last + u"/"_s, last},
        {{}, gone, UsersDocuments()},
        {gone + u"/Team.DWC"_s, gone, UsersDocuments()},
        {{}, {}, UsersDocuments()},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StartFolder(c.document, c.lastFolder), c.expected)
            << c.document.toStdString() << " | " << c.lastFolder.toStdString();
}

TEST(StartFolderTest, AFilesFolderIsItsAbsolutePath)
{
    EXPECT_EQ(FolderOf(u"/home/ann/Cal/Team.DWC"_s), u"/home/ann/Cal"_s);
    EXPECT_EQ(FolderOf(u"/Team.DWC"_s), u"/"_s);
}

TEST(StartFolderTest, AFileFolderFollowsTheFilesChosenAndIgnoresCancels)
{
    TFileFolder folder(u"/home/ann/Cal"_s);
    folder.Note({});
    EXPECT_EQ(folder.Start(), u"/home/ann/Cal"_s);
    EXPECT_TRUE(folder.Chosen().isEmpty());
    folder.Note(u"/home/ann/Pictures/Dec.BMP"_s);
    folder.Note({});
    EXPECT_EQ(folder.Start(), u"/home/ann/Pictures"_s);
    EXPECT_EQ(folder.Chosen(), u"/home/ann/Pictures"_s);
    EXPECT_EQ(TFileFolder().Start(), UsersDocuments());
}

} // namespace
