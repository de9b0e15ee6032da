#include "DefaultEditorFont.h"

#include "Preferences.h"

#include <gtest/gtest.h>

namespace {

std::array<TColor, 16> Palette()
{
    std::array<TColor, 16> palette{};
    palette.fill(clWhite);
    palette[0] = clBlack;
    palette[3] = 0x0000FF; // red
    palette[9] = 0x0000FF; // red again: the last one counts
    return palette;
}

TEST(DefaultEditorFontTest, FaceSizeAndColourReplaceTheCurrentOnes)
{
    TPreferences preferences;
    preferences.DefaultFontSize = 14;
    preferences.DefaultFontColor = 0x0000FF;
    const TWPCharAttr current{2, 10, 0, 5};
    const TWPCharAttr attr = DefaultFontAttributes(current, preferences, 7, Palette());
    EXPECT_EQ(attr, (TWPCharAttr{7, 14, 0, 9}));

    // A colour the palette lacks gives the first entry.
    preferences.DefaultFontColor = 0x123456;
    EXPECT_EQ(DefaultFontAttributes(current, preferences, 7, Palette()).Color, 0);
}

TEST(DefaultEditorFontTest, StylesAreAddedNeverTakenAway)
{
    TPreferences preferences;
    const TWPCharAttr italicUnderlined{0, 10, wpsItalic | wpsUnderline, 0};
    EXPECT_EQ(DefaultFontAttributes(italicUnderlined, preferences, 0, Palette()).Style,
              wpsItalic | wpsUnderline);
    preferences.DefaultFontBold = true;
    preferences.DefaultFontStrikeout = true;
    EXPECT_EQ(DefaultFontAttributes(italicUnderlined, preferences, 0, Palette()).Style,
              wpsBold | wpsItalic | wpsUnderline | wpsStrikeOut);
}

TEST(DefaultEditorFontTest, SizeFromTheSettingsIsKeptWithinAByte)
{
    TPreferences preferences;
    for (const auto &[stored, taken] : {std::pair{300, 255}, {-4, 0}, {255, 255}, {0, 0}}) {
        preferences.DefaultFontSize = stored;
        EXPECT_EQ(DefaultFontAttributes({}, preferences, 0, Palette()).Size, taken) << stored;
    }
}

} // namespace
