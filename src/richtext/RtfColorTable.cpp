#include "RtfColorTable.h"

#include <algorithm>
#include <limits>

namespace {

int Distance(TColor a, TColor b)
{
    int distance = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int d = int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF);
        distance += d * d;
    }
    return distance;
}

} // namespace

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
    const TColor wanted = m_entries[number];
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < PaletteSize; ++i) {
        const int distance = Distance(ResolveColor(palette[size_t(i)]), wanted);
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}
