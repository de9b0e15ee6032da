#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

// Small picture files built byte by byte, so the tests control every field.

void AppendLe16(QByteArray &bytes, quint32 value);
void AppendLe32(QByteArray &bytes, quint32 value);

struct TBmpSpec
{
    qint32 Width = 0;
    qint32 Height = 0; // negative for top-down rows
    int Bits = 24;
    quint32 Compression = 0;
    int InfoSize = 40; // 12 for the old core header
    QList<QRgb> Palette;
    quint32 ColorsUsed = 0;
    QList<quint32> Masks; // written after a 40-byte header
    QByteArray Pixels;
};
QByteArray BmpFile(const TBmpSpec &spec);

// Pixel values (palette indices, 16-bit words, RGB colours or 32-bit words),
// rows given top to bottom, packed as a bitmap's rows: bottom-up unless
// topDown, each padded to 4 bytes.
QByteArray BmpRows(const QList<QList<quint32>> &rows, int bits, bool topDown = false);

struct TPcxSpec
{
    int Bits = 8;
    int Planes = 1;
    int Width = 0;
    int Height = 0;
    int BytesPerLine = 0;
    bool Rle = true;
    QList<QRgb> HeaderPalette; // up to 16 colours
    QList<QRgb> EndPalette;    // 256 colours, or none
    QByteArray Scanlines;      // uncompressed: every plane of every row
};
// The file, its scanlines RLE-encoded one line at a time when Rle.
QByteArray PcxFile(const TPcxSpec &spec);

struct TTgaSpec
{
    int ImageType = 2;
    int Width = 0;
    int Height = 0;
    int Depth = 24;
    int Descriptor = 0;
    QByteArray Id;
    int MapType = 0;
    int MapFirst = 0;
    int MapEntryBits = 24;
    QList<QRgb> Map;
    QByteArray Pixels; // as stored: raw or RLE packets
};
QByteArray TgaFile(const TTgaSpec &spec);

// A GIF of up to four colours (indices one per pixel, rows top-down). The
// LZW codes stay 3 bits wide: a clear code precedes every pair of pixels.
// A transparent index of 0 to 3 adds a graphic control extension.
QByteArray GifFile(int width, int height, const QList<QRgb> &palette, const QList<int> &indices,
                   int transparentIndex = -1);

// Raw pixels of pixelBytes each as RLE packets: repeated pixels as run
// packets, the others as raw packets.
QByteArray TgaRle(const QByteArray &raw, int pixelBytes);
