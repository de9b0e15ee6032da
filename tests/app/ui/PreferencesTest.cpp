#include "Preferences.h"

#include "IniFile.h"
#include "MRUFileList.h"
#include "SettingsTestSupport.h"
#include "WindowPlacement.h"

#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(PreferencesTest, MissingSettingsFileGivesEveryDefault)
{
    TSettingsFolder folder;
    const TPreferences read = LoadPreferences();
    EXPECT_EQ(read.MainZoomPercent, 60);
    EXPECT_EQ(read.PropZoomPercent, 30);
    EXPECT_EQ(read.DefaultFontName, u"Arial"_s);
    EXPECT_EQ(read.DefaultFontSize, 10);
    EXPECT_FALSE(read.DefaultFontBold || read.DefaultFontItalic || read.DefaultFontUnderline ||
                 read.DefaultFontStrikeout);
    EXPECT_EQ(read.DefaultFontColor, clBlack);
    EXPECT_EQ(read.IconFileName, folder.Path(u"MISC1.ICL"_s));
    EXPECT_TRUE(read.IconToolVisible);
    EXPECT_TRUE(read.HintsOn);
    EXPECT_EQ(SettingsFileName(), folder.Path(u"DW.ini"_s));
    EXPECT_FALSE(QFile::exists(SettingsFileName()));
    EXPECT_TRUE(folder.Messages.isEmpty());
}

TEST(PreferencesTest, SavedSettingsComeBackAndTheFileKeepsItsLayout)
{
    TSettingsFolder folder;
    TPreferences saved;
    saved.MainZoomPercent = 100;
    saved.PropZoomPercent = 20;
    saved.SetDefaultFont(
        {u"Times New Roman"_s, 14, TFontStyle::fsItalic | TFontStyle::fsStrikeOut, clWindowText});
    saved.IconFileName = u"/data/holiday.icl"_s;
    saved.IconToolVisible = false;
    saved.HintsOn = false;
    ASSERT_TRUE(SavePreferences(saved));

    const TPreferences read = LoadPreferences();
    EXPECT_EQ(read, saved);
    EXPECT_EQ(read.DefaultFont().Style, TFontStyle::fsItalic | TFontStyle::fsStrikeOut);
    EXPECT_EQ(read.DefaultFont().Color, clWindowText);
    EXPECT_EQ(FileBytes(SettingsFileName()),
              "[Zooming]\r\nMain=100\r\nProp=20\r\n"
              "[Default Font]\r\nName=Times New Roman\r\nSize=14\r\nBold=0\r\nItalic=1\r\n"
              "Underline=0\r\nStrikeout=1\r\nColor=-2147483640\r\n"
              "[Icons]\r\nVisible=0\r\nFile=/data/holiday.icl\r\n[Hints]\r\nOn=0\r\n");
}

TEST(PreferencesTest, SavingKeepsTheOtherSectionsAndHandEditedKeys)
{
    TSettingsFolder folder;
    TIniFile ini(SettingsFileName());
    ini.WriteString(u"MRU"_s, u"F0"_s, u"/a.DWC"_s);
    ini.WriteString(u"zooming"_s, u"MAIN"_s, u"0x50"_s);
    ini.WriteString(u"Zooming"_s, u"Prop"_s, u"$28"_s);
    ini.WriteString(u"Default Font"_s, u"Size"_s, u"big"_s);
    ini.WriteString(u"Default Font"_s, u"Color"_s, u"\x01\xFF"_s);
    ini.WriteString(u"Hints"_s, u"On"_s, u"yes"_s);
    ini.WriteString(u"Icons"_s, u"Visible"_s, u"2"_s);
    ASSERT_EQ(ini.UpdateFile(), std::nullopt);

    TPreferences read = LoadPreferences();
    EXPECT_EQ(read.MainZoomPercent, 80);
    EXPECT_EQ(read.PropZoomPercent, 40);
    EXPECT_EQ(read.DefaultFontSize, 10);
    EXPECT_EQ(read.DefaultFontColor, clBlack);
    EXPECT_TRUE(read.HintsOn);
    EXPECT_TRUE(read.IconToolVisible);

    read.DefaultFontName = QString(2000, u'n');
    ASSERT_TRUE(SavePreferences(read));
    const TIniFile written(SettingsFileName());
    EXPECT_EQ(written.ReadString(u"MRU"_s, u"F0"_s, {}), u"/a.DWC"_s);
    EXPECT_EQ(written.Sections(),
              (QStringList{u"MRU"_s, u"zooming"_s, u"Default Font"_s, u"Hints"_s, u"Icons"_s}));
    EXPECT_EQ(written.ReadSection(u"Zooming"_s), (QStringList{u"MAIN"_s, u"Prop"_s}));
    EXPECT_EQ(LoadPreferences().DefaultFontName, QString(1023, u'n'));
}

TEST(PreferencesTest, RefusedWritesAreToldNamingTheFile)
{
    TSettingsFolder folder;
    const QString fileName = folder.UnwritableFolder() + u"/DW.ini"_s;

    EXPECT_FALSE(SavePreferences(TPreferences(), fileName));

    QWidget window;
    EXPECT_FALSE(SavePlacement(window, fileName));

    TMRUFileList list;
    list.SetAutoSave(false);
    list.SetAutoSaveName(fileName);
    list.AddFile(u"/a.DWC"_s);
    EXPECT_FALSE(list.SaveToIni());

    ASSERT_EQ(folder.Messages.size(), 3);
    for (const QString &message : std::as_const(folder.Messages))
        EXPECT_TRUE(message.contains(fileName)) << message.toStdString();
    EXPECT_FALSE(QFile::exists(fileName));
    EXPECT_EQ(LoadPreferences(fileName), TPreferences());
}

} // namespace
