#include "Extended80.h"
#include "StreamReader.h"
#include "StreamWriter.h"

#include <QByteArray>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int value : values)
        bytes.append(char(value));
    return bytes;
}

TExtended80 Extended(const QByteArray &bytes)
{
    TExtended80 extended{};
    std::memcpy(extended.data(), bytes.constData(), extended.size());
    return extended;
}

TEST(StreamValues, IntegersTakeTheSmallestFormAndReadBack)
{
    const struct
    {
        qint32 value;
        QByteArray bytes;
    } cases[] = {
        {0, Bytes({0x02, 0x00})},
        {127, Bytes({0x02, 0x7F})},
        {-128, Bytes({0x02, 0x80})},
        {128, Bytes({0x03, 0x80, 0x00})},
        {-129, Bytes({0x03, 0x7F, 0xFF})},
        {1997, Bytes({0x03, 0xCD, 0x07})},
        {32767, Bytes({0x03, 0xFF, 0x7F})},
        {-32768, Bytes({0x03, 0x00, 0x80})},
        {32768, Bytes({0x04, 0x00, 0x80, 0x00, 0x00})},
        {15269887, Bytes({0x04, 0xFF, 0xFF, 0xE8, 0x00})},
        {std::numeric_limits<qint32>::min(), Bytes({0x04, 0x00, 0x00, 0x00, 0x80})},
    };
    for (const auto &c : cases) {
        TStreamWriter out;
        out.WriteInteger(c.value);
        EXPECT_EQ(out.Data().toHex(' '), c.bytes.toHex(' ')) << c.value;
        TStreamReader in(c.bytes);
        EXPECT_EQ(in.ReadInteger(), c.value);
        EXPECT_EQ(in.BytesLeft(), 0);
    }
}

TEST(StreamValues, StringsChooseTheirForm)
{
    const struct
    {
        QString text;
        QByteArray start;
        qsizetype size;
    } cases[] = {
        {QString(), Bytes({0x06, 0x00}), 2},
        {QStringLiteral("\u20AC"), Bytes({0x06, 0x01, 0x80}), 3},
        {QString(255, QLatin1Char('a')), Bytes({0x06, 0xFF}), 257},
        {QString(256, QLatin1Char('a')), Bytes({0x0C, 0x00, 0x01, 0x00, 0x00}), 261},
        // Only text the code page cannot hold goes as UTF-8.
        {QStringLiteral("Pa\u017Adziernik"), Bytes({0x14, 0x0C, 0x00, 0x00, 0x00, 'P', 'a'}), 17},
    };
    for (const auto &c : cases) {
        TStreamWriter out;
        out.WriteString(c.text);
        EXPECT_TRUE(out.Data().startsWith(c.start)) << out.Data().left(8).toHex(' ').constData();
        EXPECT_EQ(out.Data().size(), c.size);
        TStreamReader in(out.Data());
        EXPECT_EQ(in.ReadString(), c.text);
        EXPECT_EQ(in.BytesLeft(), 0);
    }
}

TEST(StreamValues, ReadsUtf16Strings)
{
    TStreamReader in(Bytes({0x12, 0x02, 0x00, 0x00, 0x00, 0x41, 0x00, 0x7A, 0x01}));
    EXPECT_EQ(in.ReadString(), QStringLiteral("A\u017A"));
}

// Regression: a string holding a lone UTF-16 surrogate was written
// differently at every save.
TEST(StreamValues, LoneSurrogatesBecomeTheReplacementCharacterOnce)
{
    TStreamReader in(Bytes({0x12, 0x02, 0x00, 0x00, 0x00, 0x41, 0x00, 0x3D, 0xD8}));
    const QString read = in.ReadString().value_or(QString());
    EXPECT_EQ(read, QStringLiteral("A\uFFFD"));
    const auto written = [](const QString &text) {
        TStreamWriter out;
        out.WriteString(text);
        return out.Data();
    };
    EXPECT_EQ(written(read), written(QStringLiteral("A\uFFFD")));
    TStreamReader again(written(read));
    EXPECT_EQ(again.ReadString(), read);
    const struct
    {
        QString text, kept;
    } cases[] = {
        {QString(QChar(0xD800)), QStringLiteral("\uFFFD")},
        {QString(QChar(0xDC00)) + u'x', QStringLiteral("\uFFFDx")},
        {u'x' + QString(QChar(0xDBFF)), QStringLiteral("x\uFFFD")},
        {QString(QChar(0xDC00)) + QChar(0xD800), QStringLiteral("\uFFFD\uFFFD")},
        {QStringLiteral("\U0001F600"), QStringLiteral("\U0001F600")}, // a pair stays
    };
    for (const auto &c : cases)
        EXPECT_EQ(written(c.text), written(c.kept)) << c.kept.toStdString();
}

