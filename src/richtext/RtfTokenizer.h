#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// One piece of RTF text as the tokenizer sees it.
struct RtfToken
{
    enum class Kind {
        End,        // the input ends or the outermost group is closed
        TooDeep,    // a group would nest deeper than the tokenizer's bound
        GroupOpen,  // {
        GroupClose, // }
        Word,       // \word or \wordN
        LongWord,   // a word longer than any RTF knows, read and ignored
        Symbol,     // \ followed by one character that is not a letter
        HexByte,    // \'hh
        Binary,     // the bytes after \binN
        Text,       // a run of plain bytes
    };

    RtfToken() = default;
    explicit RtfToken(Kind kind) : kind(kind) {}

    Kind kind = Kind::End;
    QByteArrayView text;       // the word's name, the binary bytes or the text run
    bool hasParameter = false; // a word's number, or \' followed by hex digits
    int parameter = 0;         // clamped to int
    char symbol = 0;           // the character of a control symbol
};

// The value of a hexadecimal digit, -1 for any other character.
int HexDigitValue(char c);

// Splits RTF bytes into tokens. Line breaks between tokens are dropped, a
// word's delimiting space belongs to the word, and the data of \bin never
// reaches past the input's end. The input is expected to start with the
// outermost group's opening brace; once that group closes, only End follows.
class RtfTokenizer
{
public:
    static constexpr int MaxWordLength = 32;

    RtfTokenizer(QByteArrayView input, int maxDepth) : m_in(input), m_maxDepth(maxDepth) {}

    RtfToken Next();

    // The number of groups open.
    int Depth() const { return m_depth; }

private:
    bool AtEnd() const { return m_pos >= m_in.size(); }
    RtfToken OpenGroup();
    RtfToken CloseGroup();
    RtfToken ControlSequence();
    RtfToken ControlWord();
    RtfToken HexByte();
    RtfToken Binary(int count);
    RtfToken TextRun();
    void ReadParameter(RtfToken &token);

    QByteArrayView m_in;
    qsizetype m_pos = 0;
    int m_maxDepth;
    int m_depth = 0;
    bool m_closed = false;
};
