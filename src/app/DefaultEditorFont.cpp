#include "DefaultEditorFont.h"

#include "Preferences.h"

#include <algorithm>

TWPCharAttr DefaultFontAttributes(const TWPCharAttr &current, const TPreferences &preferences,
                                  int fontIndex, const std::array<TColor, 16> &palette)
{
    TWPCharAttr attr = current;
    attr.Font = fontIndex;
    attr.Size = std::clamp(preferences.DefaultFontSize, 0, 255);
    if (preferences.DefaultFontBold)
        attr.Style |= wpsBold;
    if (preferences.DefaultFontItalic)
        attr.Style |= wpsItalic;
    if (preferences.DefaultFontUnderline)
        attr.Style |= wpsUnderline;
    if (preferences.DefaultFontStrikeout)
        attr.Style |= wpsStrikeOut;
    attr.Color = PaletteIndexOf(palette, preferences.DefaultFontColor);
    return attr;
}
