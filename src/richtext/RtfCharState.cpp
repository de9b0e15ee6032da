#include "RtfCharState.h"

#include "RtfWordTable.h"

#include <algorithm>
#include <array>

namespace {

constexpr int maxHalfPoints = 3276; // 1638 points

// Character properties switched on by the word alone or a nonzero number.
struct FlagWord
{
    QByteArrayView name;
    bool RtfCharState::*flag;
};
constexpr std::array flagWords = {
    FlagWord{"b", &RtfCharState::bold},         FlagWord{"i", &RtfCharState::italic},
    FlagWord{"ul", &RtfCharState::underline},   FlagWord{"uldb", &RtfCharState::doubleUnderline},
    FlagWord{"strike", &RtfCharState::strike},  FlagWord{"v", &RtfCharState::hidden},
    FlagWord{"shad", &RtfCharState::shadow},    FlagWord{"wprtf", &RtfCharState::protect},
    FlagWord{"inaut", &RtfCharState::autoText},
};

// The effects of chars that are not font or colour.
void ApplyEffects(QTextCharFormat &format, const RtfCharState &chars)
{
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline || chars.doubleUnderline);
    format.setFontStrikeOut(chars.strike);
    if (chars.superscript)
        format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (chars.subscript)
        format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (chars.hidden)
        format.setProperty(HiddenProperty, true);
    if (chars.doubleUnderline)
        format.setProperty(DoubleUnderlineProperty, true);
    if (chars.shadow)
        format.setProperty(ShadowProperty, true);
    if (chars.protect)
        format.setProperty(ProtectedProperty, true);
    if (chars.insertPoint >= 0)
        format.setProperty(InsertPointProperty, chars.insertPoint);
    if (chars.autoText)
        format.setProperty(AutoTextProperty, true);
}

QColor PaletteColor(const RtfColorTable::Palette &palette, int index)
{
    return ToQColor(palette[size_t(std::clamp(index, 0, RtfColorTable::PaletteSize - 1))]);
}

} // namespace

bool ApplyCharWord(RtfCharState &chars, QByteArrayView word, bool hasParameter, int value)
{
    if (const FlagWord *entry = FindWord(flagWords, word)) {
        chars.*entry->flag = !hasParameter || value != 0;
    } else if (word == "plain") {
        chars = RtfCharState{};
    } else if (word == "f") {
        chars.font = hasParameter ? value : -1;
    } else if (word == "fs") {
        chars.halfPoints =
            hasParameter ? std::clamp(value, 0, maxHalfPoints) : RtfDefaultHalfPoints;
    } else if (word == "ulnone") {
        chars.underline = chars.doubleUnderline = false;
    } else if (word == "super" || word == "sub" || word == "nosupersub") {
        const bool on = !hasParameter || value != 0;
        chars.superscript = word == "super" && on;
        chars.subscript = word == "sub" && on;
    } else if (word == "inspnt") {
        chars.insertPoint = hasParameter ? std::max(value, 0) : 0;
    } else if (word == "cf") {
        chars.foreground = value;
    } else if (word == "cb") {
        chars.background = value;
    } else {
        return false;
    }
    return true;
}

// The font and colour numbers are resolved against the tables read; the
// font list is the document's when the RTF brings no font table.
QTextCharFormat ToCharFormat(const RtfCharState &chars, const RtfCharContext &context)
{
    QTextCharFormat format;
    const int font = context.fonts.isEmpty() ? 0
                                             : std::clamp(context.fontTable.IndexOf(chars.font), 0,
                                                          int(context.fonts.size()) - 1);
    format.setProperty(FontIndexProperty, font);
    if (!context.fonts.isEmpty())
        format.setFontFamilies(QStringList{context.fonts[font].Name});
    if (chars.halfPoints > 0)
        format.setFontPointSize(chars.halfPoints / 2.0);
    const int foreground = context.colorTable.PaletteIndexOf(chars.foreground, context.palette);
    const int background = context.colorTable.PaletteIndexOf(chars.background, context.palette);
    format.setProperty(ColorByteProperty, (background << 4) | foreground);
    format.setForeground(PaletteColor(context.palette, foreground));
    if (background != 0)
        format.setBackground(PaletteColor(context.palette, background));
    ApplyEffects(format, chars);
    return format;
}
