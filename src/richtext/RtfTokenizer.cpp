#include "RtfTokenizer.h"

#include <algorithm>
#include <limits>

namespace {

bool IsLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsLineBreak(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

int HexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken RtfTokenizer::Next()
{
    while (!m_closed && !AtEnd()) {
        switch (m_in[m_pos]) {
        case '{':
            return OpenGroup();
        case '}':
            if (m_depth > 0)
                return CloseGroup();
            ++m_pos; // a stray closing brace before the first group
            break;
        case '\\':
            if (m_pos + 1 < m_in.size())
                return ControlSequence();
            ++m_pos; // a lone backslash at the end means nothing
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            return TextRun();
        }
    }
    return {};
}

RtfToken RtfTokenizer::OpenGroup()
{
    ++m_pos;
    if (m_depth >= m_maxDepth)
        return RtfToken(RtfToken::Kind::TooDeep);
    ++m_depth;
    return RtfToken(RtfToken::Kind::GroupOpen);
}

RtfToken RtfTokenizer::CloseGroup()
{
    ++m_pos;
    --m_depth;
    m_closed = m_depth == 0;
    return RtfToken(RtfToken::Kind::GroupClose);
}

RtfToken RtfTokenizer::ControlSequence()
{
    ++m_pos; // the backslash
    const char c = m_in[m_pos];
    if (IsLetter(c))
        return ControlWord();
    ++m_pos;
    if (c == '\'')
        return HexByte();
    RtfToken token{RtfToken::Kind::Symbol};
    token.symbol = c;
    return token;
}

RtfToken RtfTokenizer::ControlWord()
{
    const qsizetype start = m_pos;
    while (!AtEnd() && IsLetter(m_in[m_pos]))
        ++m_pos;
    RtfToken token{RtfToken::Kind::Word};
    token.text = m_in.sliced(start, m_pos - start);
    ReadParameter(token);
    if (!AtEnd() && m_in[m_pos] == ' ')
        ++m_pos; // the delimiting space belongs to the word
    if (token.text == "bin")
        return Binary(token.hasParameter ? token.parameter : 0);
    if (token.text.size() > MaxWordLength)
        token.kind = RtfToken::Kind::LongWord;
    return token;
}

// The optional signed number after a word. Digits past what an int holds
// are read but no longer accumulated, so the value saturates.
void RtfTokenizer::ReadParameter(RtfToken &token)
{
    bool negative = false;
    if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && IsDigit(m_in[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    qint64 value = 0;
    while (!AtEnd() && IsDigit(m_in[m_pos])) {
        token.hasParameter = true;
        if (value <= qint64(std::numeric_limits<int>::max()) + 1)
            value = value * 10 + (m_in[m_pos] - '0');
        ++m_pos;
    }
    if (negative)
        value = -value;
    token.parameter = int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                             std::numeric_limits<int>::max()));
}

RtfToken RtfTokenizer::HexByte()
{
    RtfToken token{RtfToken::Kind::HexByte};
    for (int digits = 0; digits < 2 && !AtEnd() && HexDigitValue(m_in[m_pos]) >= 0; ++digits) {
        token.parameter = token.parameter * 16 + HexDigitValue(m_in[m_pos]);
        token.hasParameter = true;
        ++m_pos;
    }
    return token;
}

RtfToken RtfTokenizer::Binary(int count)
{
    const qsizetype length = std::clamp<qsizetype>(count, 0, m_in.size() - m_pos);
    RtfToken token{RtfToken::Kind::Binary};
    token.text = m_in.sliced(m_pos, length);
    m_pos += length;
    return token;
}

RtfToken RtfTokenizer::TextRun()
{
    const qsizetype start = m_pos;
    while (!AtEnd()) {
        const char c = m_in[m_pos];
        if (c == '{' || c == '}' || c == '\\' || IsLineBreak(c))
            break;
        ++m_pos;
    }
    RtfToken token{RtfToken::Kind::Text};
    token.text = m_in.sliced(start, m_pos - start);
    return token;
}