TEST(StreamValues, BooleanIsTrueOnlyForTheTrueByte)
{
    TStreamReader in(Bytes({0x09, 0x08, 0x02}));
    EXPECT_EQ(in.ReadBoolean(), true);
    EXPECT_EQ(in.ReadBoolean(), false);
    EXPECT_EQ(in.ReadBoolean(), false);
    EXPECT_FALSE(in.Failed());
}

TEST(StreamValues, ColoursByNameOrNumber)
{
    TStreamWriter out;
    out.WriteColor(clWhite);
    out.WriteColor(0xE8FFFF);
    out.WriteColor(clBtnFace);
    EXPECT_EQ(out.Data(), QByteArray("\x07\x07"
                                     "clWhite"
                                     "\x04\xFF\xFF\xE8\x00"
                                     "\x07\x09"
                                     "clBtnFace",
                                     25));
    TStreamReader in(out.Data() + QByteArray("\x07\x07"
                                             "CLWHITE"
                                             "\x07\x05"
                                             "clFoo",
                                             16));
    EXPECT_EQ(in.ReadColor(), clWhite);
    EXPECT_EQ(in.ReadColor(), TColor(0xE8FFFF));
    EXPECT_EQ(in.ReadColor(), clBtnFace);
    EXPECT_EQ(in.ReadColor(), clWhite);
    EXPECT_EQ(in.ReadColor(), std::nullopt);
    EXPECT_EQ(in.Error()->what, QStringLiteral("unknown colour clFoo"));
}

TEST(StreamValues, ExtendedNumbersConvertExactly)
{
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(DoubleToExtended(1.0).data()), 10),
              Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(DoubleToExtended(-2.5).data()), 10),
              Bytes({0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}));
    const double values[] = {0.0,
                             -0.0,
                             1.5,
                             M_PI,
                             -1e300,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             3 * std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity()};
    for (double value : values) {
        const double back = ExtendedToDouble(DoubleToExtended(value));
        EXPECT_EQ(back, value);
        EXPECT_EQ(std::signbit(back), std::signbit(value));
    }
    EXPECT_TRUE(std::isnan(ExtendedToDouble(DoubleToExtended(std::nan("")))));
}

TEST(StreamValues, ExtendedNumbersRoundToDouble)
{
    // 1 + 2^-53 is a tie: to even, 1. 1 + 3 * 2^-54 rounds up.
    EXPECT_EQ(ExtendedToDouble(Extended(Bytes({0, 4, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}))), 1.0);
    EXPECT_EQ(ExtendedToDouble(Extended(Bytes({0, 6, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}))),
              1.0 + std::ldexp(1.0, -52));
    // All 64 mantissa bits set rounds up into the next power of two.
    EXPECT_EQ(ExtendedToDouble(
                  Extended(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x3F}))),
              2.0);
    // Beyond the double range: infinity; below it: zero.
    EXPECT_EQ(ExtendedToDouble(Extended(Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F}))),
              std::numeric_limits<double>::infinity());
    EXPECT_EQ(ExtendedToDouble(Extended(Bytes({0, 0, 0, 0, 0, 0, 0, 0x80, 0x01, 0x80}))), -0.0);
    // An extended denormal is far below the double range.
    EXPECT_EQ(ExtendedToDouble(Extended(Bytes({1, 0, 0, 0, 0, 0, 0, 0, 0, 0}))), 0.0);
    // Half the smallest double denormal is a tie to zero; a little more is not.
    const double tiny = std::numeric_limits<double>::denorm_min();
    EXPECT_EQ(ExtendedToDouble(DoubleToExtended(tiny)), tiny);
    TExtended80 half = DoubleToExtended(tiny);
    half[8] -= 1;
    EXPECT_EQ(ExtendedToDouble(half), 0.0);
    half[0] = 1;
    EXPECT_EQ(ExtendedToDouble(half), tiny);
}

