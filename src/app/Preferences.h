#pragma once

#include "Color.h"
#include "FontDesc.h"
#include "SettingsFile.h"

#include <QString>

// The user's settings kept in the settings file, with their defaults.
struct TPreferences
{
    // Zoom of the page and of the properties dialog's preview, in percent.
    int MainZoomPercent = 60;
    int PropZoomPercent = 30;

    // The default editor font.
    QString DefaultFontName = QStringLiteral("Arial");
    int DefaultFontSize = 10;
    bool DefaultFontBold = false;
    bool DefaultFontItalic = false;
    bool DefaultFontUnderline = false;
    bool DefaultFontStrikeout = false;
    TColor DefaultFontColor = clBlack;

    // The icon library the icon palette shows, and whether the palette is
    // wanted on screen.
    QString IconFileName = DefaultIconFileName();
    bool IconToolVisible = true;

    bool HintsOn = true;

    // The folder a file was last chosen in, where file dialogs open when no
    // document is open (see StartFolder).
    QString LastFolder;
    // The folder a picture was last taken from, where the picture browser
    // opens (see PictureStartFolder).
    QString PictureFolder;

    // The default editor font as one value, for the font dialog.
    TFontDesc DefaultFont() const;
    void SetDefaultFont(const TFontDesc &font);

    // "MISC1.ICL" in the program folder.
    static QString DefaultIconFileName();

    friend bool operator==(const TPreferences &, const TPreferences &) = default;
};

// Reads the settings; a missing file, key or number gives the default.
TPreferences LoadPreferences(const QString &fileName = SettingsFileName());

// Writes the settings, keeping everything else the file holds. A refused
// write is told to the user (see WriteSettings); false then.
bool SavePreferences(const TPreferences &preferences, const QString &fileName = SettingsFileName());
