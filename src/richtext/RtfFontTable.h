#pragma once

#include "RtfDocument.h"

#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

// The fonts a document's \fonttbl lists, and the mapping from the font
// numbers the text uses to their place in that list. An entry's name is
// collected in the destination text the reader keeps for the current group.
class RtfFontTable
{
public:
    // A \fonttbl group starts. Only the first one replaces the fonts; later
    // ones add to them.
    void Start();
    // A control word inside the table; name is the destination text.
    void Word(QByteArrayView word, bool hasParameter, int value, QString &name);
    // A character inside the table: ';' ends the entry, others add to its name.
    void Character(char16_t c, QString &name);
    // Ends the open entry, if any, storing it when it has a name.
    void EndEntry(QString &name);

    // \deff: the font number of text without \f.
    void SetDefaultNumber(int number) { m_defaultNumber = number; }
    const QList<TWPFont> &Fonts() const { return m_fonts; }
    // The place in Fonts() of font number (-1: the default font); unknown
    // numbers take the default font, and without fonts everything is 0.
    int IndexOf(int number) const;

private:
    QList<TWPFont> m_fonts;
    QHash<int, int> m_places; // font number to place in m_fonts
    bool m_seen = false;
    bool m_inEntry = false;
    int m_number = 0;
    TWPFont m_font;
    int m_defaultNumber = 0;
};
