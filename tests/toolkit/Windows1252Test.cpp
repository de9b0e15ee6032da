#include "Windows1252.h"

#include <gtest/gtest.h>

#include <utility>

using namespace Qt::StringLiterals;

namespace {

TEST(Windows1252Test, EveryByteStringRoundTrips)
{
    QByteArray allBytes;
    for (int byte = 0; byte < 256; ++byte)
        allBytes.append(char(byte));

    const QString text = FromWindows1252(allBytes);
    EXPECT_EQ(text.size(), allBytes.size());
    EXPECT_TRUE(FitsWindows1252(text));
    EXPECT_EQ(ToWindows1252(text), allBytes);
}

TEST(Windows1252Test, MapsTheBytesWhereItDiffersFromLatin1)
{
    EXPECT_EQ(FromWindows1252("\x80\x8A\x99\x9F\xA0\xFF"), u"€Š™Ÿ\u00A0ÿ"_s);
    EXPECT_EQ(FromWindows1252("\x81\x8D\x8F\x90\x9D"), u"\u0081\u008D\u008F\u0090\u009D"_s);
    EXPECT_EQ(ToWindows1252(u"Grüß Gott €"_s), "Gr\xFC\xDF Gott \x80");
}

TEST(Windows1252Test, WritesOneQuestionMarkPerUnencodableCharacter)
{
    const std::pair<QString, QByteArray> cases[] = {
        {u"zażółć"_s, "za?\xF3??"},
        {u"αβγ"_s, "???"},
        {u"a😀b"_s, "a?b"},
        {u"\u0080\u009F"_s, "??"}, // C1 controls whose bytes hold other characters
        {QString(QChar(0xD800)) + u'x', "?x"},
        {u'x' + QString(QChar(0xDC00)), "x?"},
    };
    for (const auto &[text, bytes] : cases) {
        EXPECT_FALSE(FitsWindows1252(text));
        EXPECT_EQ(ToWindows1252(text), bytes) << text.toStdString();
    }
}

} // namespace
