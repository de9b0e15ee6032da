#include "Windows1252.h"

#include <QList>

#include <algorithm>
#include <array>
#include <optional>

namespace {

constexpr uchar firstTableByte = 0x80;

// The characters of bytes 0x80 to 0x9F, the only range where the code page
// differs from Latin-1. The undefined bytes keep the control character of
// their own number.
constexpr std::array<char16_t, 32> tableChars = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

bool IsTableByte(uint value)
{
    return value >= firstTableByte && value < firstTableByte + tableChars.size();
}

char16_t CharForByte(uchar byte)
{
    return IsTableByte(byte) ? tableChars[byte - firstTableByte] : char16_t(byte);
}

// The byte that holds codePoint, or nothing when the code page has none.
std::optional<char> ByteForCodePoint(uint codePoint)
{
    if (codePoint <= 0xFF && !IsTableByte(codePoint))
        return char(codePoint);
    const auto found = std::ranges::find(tableChars, codePoint);
    if (found == tableChars.end())
        return std::nullopt;
    return char(firstTableByte + (found - tableChars.begin()));
}

} // namespace

QString FromWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    std::ranges::transform(bytes, text.begin(),
                           [](char byte) { return QChar(CharForByte(uchar(byte))); });
    return text;
}

// toUcs4 joins surrogate pairs into one code point and turns a lone surrogate
// into U+FFFD, so each unencodable character yields exactly one "?".
QByteArray ToWindows1252(const QString &text)
{
    QByteArray bytes;
    const QList<uint> codePoints = text.toUcs4();
    bytes.reserve(codePoints.size());
    for (uint codePoint : codePoints)
        bytes.append(ByteForCodePoint(codePoint).value_or('?'));
    return bytes;
}

bool FitsWindows1252(const QString &text)
{
    return std::ranges::all_of(
        text.toUcs4(), [](uint codePoint) { return ByteForCodePoint(codePoint).has_value(); });
}

QString WithoutLoneSurrogates(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // a pair
        else if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}
