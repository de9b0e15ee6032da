#include "Color.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

TEST(ColorTest, NamedColorsRoundTripThroughTheirIdentsInAnyCase)
{
    std::vector<TColor> named = {clBlack, clMaroon,  clGreen,  clOlive, clNavy, clPurple,
                                 clTeal,  clGray,    clSilver, clRed,   clLime, clYellow,
                                 clBlue,  clFuchsia, clAqua,   clWhite, clNone};
    for (TColor system = clScrollBar; system <= clInfoBk; ++system)
        named.push_back(system);

    for (TColor color : named) {
        const std::optional<QString> ident = ColorToIdent(color);
        ASSERT_TRUE(ident) << std::hex << color;
        EXPECT_EQ(IdentToColor(ident->toUpper()), color) << ident->toStdString();
    }
    EXPECT_EQ(ColorToIdent(clFuchsia), u"clFuchsia"_s);
    EXPECT_EQ(ColorToIdent(cl3DDkShadow), u"cl3DDkShadow"_s);
}

TEST(ColorTest, OtherValuesAndWordsHaveNoName)
{
    for (TColor color : {TColor(0xE8FFFF), clInfoBk + 1, TColor(0x01000000)})
        EXPECT_EQ(ColorToIdent(color), std::nullopt) << std::hex << color;
    for (const QString &ident : {u""_s, u"White"_s, u"clWhite "_s, u"15269887"_s})
        EXPECT_EQ(IdentToColor(ident), std::nullopt) << ident.toStdString();
}

TEST(ColorTest, ResolvesSystemColorsThroughTheClassicScheme)
{
    const std::pair<TColor, TColor> cases[] = {
        {0x563412, 0x563412},  {clWindowText, clBlack}, {clWindow, clWhite},
        {clBtnFace, 0xC0C0C0}, {clHighlight, 0x800000}, {clHighlightText, clWhite},
        {clInfoBk, 0xE1FFFF},  {clNone, clWhite},       {clInfoBk + 1, clWhite},
        {0x80000108, clWhite},
    };
    for (const auto &[color, rgb] : cases)
        EXPECT_EQ(ResolveColor(color), rgb) << std::hex << color;
}

TEST(ColorTest, QColorKeepsRedInTheLowByte)
{
    EXPECT_EQ(ToQColor(0x563412), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(ToQColor(clHighlight), QColor(0, 0, 0x80));
    EXPECT_EQ(FromQColor(QColor(0x12, 0x34, 0x56, 0x20)), 0x563412u);
    EXPECT_EQ(FromQColor(QColor::fromHsv(240, 255, 255)), clBlue);
    EXPECT_EQ(FromQColor(QColor()), clNone);
}

} // namespace
