#pragma once

#include "Color.h"

#include <QByteArrayView>
#include <QList>

#include <array>

// The colours a document's \colortbl lists, and how the colour numbers the
// text uses map onto the 16-entry palette.
class RtfColorTable
{
public:
    static constexpr int PaletteSize = 16;
    using Palette = std::array<TColor, PaletteSize>;

    // A \colortbl group starts: it replaces the entries read before.
    void Start();
    // \red, \green and \blue set the components of the next entry.
    void Word(QByteArrayView word, int value);
    // ';' ends an entry; an entry without components is black.
    void Character(char16_t c);

    const QList<TColor> &Entries() const { return m_entries; }
    // The palette entry colour number refers to: numbers past the palette
    // take the palette colour nearest their table entry.
    int PaletteIndexOf(int number, const Palette &palette) const;

private:
    void ResetComponents() { m_red = m_green = m_blue = 0; }

    QList<TColor> m_entries;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
};
