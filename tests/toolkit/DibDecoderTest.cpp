#include "DibDecoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

void Append(QByteArray &out, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

QByteArray Header(int width, int height, int bits, quint32 compression = 0, quint32 colors = 0)
{
    QByteArray out;
    Append(out, 40, 4);
    Append(out, quint32(width), 4);
    Append(out, quint32(height), 4);
    Append(out, 1, 2);
    Append(out, quint32(bits), 2);
    Append(out, compression, 4);
    for (int i = 0; i < 3; ++i)
        Append(out, 0, 4);
    Append(out, colors, 4);
    Append(out, 0, 4);
    return out;
}

QByteArray Table(const std::vector<QRgb> &colors)
{
    QByteArray out;
    for (const QRgb color : colors) {
        out.append(char(qBlue(color)));
        out.append(char(qGreen(color)));
        out.append(char(qRed(color)));
        out.append('\0');
    }
    return out;
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int value : values)
        out.append(char(value));
    return out;
}

const QRgb red = qRgb(255, 0, 0);
const QRgb green = qRgb(0, 255, 0);
const QRgb blue = qRgb(0, 0, 255);
const QRgb white = qRgb(255, 255, 255);

struct Sample
{
    const char *name;
    QByteArray dib;
    std::vector<std::vector<QRgb>> rows; // top to bottom
};

TEST(DibDecoder, DecodesEachDepthAndEncoding)
{
    std::vector<QRgb> sixteen(16, qRgb(0, 0, 0));
    sixteen[1] = red;
    sixteen[2] = green;
    QByteArray core;
    Append(core, 12, 4);
    Append(core, 1, 2);
    Append(core, 1, 2);
    Append(core, 1, 2);
    Append(core, 24, 2);
    const std::vector<Sample> samples = {
        {"1 bit, bottom-up rows",
         Header(2, 2, 1) + Table({red, blue}) + Bytes({0x40, 0, 0, 0, 0x80, 0, 0, 0}),
         {{blue, red}, {red, blue}}},
        {"4 bits",
         Header(3, 1, 4) + Table(sixteen) + Bytes({0x01, 0x20, 0, 0}),
         {{qRgb(0, 0, 0), red, green}}},
        {"8 bits, short table",
         Header(2, 1, 8, 0, 3) + Table({red, green, blue}) + Bytes({2, 1, 0, 0}),
         {{blue, green}}},
        {"16 bits 5-5-5", Header(2, 1, 16) + Bytes({0x00, 0x7C, 0x1F, 0x00}), {{red, blue}}},
        {"16 bits as bit fields 5-6-5",
         Header(1, 1, 16, 3) + Bytes({0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}) +
             Bytes({0xE0, 0x07, 0, 0}),
         {{green}}},
        {"24 bits, top-down rows",
         Header(1, -2, 24) + Bytes({0, 0, 255, 0, 0, 255, 0, 0}),
         {{red}, {green}}},
        {"32 bits", Header(2, 1, 32) + Bytes({255, 0, 0, 0, 255, 255, 255, 0}), {{blue, white}}},
        {"8 bits run-length encoded",
         Header(4, 2, 8, 1, 3) + Table({white, red, green}) +
             Bytes({4, 1, 0, 0, 0, 3, 0, 1, 2, 0, 0, 1}),
         {{white, red, green, white}, {red, red, red, red}}},
        {"4 bits run-length encoded",
         Header(4, 1, 4, 2) + Table(sixteen) + Bytes({4, 0x12, 0, 1}),
         {{red, green, red, green}}},
        {"small header", core + Bytes({0, 255, 0, 0}), {{green}}},
    };
    for (const Sample &sample : samples) {
        const QImage image = DecodeDibImage(sample.dib);
        ASSERT_FALSE(image.isNull()) << sample.name;
        ASSERT_EQ(image.height(), int(sample.rows.size())) << sample.name;
        for (size_t y = 0; y < sample.rows.size(); ++y) {
            ASSERT_EQ(image.width(), int(sample.rows[y].size())) << sample.name;
            for (size_t x = 0; x < sample.rows[y].size(); ++x)
                EXPECT_EQ(image.pixel(int(x), int(y)), sample.rows[y][x])
                    << sample.name << " at " << x << ", " << y;
        }
    }
}

TEST(DibDecoder, PaletteIndicesBecomeGreyLevels)
{
    const QByteArray dib = Header(2, 1, 1) + Bytes({0, 0, 200, 0}) + Bytes({0x40, 0, 0, 0});
    const QImage image = DecodeDibImage(dib, TDibColors::PaletteIndices);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(1, 0), qRgb(200, 200, 200));
}

TEST(DibDecoder, RunsPastTheBitmapAreClippedNotWritten)
{
    // A run of 200 on a 4-pixel row and a delta far beyond the last row.
    const QByteArray dib =
        Header(4, 1, 8, 1, 2) + Table({white, red}) + Bytes({200, 1, 0, 2, 250, 250, 5, 1, 0, 1});
    const QImage image = DecodeDibImage(dib);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixel(3, 0), red);
}

TEST(DibDecoder, CorruptHeadersGiveTheNullImage)
{
    QByteArray longHeader = Header(1, 1, 24) + Bytes({0, 0, 0, 0});
    longHeader[0] = char(100); // a header larger than the data
    const std::vector<std::pair<const char *, QByteArray>> cases = {
        {"empty", QByteArray()},
        {"header beyond the data", longHeader},
        {"no width", Header(0, 1, 24) + Bytes({0, 0, 0, 0})},
        {"no rows", Header(1, 0, 24)},
        {"rows beyond the data", Header(4, 4, 24) + Bytes({0, 0, 0, 0})},
        {"huge", Header(100000, 100000, 1) + QByteArray(4096, '\0')},
        {"table too large", Header(1, 1, 8, 0, 300) + QByteArray(1300, '\0')},
        {"table beyond the data", Header(1, 1, 8) + Table({red})},
        {"odd depth", Header(1, 1, 7) + QByteArray(1024, '\0')},
        {"compressed picture", Header(1, 1, 24, 4) + QByteArray(16, '\0')},
        {"bit fields without masks", Header(1, 1, 16, 3)},
        {"top-down runs", Header(1, -1, 8, 1, 1) + Table({red}) + Bytes({0, 1})},
    };
    for (const auto &[name, dib] : cases)
        EXPECT_TRUE(DecodeDibImage(dib).isNull()) << name;
}

} // namespace
