#include "RecoveryFile.h"

#include "CalendarPage.h"
#include "LabelPrompts.h"
#include "PageGestures.h"

#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextCursor>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TRecoveryCopy SampleCopy(const QString &document)
{
    TCalendarPage page;
    page.ResetStyle(QDate(2026, 5, 1));
    TWPRtfStorage cell;
    QTextCursor(&cell.RtfText().Document()).insertText(u"Garden party"_s);
    page.SetCellText(7, cell);
    page.SetUserTitle(u"Mai \u00e9t\u00e9"_s);
    return {document, CapturePage(page)};
}

} // namespace

TEST(RecoveryFile, ACopyReadsBackAsItWasWritten)
{
    const TRecoveryCopy copy = SampleCopy(u"/home/me/May.DWC"_s);
    const std::optional<TRecoveryCopy> read = ReadRecoveryBytes(RecoveryBytes(copy));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->DocumentFileName, copy.DocumentFileName);
    EXPECT_EQ(read->Page.Style, copy.Page.Style);
    EXPECT_EQ(read->Page.Objects, copy.Page.Objects);
    for (int index = 0; index < CellCount; ++index)
        EXPECT_EQ(read->Page.Cells[index], copy.Page.Cells[index]);
}

TEST(RecoveryFile, EveryTruncationAndAForeignFileAreRefusedWithAReason)
{
    const QByteArray whole = RecoveryBytes(SampleCopy(QString()));
    for (qsizetype length = 0; length < whole.size(); length += 7) {
        QString error;
        EXPECT_FALSE(ReadRecoveryBytes(whole.left(length), &error)) << length;
        EXPECT_FALSE(error.isEmpty());
    }
    QString error;
    EXPECT_FALSE(ReadRecoveryBytes(whole + "x", &error));
    EXPECT_FALSE(ReadRecoveryBytes("TPF0 not a recovery copy", &error));
    EXPECT_EQ(error, u"not a recovery copy"_s);
}

TEST(RecoveryFile, OnlyCopiesNewerThanTheirDocumentOrNeverSavedAreOffered)
{
    QTemporaryDir folder;
    const QString document = folder.filePath(u"May.DWC"_s);
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QDateTime saved = QFileInfo(document).lastModified();
    const struct
    {
        QString Document;
        QDateTime Written;
        bool Offered;
    } cases[] = {
        {QString(), saved.addSecs(-100), true},
        {document, saved.addSecs(5), true},
        {document, saved.addSecs(-5), false},
        {document, saved, false},
        {folder.filePath(u"Gone.DWC"_s), saved.addSecs(-5), true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WorthOffering({c.Document, {}}, c.Written), c.Offered)
            << c.Document.toStdString();
}

TEST(RecoveryFile, AStaleLockIsTakenOverAndALiveOneIsNot)
{
    QTemporaryDir folder;
    TRecoveryWriter writer(folder.path());
    writer.Write(SampleCopy(QString()));
    writer.WaitForDone();
    ASSERT_TRUE(QFile::exists(writer.FileName()));
    EXPECT_TRUE(OrphanedCopies(folder.path()).isEmpty());

    // A copy whose lock names a process that is gone.
    const QString orphan = folder.filePath(u"999999-1.dwrec"_s);
    QFile::copy(writer.FileName(), orphan);
    QFile lock(orphan + u".lock"_s);
    ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    lock.write("999999\nDatewright\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    lock.close();
    const QList<TOrphanedCopy> found = OrphanedCopies(folder.path());
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].FileName, orphan);
    // Held while it is looked at: nobody else takes it meanwhile.
    EXPECT_TRUE(OrphanedCopies(folder.path()).isEmpty());
}

TEST(RecoveryFile, TheWriterRemovesItsCopy)
{
    QTemporaryDir folder;
    QString fileName;
    {
        TRecoveryWriter writer(folder.path());
        fileName = writer.FileName();
        writer.Write(SampleCopy(QString()));
        writer.WaitForDone();
        EXPECT_TRUE(QFile::exists(fileName));
        writer.Remove();
        EXPECT_FALSE(QFile::exists(fileName));
        writer.Write(SampleCopy(QString()));
    }
    EXPECT_FALSE(QFile::exists(fileName));
    EXPECT_FALSE(QFile::exists(fileName + u".lock"_s));
}

TEST(RecoveryFile, ObjectsReadBackWithTheirRecordsNamesAndOrder)
{
    TCalendarPage page;
    page.ResetStyle(QDate(2026, 5, 1));
    PlaceBothLabels(page, u"Bring plates"_s);
    page.Objects().At(1)->SetName(u"Greeting"_s);
    page.Objects().SendToBack(page.Objects().At(1));
    const TRecoveryCopy copy{QString(), CapturePage(page)};
    SetLabelPrompts({});
    const QByteArray bytes = RecoveryBytes(copy);
    const std::optional<TRecoveryCopy> read = ReadRecoveryBytes(bytes);
    ASSERT_TRUE(read);
    EXPECT_EQ(ObjectRecords(read->Page), ObjectRecords(copy.Page));
    EXPECT_EQ(ObjectNames(read->Page), (QStringList{u"Greeting"_s, ObjectNames(copy.Page)[1]}));
    EXPECT_EQ(RecoveryBytes(*read), bytes);

    // A list of objects that does not hold together, or names that do not
    // match it, are refused.
    const QByteArray list = ObjectRecords(copy.Page);
    const QStringList names = ObjectNames(copy.Page);
    const struct
    {
        QByteArray List;
        QStringList Names;
    } damaged[] = {
        {list.left(list.size() - 1), names},
        {list.left(list.size() / 2), names},
        {list + list.right(1), names},
        {list.mid(1), names},
        {list, names.mid(1)},
        {list, names + QStringList{u"Extra"_s}},
    };
    for (const auto &d : damaged) {
        TPageSnapshot snapshot = copy.Page;
        EXPECT_FALSE(SetObjectRecords(snapshot, d.List, d.Names));
        EXPECT_EQ(snapshot.Order, copy.Page.Order);
    }
}
