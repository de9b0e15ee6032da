#include "RtfColorTable.h"

#include "RtfDocument.h"

#include <algorithm>

void RtfColorTable::Start()
{
    m_entries.clear();
    ResetComponents();
}

void RtfColorTable::Word(QByteArrayView word, int value)
{
    if (word == "red")
        m_red = std::clamp(value, 0, 255);
    else if (word == "green")
        m_green = std::clamp(value, 0, 255);
    else if (word == "blue")
        m_blue = std::clamp(value, 0, 255);
}

void RtfColorTable::Character(char16_t c)
{
    if (c != u';')
        return;
    m_entries.append(TColor(m_red) | (TColor(m_green) << 8) | (TColor(m_blue) << 16));
    ResetComponents();
}

int RtfColorTable::PaletteIndexOf(int number, const Palette &palette) const
{
    if (number < 0)
        return 0;
    if (number < PaletteSize)
        return number;
    if (number >= m_entries.size())
        return 0;
    return NearestPaletteIndex(palette, m_entries[number]);
}
