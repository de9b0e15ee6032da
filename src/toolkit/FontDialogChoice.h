#pragma once

#include "FontDesc.h"

#include <QFont>

// A page font taken to a font dialog and back.

// The font a font dialog opens on for font: its size and style in the family
// the font system draws its face with. A face that is not installed is drawn
// with a substitute, and the dialog lists only installed families, so it is
// offered by the substitute's name.
QFont DialogFontFor(const TFontDesc &font);

// current after the user chose chosen in a dialog that showed shown at first:
// each part the user left as it was shown (family, size, bold, italic,
// underline, strike-out) keeps current's value, so OK with nothing changed
// changes nothing; the parts the user changed take the choice.
TFontDesc FontFromDialog(const TFontDesc &current, const QFont &shown, const QFont &chosen);
