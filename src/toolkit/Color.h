#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <optional>

// A colour value: red in the low byte, green in the second, blue in the third.
// Values with the high bit set name a system colour by its index in the low
// byte (0x80000000 clScrollBar to 0x80000018 clInfoBk).
using TColor = quint32;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clMaroon = 0x000080;
inline constexpr TColor clGreen = 0x008000;
inline constexpr TColor clOlive = 0x008080;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clPurple = 0x800080;
inline constexpr TColor clTeal = 0x808000;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clFuchsia = 0xFF00FF;
inline constexpr TColor clAqua = 0xFFFF00;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;

inline constexpr TColor clScrollBar = 0x80000000;
inline constexpr TColor clBackground = 0x80000001;
inline constexpr TColor clActiveCaption = 0x80000002;
inline constexpr TColor clInactiveCaption = 0x80000003;
inline constexpr TColor clMenu = 0x80000004;
inline constexpr TColor clWindow = 0x80000005;
inline constexpr TColor clWindowFrame = 0x80000006;
inline constexpr TColor clMenuText = 0x80000007;
inline constexpr TColor clWindowText = 0x80000008;
inline constexpr TColor clCaptionText = 0x80000009;
inline constexpr TColor clActiveBorder = 0x8000000A;
inline constexpr TColor clInactiveBorder = 0x8000000B;
inline constexpr TColor clAppWorkSpace = 0x8000000C;
inline constexpr TColor clHighlight = 0x8000000D;
inline constexpr TColor clHighlightText = 0x8000000E;
inline constexpr TColor clBtnFace = 0x8000000F;
inline constexpr TColor clBtnShadow = 0x80000010;
inline constexpr TColor clGrayText = 0x80000011;
inline constexpr TColor clBtnText = 0x80000012;
inline constexpr TColor clInactiveCaptionText = 0x80000013;
inline constexpr TColor clBtnHighlight = 0x80000014;
inline constexpr TColor cl3DDkShadow = 0x80000015;
inline constexpr TColor cl3DLight = 0x80000016;
inline constexpr TColor clInfoText = 0x80000017;
inline constexpr TColor clInfoBk = 0x80000018;

inline bool IsSystemColor(TColor color)
{
    return (color & 0x80000000u) != 0;
}

// The colour as red, green and blue, system colours resolved through one fixed
// table (the classic desktop scheme, so pages print the same on every
// machine). clNone and unknown system colours give white.
TColor ResolveColor(TColor color);
QColor ToQColor(TColor color);
// The colour's red, green and blue (alpha is dropped); clNone for an invalid
// QColor.
TColor FromQColor(const QColor &color);

// The identifier a colour is written as inside component streams ("clWhite"),
// or nothing when the value has no name.
std::optional<QString> ColorToIdent(TColor color);
// The colour an identifier names, compared without regard to case.
std::optional<TColor> IdentToColor(const QString &ident);
