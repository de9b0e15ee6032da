#pragma once

#include "RtfColorTable.h"
#include "RtfDocument.h"
#include "RtfFontTable.h"

#include <QByteArrayView>
#include <QList>
#include <QTextCharFormat>

inline constexpr int RtfDefaultHalfPoints = 24; // RTF's default size, 12 points

// The character properties in force in an RTF group.
struct RtfCharState
{
    // The numbers the text gives; they are resolved against the font and
    // colour tables when the run is stored.
    int font = -1; // -1: the default font (\deff)
    int halfPoints = RtfDefaultHalfPoints;
    int foreground = 0;
    int background = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool doubleUnderline = false;
    bool superscript = false;
    bool subscript = false;
    bool strike = false;
    bool shadow = false;
    bool hidden = false;
    bool protect = false;
    bool autoText = false;
    int insertPoint = -1; // none

    friend bool operator==(const RtfCharState &, const RtfCharState &) = default;
};

// Applies a character property word to chars; false when word is none.
bool ApplyCharWord(RtfCharState &chars, QByteArrayView word, bool hasParameter, int value);

// What the font and colour numbers of a RtfCharState refer to.
struct RtfCharContext
{
    const QList<TWPFont> &fonts; // the document's fonts
    const RtfFontTable &fontTable;
    const RtfColorTable &colorTable;
    const RtfColorTable::Palette &palette;
};

// The format of text with chars, its font and colour numbers resolved in
// context.
QTextCharFormat ToCharFormat(const RtfCharState &chars, const RtfCharContext &context);
