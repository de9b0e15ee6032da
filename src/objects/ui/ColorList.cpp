#include "ColorList.h"

#include <QComboBox>
#include <QPixmap>

namespace {

struct TNamedColor
{
    TColor Color;
    const char *Name;
};

constexpr TNamedColor NamedColors[] = {
    {clBlack, "Black"},   {clMaroon, "Maroon"},   {clGreen, "Green"}, {clOlive, "Olive"},
    {clNavy, "Navy"},     {clPurple, "Purple"},   {clTeal, "Teal"},   {clGray, "Gray"},
    {clSilver, "Silver"}, {clRed, "Red"},         {clLime, "Lime"},   {clYellow, "Yellow"},
    {clBlue, "Blue"},     {clFuchsia, "Fuchsia"}, {clAqua, "Aqua"},   {clWhite, "White"},
};

QPixmap Swatch(TColor color)
{
    QPixmap swatch(14, 14);
    swatch.fill(ToQColor(color));
    return swatch;
}

} // namespace

void FillColorList(QComboBox &list, TColor current)
{
    list.clear();
    for (const TNamedColor &named : NamedColors)
        list.addItem(Swatch(named.Color), QString::fromLatin1(named.Name), named.Color);
    int index = list.findData(current);
    if (index < 0) {
        list.addItem(Swatch(current), QStringLiteral("Custom"), current);
        index = list.count() - 1;
    }
    list.setCurrentIndex(index);
}

TColor ChosenColor(const QComboBox &list)
{
    return list.currentData().value<TColor>();
}
