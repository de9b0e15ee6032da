#include "Preferences.h"

#include "IniFile.h"
#include "ProgramFolder.h"

using namespace Qt::StringLiterals;

namespace {

const QString zoomingSection = QStringLiteral("Zooming");
const QString fontSection = QStringLiteral("Default Font");
const QString iconsSection = QStringLiteral("Icons");
const QString hintsSection = QStringLiteral("Hints");
const QString foldersSection = QStringLiteral("Folders");

} // namespace

TFontDesc TPreferences::DefaultFont() const
{
    TFontDesc font;
    font.Name = DefaultFontName;
    font.Size = DefaultFontSize;
    font.Style.setFlag(TFontStyle::fsBold, DefaultFontBold);
    font.Style.setFlag(TFontStyle::fsItalic, DefaultFontItalic);
    font.Style.setFlag(TFontStyle::fsUnderline, DefaultFontUnderline);
    font.Style.setFlag(TFontStyle::fsStrikeOut, DefaultFontStrikeout);
    font.Color = DefaultFontColor;
    return font;
}

void TPreferences::SetDefaultFont(const TFontDesc &font)
{
    DefaultFontName = font.Name;
    DefaultFontSize = font.Size;
    DefaultFontBold = font.Style.testFlag(TFontStyle::fsBold);
    DefaultFontItalic = font.Style.testFlag(TFontStyle::fsItalic);
    DefaultFontUnderline = font.Style.testFlag(TFontStyle::fsUnderline);
    DefaultFontStrikeout = font.Style.testFlag(TFontStyle::fsStrikeOut);
    DefaultFontColor = font.Color;
}

QString TPreferences::DefaultIconFileName()
{
    return ProgramFolder() + QStringLiteral("MISC1.ICL");
}

TPreferences LoadPreferences(const QString &fileName)
{
    const TIniFile ini(fileName);
    const TPreferences defaults;
    TPreferences read;
    read.MainZoomPercent = ini.ReadInteger(zoomingSection, u"Main"_s, defaults.MainZoomPercent);
    read.PropZoomPercent = ini.ReadInteger(zoomingSection, u"Prop"_s, defaults.PropZoomPercent);

    read.DefaultFontName = ini.ReadString(fontSection, u"Name"_s, defaults.DefaultFontName);
    read.DefaultFontSize = ini.ReadInteger(fontSection, u"Size"_s, defaults.DefaultFontSize);
    read.DefaultFontBold = ini.ReadBool(fontSection, u"Bold"_s, defaults.DefaultFontBold);
    read.DefaultFontItalic = ini.ReadBool(fontSection, u"Italic"_s, defaults.DefaultFontItalic);
    read.DefaultFontUnderline =
        ini.ReadBool(fontSection, u"Underline"_s, defaults.DefaultFontUnderline);
    read.DefaultFontStrikeout =
        ini.ReadBool(fontSection, u"Strikeout"_s, defaults.DefaultFontStrikeout);
    // The colour is a 32-bit value written as a signed integer.
    read.DefaultFontColor =
        TColor(ini.ReadInteger(fontSection, u"Color"_s, int(defaults.DefaultFontColor)));

    read.IconFileName = ini.ReadString(iconsSection, u"File"_s, defaults.IconFileName);
    read.IconToolVisible = ini.ReadBool(iconsSection, u"Visible"_s, defaults.IconToolVisible);

    read.HintsOn = ini.ReadBool(hintsSection, u"On"_s, defaults.HintsOn);
    read.LastFolder = ini.ReadString(foldersSection, u"Last"_s, defaults.LastFolder);
    read.PictureFolder = ini.ReadString(foldersSection, u"Pictures"_s, defaults.PictureFolder);
    return read;
}

// The keys go in the order the settings file has always had them, the icon
// library last.
bool SavePreferences(const TPreferences &preferences, const QString &fileName)
{
    TIniFile ini(fileName);
    ini.WriteInteger(zoomingSection, u"Main"_s, preferences.MainZoomPercent);
    ini.WriteInteger(zoomingSection, u"Prop"_s, preferences.PropZoomPercent);

    ini.WriteString(fontSection, u"Name"_s, preferences.DefaultFontName);
    ini.WriteInteger(fontSection, u"Size"_s, preferences.DefaultFontSize);
    ini.WriteBool(fontSection, u"Bold"_s, preferences.DefaultFontBold);
    ini.WriteBool(fontSection, u"Italic"_s, preferences.DefaultFontItalic);
    ini.WriteBool(fontSection, u"Underline"_s, preferences.DefaultFontUnderline);
    ini.WriteBool(fontSection, u"Strikeout"_s, preferences.DefaultFontStrikeout);
    ini.WriteInteger(fontSection, u"Color"_s, int(preferences.DefaultFontColor));

    ini.WriteBool(iconsSection, u"Visible"_s, preferences.IconToolVisible);
    ini.WriteBool(hintsSection, u"On"_s, preferences.HintsOn);
    ini.WriteString(iconsSection, u"File"_s, preferences.IconFileName);
    // Written once a file was chosen, so an unused program's file stays as
    // it always was.
    if (!preferences.LastFolder.isEmpty())
        ini.WriteString(foldersSection, u"Last"_s, preferences.LastFolder);
    if (!preferences.PictureFolder.isEmpty())
        ini.WriteString(foldersSection, u"Pictures"_s, preferences.PictureFolder);
    return WriteSettings(ini);
}
