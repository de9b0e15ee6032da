#include "SettingsFile.h"

#include "IniFile.h"
#include "SettingsTestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Regression: a settings file past the reader's limits was rewritten cut to
// them without a word; it is now left as it is, and the user told once.
TEST(SettingsFileTest, AFileNotReadWholeIsLeftAloneAndToldOnce)
{
    TSettingsFolder folder;
    const QByteArray text = "[S]\nK=" + QByteArray(TIniFile::MaxLineLength * 2, 'v') + "\n";
    QFile file(SettingsFileName());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    for (int save = 0; save < 3; ++save) {
        TIniFile ini(SettingsFileName());
        ini.WriteString(u"S"_s, u"New"_s, u"value"_s);
        EXPECT_FALSE(WriteSettings(ini));
    }
    ASSERT_EQ(folder.Messages.size(), 1);
    EXPECT_TRUE(folder.Messages[0].contains(u"could not be read whole"_s))
        << folder.Messages[0].toStdString();
    EXPECT_TRUE(FileBytes(SettingsFileName()) == text);
}
