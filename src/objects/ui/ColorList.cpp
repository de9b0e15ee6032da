#include "ColorList.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QPixmap>

namespace {

struct TNamedColor
{
    TColor Color;
    const char *Name;
};

constexpr TNamedColor NamedColors[] = {
    {clBlack, QT_TRANSLATE_NOOP("ColorList", "Black")},
    {clMaroon, QT_TRANSLATE_NOOP("ColorList", "Maroon")},
    {clGreen, QT_TRANSLATE_NOOP("ColorList", "Green")},
    {clOlive, QT_TRANSLATE_NOOP("ColorList", "Olive")},
    {clNavy, QT_TRANSLATE_NOOP("ColorList", "Navy")},
    {clPurple, QT_TRANSLATE_NOOP("ColorList", "Purple")},
    {clTeal, QT_TRANSLATE_NOOP("ColorList", "Teal")},
    {clGray, QT_TRANSLATE_NOOP("ColorList", "Gray")},
    {clSilver, QT_TRANSLATE_NOOP("ColorList", "Silver")},
    {clRed, QT_TRANSLATE_NOOP("ColorList", "Red")},
    {clLime, QT_TRANSLATE_NOOP("ColorList", "Lime")},
    {clYellow, QT_TRANSLATE_NOOP("ColorList", "Yellow")},
    {clBlue, QT_TRANSLATE_NOOP("ColorList", "Blue")},
    {clFuchsia, QT_TRANSLATE_NOOP("ColorList", "Fuchsia")},
    {clAqua, QT_TRANSLATE_NOOP("ColorList", "Aqua")},
    {clWhite, QT_TRANSLATE_NOOP("ColorList", "White")},
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
        list.addItem(Swatch(named.Color), QCoreApplication::translate("ColorList", named.Name),
                     named.Color);
    int index = list.findData(current);
    if (index < 0) {
        list.addItem(Swatch(current), QCoreApplication::translate("ColorList", "Custom"), current);
        index = list.count() - 1;
    }
    list.setCurrentIndex(index);
}

TColor ChosenColor(const QComboBox &list)
{
    return list.currentData().value<TColor>();
}
