#pragma once

#include "Color.h"

class QComboBox;

// A colour list: the sixteen named colours, each with a swatch, and the
// colour given when it is none of them.
void FillColorList(QComboBox &list, TColor current);
// The colour of the item chosen.
TColor ChosenColor(const QComboBox &list);
