#include "RtfFontTable.h"

#include "RtfWordTable.h"

#include <algorithm>
#include <array>

void RtfFontTable::Start()
{
    if (!m_seen) {
        m_seen = true;
        m_fonts.clear();
        m_places.clear();
    }
    m_inEntry = false;
}

void RtfFontTable::Word(QByteArrayView word, bool hasParameter, int value, QString &name)
{
    struct FamilyWord
    {
        QByteArrayView name;
        int family; // the high nibble of the pitch-and-family byte
    };
    static constexpr std::array families = {
        FamilyWord{"fnil", 0x00},    FamilyWord{"ftech", 0x00},   FamilyWord{"fbidi", 0x00},
        FamilyWord{"froman", 0x10},  FamilyWord{"fswiss", 0x20},  FamilyWord{"swiss", 0x20},
        FamilyWord{"fmodern", 0x30}, FamilyWord{"fscript", 0x40}, FamilyWord{"fdecor", 0x50},
    };
    if (word == "f") {
        EndEntry(name);
        m_inEntry = true;
        m_number = hasParameter ? value : 0;
        m_font = TWPFont{};
        name.clear();
    } else if (const FamilyWord *entry = FindWord(families, word)) {
        m_font.PitchAndFamily = (m_font.PitchAndFamily & 0x0F) | entry->family;
    } else if (word == "fprq") {
        m_font.PitchAndFamily = (m_font.PitchAndFamily & 0xF0) | std::clamp(value, 0, 15);
    } else if (word == "fcharset" || word == "charset") {
        m_font.Charset = std::clamp(value, 0, 255);
    }
}

void RtfFontTable::Character(char16_t c, QString &name)
{
    if (c == u';') {
        EndEntry(name);
        return;
    }
    if (m_inEntry && c >= 0x20)
        name.append(QChar(c));
}

void RtfFontTable::EndEntry(QString &name)
{
    if (!m_inEntry)
        return;
    m_inEntry = false;
    m_font.Name = name.trimmed().left(31).trimmed();
    name.clear();
    if (m_font.Name.isEmpty())
        return;
    if (!m_places.contains(m_number)) {
        m_places.insert(m_number, int(m_fonts.size()));
        m_fonts.append(m_font);
    }
}

int RtfFontTable::IndexOf(int number) const
{
    if (m_places.isEmpty())
        return 0;
    const auto found = m_places.constFind(number < 0 ? m_defaultNumber : number);
    if (found != m_places.constEnd())
        return found.value();
    return m_places.value(m_defaultNumber, 0);
}
