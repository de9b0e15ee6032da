#pragma once

#include "Color.h"

#include <QFlags>
#include <QString>

#include <array>

class QTextCharFormat;
class QTextCursor;
class TWPRTFTextPaint;

// Style bits of a character attribute record.
enum TWPCharStyle : int {
    wpsBold = 1,
    wpsItalic = 2,
    wpsUnderline = 4,
    wpsStrikeOut = 8,
};

// The character attributes the rest of the program reads and sets: a font by
// its index in the document's font list, a size in points, style bits and a
// colour by its index in the document's 16-colour palette.
struct TWPCharAttr
{
    int Font = 0;
    int Size = 10;
    int Style = 0;
    int Color = 0;

    friend bool operator==(const TWPCharAttr &, const TWPCharAttr &) = default;
};

// The members of a record a change applies to; the rest of each run's format
// stays (making a mixed selection bold keeps its fonts).
enum class TWPCharAttrPart : unsigned {
    Font = 1,
    Size = 2,
    Bold = 4,
    Italic = 8,
    Underline = 16,
    StrikeOut = 32,
    Color = 64,
    All = 127,
};
Q_DECLARE_FLAGS(TWPCharAttrParts, TWPCharAttrPart)
Q_DECLARE_OPERATORS_FOR_FLAGS(TWPCharAttrParts)

// The part of a record a style bit lies in.
TWPCharAttrPart PartOfStyle(TWPCharStyle style);

// The record a character format of document stands for. Formats without the
// engine's own properties (text pasted or typed into an untouched document)
// are matched by face name and foreground colour instead.
TWPCharAttr CharAttrOf(const TWPRTFTextPaint &document, const QTextCharFormat &format);
// The attributes text typed at cursor would take.
TWPCharAttr CharAttrAt(const TWPRTFTextPaint &document, const QTextCursor &cursor);

// Writes the parts of attr into format: the engine's font index and colour
// byte (its background nibble kept) together with Qt's family, size, weight,
// italic, underline, strike-out and foreground, family and colour taken from
// the document's font list and palette.
void OverlayCharAttr(QTextCharFormat &format, const TWPRTFTextPaint &document,
                     const TWPCharAttr &attr, TWPCharAttrParts parts = TWPCharAttrPart::All);
// A character format holding all of attr.
QTextCharFormat CharFormatOf(const TWPRTFTextPaint &document, const TWPCharAttr &attr);

// Applies the parts of attr to every run of the cursor's selection or,
// without a selection, to the format the cursor types with.
void ApplyCharAttr(const TWPRTFTextPaint &document, QTextCursor &cursor, const TWPCharAttr &attr,
                   TWPCharAttrParts parts = TWPCharAttrPart::All);

// Inserts text at cursor (replacing its selection) in the format of attr.
void InsertCharAttrText(const TWPRTFTextPaint &document, QTextCursor &cursor, const QString &text,
                        const TWPCharAttr &attr);
// Starts a new paragraph at cursor; it takes the attributes current there.
void InsertParagraph(QTextCursor &cursor);
// Moves cursor to the end of its document without a selection.
void MoveCaretToEnd(QTextCursor &cursor);

// Makes the font and colour numbers of source's runs refer to target's font
// list and palette, adding the fonts target lacks (text about to move from
// one document into the other).
void RenumberRuns(TWPRTFTextPaint &source, TWPRTFTextPaint &target);

// The index of the font named face (cut to 31 characters), added to the
// document's font list when missing.
int FontIndexOfFace(TWPRTFTextPaint &document, const QString &face);
// The index of the last palette entry equal to color, 0 when none is.
int PaletteIndexOf(const std::array<TColor, 16> &palette, TColor color);
