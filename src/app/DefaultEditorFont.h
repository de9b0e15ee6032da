#pragma once

#include "CharAttributes.h"
#include "Color.h"

#include <array>

struct TPreferences;

// The character attributes text typed into a cell takes with the default
// editor font, starting from current: the face given by its index in the
// editor's font list, the size in points limited to 0 to 255, bold, italic,
// underline and strike-out added where the font has them (a style current
// already has stays), and the colour as the last of the editor's 16 palette
// colours equal to the font's colour, the first when none is.
TWPCharAttr DefaultFontAttributes(const TWPCharAttr &current, const TPreferences &preferences,
                                  int fontIndex, const std::array<TColor, 16> &palette);
