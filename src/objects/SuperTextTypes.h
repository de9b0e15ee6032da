#pragma once

#include "LabelTypes.h"
#include "PrintTypes.h"

#include <QStringList>

// The values special-effect text is described by, stored in documents by
// their identifiers.

// Where the shadow falls: the same six directions as a label's shadow.
using TShadowOrientation = TShadowDirection;

// What fills the letters: the font colour, nothing (outline only), a tiled
// texture picture or a colour gradient.
enum TSurfaceType : int { stNormal, stBrushTransparent, stBrushImage, stGradientFill };

// Which way the gradient runs: gdDown and gdRight from the "from" colour to
// the "to" colour, gdUp and gdLeft the other way.
enum TFillDirection : int { gdUp, gdDown, gdLeft, gdRight };

QStringList ShadowOrientationNames();
QStringList SurfaceTypeNames();
QStringList FillDirectionNames();
QStringList PenStyleNames();
