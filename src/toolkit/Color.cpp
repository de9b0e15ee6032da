#include "Color.h"

#include <QLatin1String>

#include <array>

namespace {

// The classic desktop scheme, indexed by the low byte of a system colour.
constexpr std::array<TColor, 25> classicScheme = {
    0xC0C0C0, // clScrollBar
    0x808000, // clBackground
    0x800000, // clActiveCaption
    0x808080, // clInactiveCaption
    0xC0C0C0, // clMenu
    0xFFFFFF, // clWindow
    0x000000, // clWindowFrame
    0x000000, // clMenuText
    0x000000, // clWindowText
    0xFFFFFF, // clCaptionText
    0xC0C0C0, // clActiveBorder
    0xC0C0C0, // clInactiveBorder
    0x808080, // clAppWorkSpace
    0x800000, // clHighlight
    0xFFFFFF, // clHighlightText
    0xC0C0C0, // clBtnFace
    0x808080, // clBtnShadow
    0x808080, // clGrayText
    0x000000, // clBtnText
    0xC0C0C0, // clInactiveCaptionText
    0xFFFFFF, // clBtnHighlight
    0x000000, // cl3DDkShadow
    0xC0C0C0, // cl3DLight
    0x000000, // clInfoText
    0xE1FFFF, // clInfoBk
};
static_assert(classicScheme.size() == clInfoBk - clScrollBar + 1);

struct NamedColor
{
    TColor value;
    const char *ident;
};

// Every colour with a name, for writing and for reading.
constexpr NamedColor namedColors[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clNone, "clNone"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
};

constexpr TColor rgbMask = 0xFFFFFF;

int Red(TColor rgb)
{
    return rgb & 0xFF;
}

int Green(TColor rgb)
{
    return (rgb >> 8) & 0xFF;
}

int Blue(TColor rgb)
{
    return (rgb >> 16) & 0xFF;
}

} // namespace

TColor ResolveColor(TColor color)
{
    if (IsSystemColor(color)) {
        const TColor index = color - clScrollBar;
        return index < classicScheme.size() ? classicScheme[index] : clWhite;
    }
    if (color == clNone)
        return clWhite;
    return color & rgbMask;
}

QColor ToQColor(TColor color)
{
    const TColor rgb = ResolveColor(color);
    return QColor(Red(rgb), Green(rgb), Blue(rgb));
}

TColor FromQColor(const QColor &color)
{
    if (!color.isValid())
        return clNone;
    const QColor rgb = color.toRgb();
    return TColor(rgb.red()) | TColor(rgb.green()) << 8 | TColor(rgb.blue()) << 16;
}

std::optional<QString> ColorToIdent(TColor color)
{
    for (const NamedColor &named : namedColors) {
        if (named.value == color)
            return QString::fromLatin1(named.ident);
    }
    return std::nullopt;
}

std::optional<TColor> IdentToColor(const QString &ident)
{
    for (const NamedColor &named : namedColors) {
        if (ident.compare(QLatin1String(named.ident), Qt::CaseInsensitive) == 0)
            return named.value;
    }
    return std::nullopt;
}
