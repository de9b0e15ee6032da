#include "MRUFileList.h"

#include "IniFile.h"
#include "SettingsFile.h"
#include "SettingsTestSupport.h"

#include <QMenuBar>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The list as the main window sets it up, on the settings file of folder.
std::unique_ptr<TMRUFileList> MainWindowList(QMenu *fileMenu = nullptr)
{
    auto list = std::make_unique<TMRUFileList>();
    list->SetAutoSave(false);
    list->SetAutoSaveName(SettingsFileName());
    list->SetAutoSaveKey(u"MRU"_s);
    list->SetFileMenu(fileMenu);
    return list;
}

QStringList Captions(const QWidget &menu)
{
    QStringList captions;
    for (const QAction *action : menu.actions())
        captions.append(action->isSeparator() ? u"-"_s : action->text());
    return captions;
}

void WriteMRUSection(const QStringList &lines)
{
    QByteArray text = "[Hints]\r\nOn=1\r\n[MRU]\r\n";
    for (const QString &line : lines)
        text += line.toLatin1() + "\r\n";
    QFile file(SettingsFileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

TEST(MRUFileListTest, ComponentDefaults)
{
    TMRUFileList list;
    EXPECT_EQ(list.Maximum(), 5);
    EXPECT_TRUE(list.RemoveOnClick());
    EXPECT_FALSE(list.UseSubmenu());
    EXPECT_EQ(list.SubmenuName(), u"Reopen"_s);
    EXPECT_EQ(list.FileMenu(), nullptr);
    EXPECT_FALSE(list.OnMRUItemClick());
    EXPECT_TRUE(list.AutoSave());
    EXPECT_EQ(list.AutoSaveName(), u"\\Software\\My Application"_s);
    EXPECT_EQ(list.AutoSaveKey(), u"MRU Items"_s);
    list.SetAutoSave(false);

    list.SetMaximum(300);
    EXPECT_EQ(list.Maximum(), 255);
    list.SetMaximum(-1);
    EXPECT_EQ(list.Maximum(), 0);
    list.AddFile(u"/a.DWC"_s);
    EXPECT_TRUE(list.Files().isEmpty());
}

TEST(MRUFileListTest, AddFileMovesKnownFilesUpWhateverTheirCaseAndCutsToMaximum)
{
    TSettingsFolder folder;
    const auto list = MainWindowList();
    for (const QString &name : {u"/d/1.DWC"_s, u"/d/2.DWC"_s, u"/d/3.DWC"_s, u"/d/4.DWC"_s})
        list->AddFile(name);
    EXPECT_EQ(list->Files(),
              (QStringList{u"/d/4.DWC"_s, u"/d/3.DWC"_s, u"/d/2.DWC"_s, u"/d/1.DWC"_s}));

    list->AddFile(u"/d/2.DWC"_s);
    EXPECT_EQ(list->Files(),
              (QStringList{u"/d/2.DWC"_s, u"/d/4.DWC"_s, u"/d/3.DWC"_s, u"/d/1.DWC"_s}));

    // The spelling just opened replaces the listed one.
    list->AddFile(u"/D/1.dwc"_s);
    EXPECT_EQ(list->Files(),
              (QStringList{u"/D/1.dwc"_s, u"/d/2.DWC"_s, u"/d/4.DWC"_s, u"/d/3.DWC"_s}));

    list->AddFile(u"/d/5.DWC"_s);
    list->AddFile(u"/d/6.DWC"_s);
    EXPECT_EQ(list->Files(), (QStringList{u"/d/6.DWC"_s, u"/d/5.DWC"_s, u"/D/1.dwc"_s,
                                          u"/d/2.DWC"_s, u"/d/4.DWC"_s}));
}

TEST(MRUFileListTest, MenuGetsSeparatorAndNumberedEntriesAtTheEnd)
{
    TSettingsFolder folder;
    QMenu fileMenu(u"&File"_s);
    fileMenu.addAction(u"&New "_s);
    fileMenu.addAction(u"E&xit"_s);
    const auto list = MainWindowList(&fileMenu);

    list->RebuildMenu();
    EXPECT_EQ(Captions(fileMenu), (QStringList{u"&New "_s, u"E&xit"_s}));

    list->AddFile(u"/d/a.DWC"_s);
    list->AddFile(u"/d/b.DWC"_s);
    list->AddFile(u"/d/c.DWC"_s);
    list->AddFile(u"/d/a.DWC"_s);
    EXPECT_EQ(Captions(fileMenu), (QStringList{u"&New "_s, u"E&xit"_s, u"-"_s, u"&1 /d/a.DWC"_s,
                                               u"&2 /d/c.DWC"_s, u"&3 /d/b.DWC"_s}));
    ASSERT_EQ(list->MenuItems().size(), 4);
    EXPECT_EQ(list->MenuItems()[0]->Number(), 0);
    EXPECT_EQ(list->MenuItems()[3]->Number(), 3);

    list->SetUseSubmenu(true);
    list->RebuildMenu();
    EXPECT_EQ(Captions(fileMenu), (QStringList{u"&New "_s, u"E&xit"_s, u"-"_s, u"Reopen"_s}));
    QMenu *submenu = fileMenu.actions().last()->menu();
    ASSERT_NE(submenu, nullptr);
    EXPECT_EQ(Captions(*submenu),
              (QStringList{u"&1 /d/a.DWC"_s, u"&2 /d/c.DWC"_s, u"&3 /d/b.DWC"_s}));
}

TEST(MRUFileListTest, MenuWithoutItemsGetsTheEntriesBesideItInItsParent)
{
    TSettingsFolder folder;
    QMenuBar bar;
    QMenu *fileMenu = bar.addMenu(u"&File"_s);
    bar.addMenu(u"&Help"_s);
    const auto list = MainWindowList(fileMenu);
    list->AddFile(u"/d/a.DWC"_s);
    EXPECT_EQ(Captions(bar), (QStringList{u"&File"_s, u"-"_s, u"&1 /d/a.DWC"_s, u"&Help"_s}));
    list->AddFile(u"/d/b.DWC"_s);
    EXPECT_EQ(Captions(bar),
              (QStringList{u"&File"_s, u"-"_s, u"&1 /d/b.DWC"_s, u"&2 /d/a.DWC"_s, u"&Help"_s}));
    EXPECT_TRUE(fileMenu->actions().isEmpty());
}

TEST(MRUFileListTest, ClickHandsTheFileToTheOwnerAndTakesItOut)
{
    TSettingsFolder folder;
    QMenu fileMenu(u"&File"_s);
    fileMenu.addAction(u"E&xit"_s);
    const auto list = MainWindowList(&fileMenu);
    for (const QString &name : {u"/d/a.DWC"_s, u"/d/b.DWC"_s, u"/d/c.DWC"_s})
        list->AddFile(name);

    // Without a handler a click does nothing.
    fileMenu.actions()[3]->trigger();
    EXPECT_EQ(list->Files().size(), 3);

    QStringList opened;
    list->SetOnMRUItemClick([&](TMRUFileList *sender, const QString &fileName) {
        EXPECT_EQ(sender, list.get());
        EXPECT_EQ(list->Files().size(), 2);
        opened.append(fileName);
    });
    fileMenu.actions()[3]->trigger();
    EXPECT_EQ(opened, QStringList{u"/d/b.DWC"_s});
    EXPECT_EQ(Captions(fileMenu),
              (QStringList{u"E&xit"_s, u"-"_s, u"&1 /d/c.DWC"_s, u"&2 /d/a.DWC"_s}));

    list->SetRemoveOnClick(false);
    list->ClickItem(2);
    list->ClickItem(3);
    list->ClickItem(0);
    EXPECT_EQ(opened, (QStringList{u"/d/b.DWC"_s, u"/d/a.DWC"_s}));
    EXPECT_EQ(list->Files().size(), 2);
}

TEST(MRUFileListTest, SevenStoredEntriesStayUntilTheNextAddFile)
{
    TSettingsFolder folder;
    WriteMRUSection({u"F6=/d/6.DWC"_s, u"F0=/d/0.DWC"_s, u"F1=/d/1.DWC"_s, u"F2=/d/2.DWC"_s,
                     u"Other=/d/x.DWC"_s, u"F4=/d/4.DWC"_s, u"F5=/d/5.DWC"_s});
    QMenu fileMenu(u"&File"_s);
    fileMenu.addAction(u"E&xit"_s);
    const auto list = MainWindowList(&fileMenu);
    list->LoadFromIni();
    EXPECT_EQ(list->Files(),
              (QStringList{u"/d/6.DWC"_s, u"/d/0.DWC"_s, u"/d/1.DWC"_s, u"/d/2.DWC"_s,
                           u"/d/x.DWC"_s, u"/d/4.DWC"_s, u"/d/5.DWC"_s}));
    EXPECT_EQ(fileMenu.actions().size(), 1 + 1 + 7);
    EXPECT_EQ(fileMenu.actions().last()->text(), u"&7 /d/5.DWC"_s);

    list->AddFile(u"/d/new.DWC"_s);
    EXPECT_EQ(list->Files(), (QStringList{u"/d/new.DWC"_s, u"/d/6.DWC"_s, u"/d/0.DWC"_s,
                                          u"/d/1.DWC"_s, u"/d/2.DWC"_s}));
    EXPECT_EQ(fileMenu.actions().size(), 1 + 1 + 5);
}

TEST(MRUFileListTest, SaveToIniRewritesTheSectionAlone)
{
    TSettingsFolder folder;
    WriteMRUSection({u"F0=/d/old.DWC"_s, u"F7=/d/stale.DWC"_s});
    const auto list = MainWindowList();
    list->AddFile(u"/d/a.DWC"_s);
    list->AddFile(u"/d/b.DWC"_s);
    EXPECT_TRUE(list->SaveToIni());
    EXPECT_EQ(FileBytes(SettingsFileName()),
              "[Hints]\r\nOn=1\r\n[MRU]\r\nF0=/d/b.DWC\r\nF1=/d/a.DWC\r\n");

    const auto reloaded = MainWindowList();
    reloaded->LoadFromIni();
    EXPECT_EQ(reloaded->Files(), list->Files());

    // Without a file or a section nothing is read or written.
    list->SetAutoSaveKey(QString());
    EXPECT_FALSE(list->SaveToIni());
    reloaded->SetAutoSaveName(QString());
    reloaded->LoadFromIni();
    EXPECT_EQ(reloaded->Files().size(), 2);
    EXPECT_TRUE(folder.Messages.isEmpty());
}

TEST(MRUFileListTest, AutoSaveWritesTheListWhenTheComponentGoes)
{
    TSettingsFolder folder;
    {
        const auto list = MainWindowList();
        list->SetAutoSave(true);
        list->AddFile(u"/d/a.DWC"_s);
    }
    EXPECT_EQ(TIniFile(SettingsFileName()).ReadString(u"MRU"_s, u"F0"_s, {}), u"/d/a.DWC"_s);
}

} // namespace
