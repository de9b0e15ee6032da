#include "LumLabelObjectFiler.h"

#include "ComponentStream.h"
#include "DesignFixture.h"
#include "Messages.h"
#include "ProgramFolder.h"
#include "StreamWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

QByteArray FileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class ObjectClipboard : public DesignPanel
{
protected:
    ObjectClipboard()
    {
        // Panels made during the test know the test kind too.
        RegisterTestObjectClass();
        SetProgramFolder(Folder.path());
    }
    ~ObjectClipboard() override { SetProgramFolder(QString()); }

    QTemporaryDir Folder;
};

TEST_F(ObjectClipboard, TheFileIsAListOfObjectRecords)
{
    TTestObject &a = Place(10, 20, 30, 40);
    a.SetName("Special1");
    Panel.Handle().Add(&a);
    Panel.ClipboardAction(caCopy);
    TStreamWriter expected;
    expected.WriteListBegin();
    WriteComponent(expected, a);
    expected.WriteListEnd();
    EXPECT_EQ(FileBytes(Panel.ClipboardFileName()), expected.Data());
    EXPECT_FALSE(QFileInfo::exists(Panel.TempFileName()));
}

TEST_F(ObjectClipboard, PastesAreOffsetFromTheStoredPlaceWithoutAccumulating)
{
    TTestObject &a = Place(10, 20, 30, 40);
    a.SetColor(clBlue);
    Panel.Handle().Add(&a);
    Panel.ClipboardAction(caCopy);
    const int before = Changes;
    Panel.ClipboardAction(caPaste);
    ASSERT_EQ(Panel.Objects().Count(), 2);
    // A second paste within a second is Ctrl+V repeating: ignored.
    Now += 999;
    Panel.ClipboardAction(caPaste);
    EXPECT_EQ(Panel.Objects().Count(), 2);
    Now += 3000;
    Panel.ClipboardAction(caPaste);
    ASSERT_EQ(Panel.Objects().Count(), 3);
    for (int i : {1, 2}) {
        const auto *pasted = static_cast<TTestObject *>(Panel.Objects().At(i));
        EXPECT_EQ(pasted->Bounds(), (TBounds{25, 35, 30, 40}));
        EXPECT_EQ(pasted->Color(), clBlue);
        EXPECT_EQ(pasted->Parent(), &Panel);
        EXPECT_FALSE(Panel.Objects().IsSelected(pasted)); // pasted objects are not selected
    }
    EXPECT_EQ(Panel.Objects().At(1)->Name(), "Component0");
    EXPECT_EQ(Panel.Objects().At(2)->Name(), "Component1");
    EXPECT_EQ(Changes - before, 2);
}

TEST_F(ObjectClipboard, WhatWasCopiedAtOneZoomPastesAtTheSameSizeAtAnother)
{
    TTestObject &a = Place(40, 20, 60, 30);
    View.SetZoom(0.5f);
    Panel.Handle().Add(&a);
    Panel.ClipboardAction(caCopy);
    View.SetZoom(1.0f);
    Panel.ClipboardAction(caPaste);
    ASSERT_EQ(Panel.Objects().Count(), 2);
    EXPECT_EQ(Panel.Objects().At(1)->Bounds(), (TBounds{55, 35, 60, 30}));
    EXPECT_EQ(Panel.Objects().At(1)->Scale(), 1.0f);
}

TEST_F(ObjectClipboard, APasteWithoutAClipboardFileDoesNothing)
{
    Panel.ClipboardAction(caPaste);
    EXPECT_TRUE(Panel.Objects().IsEmpty());
    EXPECT_EQ(Changes, 0);
    // Copy and cut without a selection leave the file as it was.
    WriteBytes(Panel.ClipboardFileName(), "kept");
    Panel.ClipboardAction(caCopy);
    Panel.ClipboardAction(caCut);
    EXPECT_EQ(FileBytes(Panel.ClipboardFileName()), "kept");
}

TEST_F(ObjectClipboard, DamagedFilesPasteWhatCouldBeRead)
{
    Place(10, 20, 30, 40);
    Place(50, 20, 30, 40);
    Panel.SelectAll();
    Panel.ClipboardAction(caCopy);
    const QByteArray whole = FileBytes(Panel.ClipboardFileName());
    Panel.DeleteAllObjects();
    TLumLabelObjectFiler filer(Panel);
    // Every truncation reads at most the objects that end before the cut.
    int previous = 0;
    for (int length = 0; length < whole.size(); ++length) {
        const int read = int(filer.ReadObjectsFrom(whole.left(length)).size());
        EXPECT_GE(read, previous) << length;
        EXPECT_LE(read, length == whole.size() - 1 ? 2 : 1) << length;
        previous = read;
        Panel.DeleteAllObjects();
    }
    EXPECT_EQ(filer.ReadObjectsFrom(whole).size(), 2);
    Panel.DeleteAllObjects();
    for (const QByteArray &junk : {QByteArray("not a clipboard file"), QByteArray("\x01TPF0", 5),
                                   QByteArray("\x01\x00", 2), QByteArray()})
        EXPECT_TRUE(filer.ReadObjectsFrom(junk).isEmpty());
    // An unknown kind ends the list; what came before it stays.
    QByteArray unknown = whole;
    unknown.replace("TTestObject", "TNoSuchKind");
    EXPECT_TRUE(filer.ReadObjectsFrom(unknown).isEmpty());
    QByteArray second = whole;
    second.replace(second.lastIndexOf("TTestObject"), 11, "TNoSuchKind");
    EXPECT_EQ(filer.ReadObjectsFrom(second).size(), 1);
}