TEST(StreamValues, FloatsRoundTripAndAcceptIntegers)
{
    TStreamWriter out;
    out.WriteFloat(0.1);
    ASSERT_EQ(out.Data().size(), 11);
    EXPECT_EQ(out.Data()[0], char(0x05));
    TStreamReader in(out.Data() + Bytes({0x02, 0x07}));
    EXPECT_EQ(in.ReadFloat(), 0.1);
    EXPECT_EQ(in.ReadFloat(), 7.0);
}

TEST(StreamValues, SkipsEveryType)
{
    TStreamWriter out;
    out.WriteListBegin();
    out.WriteInteger(70000);
    out.WriteFloat(2.0);
    out.WriteString(QString(300, QLatin1Char('x')));
    out.WriteString(QStringLiteral("\u0141"));
    out.WriteIdent(QStringLiteral("taCenter"));
    out.WriteBoolean(true);
    out.WriteBinary(QByteArray(5, 'b'));
    out.WriteSet({QStringLiteral("fsBold"), QStringLiteral("fsItalic")});
    out.WriteNil();
    out.WriteCollectionBegin();
    out.WriteListBegin();
    out.WriteName(QStringLiteral("Width"));
    out.WriteInteger(3);
    out.WriteListEnd();
    out.WriteListEnd();
    out.WriteListEnd();
    out.WriteInteger(42);
    TStreamReader in(out.Data() + Bytes({0x12, 0x01, 0, 0, 0, 0x41, 0}));
    EXPECT_TRUE(in.SkipValue());
    EXPECT_EQ(in.ReadInteger(), 42);
    EXPECT_TRUE(in.SkipValue());
    EXPECT_EQ(in.BytesLeft(), 0);
}

TEST(StreamValues, DamagedInputFailsWithOffsetAndReason)
{
    const struct
    {
        QByteArray bytes;
        qint64 offset;
        const char *what;
    } cases[] = {
        {Bytes({0x06, 0x05, 'a'}), 2, "unexpected end of input: 5 bytes needed, 1 left"},
        // A length of 4 GB is refused before anything is allocated.
        {Bytes({0x0A, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}), 5,
         "unexpected end of input: 4294967295 bytes needed, 1 left"},
        {Bytes({0x12, 0xFF, 0xFF, 0xFF, 0x7F}), 5,
         "unexpected end of input: 4294967294 bytes needed, 0 left"},
        {Bytes({0x0B, 0x03, 'a', 'b', 'c'}), 5, "unexpected end of input: 1 bytes needed, 0 left"},
        {Bytes({0x20}), 0, "unknown value type 0x20"},
        {Bytes({0x02, 0x01, 0x03}), 3, "unexpected end of input: 2 bytes needed, 0 left"},
    };
    for (const auto &c : cases) {
        TStreamReader in(Bytes({0x01}) + c.bytes);
        EXPECT_FALSE(in.SkipValue());
        ASSERT_TRUE(in.Error());
        EXPECT_EQ(in.Error()->offset, c.offset + 1) << c.what;
        EXPECT_EQ(in.Error()->what, QLatin1String(c.what));
    }
}

TEST(StreamValues, WrongTypeFailsAndTheFirstErrorStays)
{
    TStreamReader in(Bytes({0x02, 0x01, 0x06, 0x00, 0x02, 0x03}));
    EXPECT_EQ(in.ReadInteger(), 1);
    EXPECT_EQ(in.ReadInteger(), std::nullopt);
    EXPECT_EQ(in.ReadInteger(), std::nullopt);
    EXPECT_EQ(in.Error()->offset, 2);
    EXPECT_EQ(in.Error()->what, QStringLiteral("expected an integer, found type 0x06"));
}

TEST(StreamValues, DeepNestingIsRefused)
{
    TStreamReader in(QByteArray(100000, char(0x01)));
    EXPECT_FALSE(in.SkipValue());
    EXPECT_EQ(in.Error()->what, QStringLiteral("values nested deeper than 32"));
}

} // namespace
