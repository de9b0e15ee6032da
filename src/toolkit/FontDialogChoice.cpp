#include "FontDialogChoice.h"

#include <QFontInfo>

namespace {

constexpr int defaultPointSize = 10;

void TakeStyle(TFontStyles &style, TFontStyle flag, bool shown, bool chosen)
{
    if (chosen != shown)
        style.setFlag(flag, chosen);
}

} // namespace

QFont DialogFontFor(const TFontDesc &font)
{
    QFont result(font.Name);
    result.setPointSize(font.Size > 0 ? font.Size : defaultPointSize);
    result.setBold(font.Style.testFlag(TFontStyle::fsBold));
    result.setItalic(font.Style.testFlag(TFontStyle::fsItalic));
    result.setUnderline(font.Style.testFlag(TFontStyle::fsUnderline));
    result.setStrikeOut(font.Style.testFlag(TFontStyle::fsStrikeOut));
    result.setFamily(QFontInfo(result).family());
    return result;
}

TFontDesc FontFromDialog(const TFontDesc &current, const QFont &shown, const QFont &chosen)
{
    TFontDesc font = current;
    if (chosen.family().compare(shown.family(), Qt::CaseInsensitive) != 0)
        font.Name = chosen.family();
    if (chosen.pointSize() != shown.pointSize() && chosen.pointSize() > 0)
        font.Size = chosen.pointSize();
    TakeStyle(font.Style, TFontStyle::fsBold, shown.bold(), chosen.bold());
    TakeStyle(font.Style, TFontStyle::fsItalic, shown.italic(), chosen.italic());
    TakeStyle(font.Style, TFontStyle::fsUnderline, shown.underline(), chosen.underline());
    TakeStyle(font.Style, TFontStyle::fsStrikeOut, shown.strikeOut(), chosen.strikeOut());
    return font;
}