TEST_F(ObjectClipboard, LinksPlantedAtTheFileNamesAreNeverFollowed)
{
    const QString target = Folder.filePath("precious.txt");
    WriteBytes(target, "precious");
    ASSERT_TRUE(QFile::link(target, Panel.ClipboardFileName()));
    ASSERT_TRUE(QFile::link(target, Panel.TempFileName()));
    // A link is no clipboard file.
    Panel.ClipboardAction(caPaste);
    EXPECT_TRUE(Panel.Objects().IsEmpty());
    TTestObject &a = Place(10, 20, 30, 40);
    Panel.Handle().Add(&a);
    Panel.ClipboardAction(caCopy);
    EXPECT_EQ(FileBytes(target), "precious");
    EXPECT_FALSE(QFileInfo(Panel.ClipboardFileName()).isSymLink());
    EXPECT_TRUE(FileBytes(Panel.ClipboardFileName()).startsWith("\x01TPF0"));
}

// Regression: the clipboard was staged through the fixed name "TempFile.tmp",
// which a second copy of the program writing at the same time removed.
TEST_F(ObjectClipboard, TheFileIsStagedUnderANameOfItsOwn)
{
    WriteBytes(Panel.TempFileName(), "another copy's staging");
    TTestObject &a = Place(10, 20, 30, 40);
    Panel.Handle().Add(&a);
    Panel.ClipboardAction(caCopy);
    EXPECT_EQ(FileBytes(Panel.TempFileName()), "another copy's staging");
    EXPECT_TRUE(FileBytes(Panel.ClipboardFileName()).startsWith("\x01TPF0"));
    // No staging file is left behind.
    EXPECT_EQ(QDir(Folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(ObjectClipboard, AFailedWriteCutsNothing)
{
    QStringList told;
    SetMessageAnswerer({[&](const QString &text) { told.append(text); }, {}, {}, {}});
    TTestObject &a = Place(10, 20, 30, 40);
    Panel.Handle().Add(&a);
    // A folder where the file should be cannot be replaced by it.
    ASSERT_TRUE(QDir(Folder.path()).mkpath("Clipbrd.tmp/inside"));
    Panel.ClipboardAction(caCut);
    EXPECT_EQ(Panel.Objects().Count(), 1);
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith("Unable to write the clipboard file"));
    SetMessageAnswerer({});
}

TEST_F(ObjectClipboard, ThePanelThatWroteTheFilesDeletesThemWhenItGoes)
{
    const QString clipboard = Panel.ClipboardFileName();
    {
        TTestPanel reader;
        // A panel that never wrote them (a preview page) leaves them alone.
        WriteBytes(clipboard, "someone else's");
    }
    EXPECT_TRUE(QFileInfo::exists(clipboard));
    {
        TTestPanel writer;
        writer.Objects().Insert(MakeTestObject(1, 1, 10, 10));
        writer.SelectAll();
        writer.ClipboardAction(caCopy);
        EXPECT_TRUE(QFileInfo::exists(clipboard));
    }
    EXPECT_FALSE(QFileInfo::exists(clipboard));
}

TEST_F(ObjectClipboard, AnObjectsOwnMenuCopiesCutsAndDeletesIt)
{
    TTestObject &a = Place(10, 20, 30, 40);
    TTestObject &b = Place(50, 20, 30, 40);
    Panel.Handle().Add(&a);
    // b is not selected: its menu works on b alone.
    View.MenuChoice = "Copy";
    Panel.OpenObjectMenu(b, {});
    TLumLabelObjectFiler filer(Panel);
    EXPECT_EQ(filer.ReadObjects(Panel.ClipboardFileName()).size(), 1);
    View.MenuChoice = "Cut";
    Panel.OpenObjectMenu(b, {});
    EXPECT_FALSE(Panel.Objects().Contains(&b));
    EXPECT_TRUE(Panel.Objects().Contains(&a));
    // a is selected: its Delete deletes the selection.
    View.MenuChoice = "Delete";
    Panel.OpenObjectMenu(a, {});
    EXPECT_EQ(Panel.Objects().Count(), 1);
    EXPECT_FALSE(Panel.Objects().Contains(&a));
}

TEST_F(ObjectClipboard, AClone)
{
    TTestObject &a = Place(10, 20, 30, 40);
    Place(100, 100, 20, 20);
    a.SetColor(clGreen);
    Panel.Handle().Add(&a);
    TLumGraphicControl *copy = a.Clone();
    ASSERT_TRUE(copy);
    // 25 pixels lower, at the same left edge, on top, named Component + N.
    EXPECT_EQ(copy->Bounds(), (TBounds{10, 45, 30, 40}));
    EXPECT_EQ(Panel.Objects().IndexOf(copy), 2);
    EXPECT_EQ(copy->Name(), "Component0");
    EXPECT_EQ(static_cast<TTestObject *>(copy)->Color(), clGreen);
    // The selection moved to the copy.
    EXPECT_EQ(Panel.Objects().Selection(), (QList<TLumGraphicControl *>{copy}));
    // A clone of an unselected object leaves the selection alone.
    TLumGraphicControl *again = Panel.Objects().At(1)->Clone();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->Name(), "Component1");
    EXPECT_EQ(Panel.Objects().Selection(), (QList<TLumGraphicControl *>{copy}));
}
