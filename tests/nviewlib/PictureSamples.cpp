#include "PictureSamples.h"

namespace {

void AppendBgr(QByteArray &bytes, QRgb colour)
{
    bytes.append(char(qBlue(colour)));
    bytes.append(char(qGreen(colour)));
    bytes.append(char(qRed(colour)));
}

QByteArray PackRow(const QList<quint32> &row, int bits)
{
    QByteArray bytes;
    if (bits <= 8) {
        bytes.fill('\0', (row.size() * bits + 7) / 8);
        for (int x = 0; x < row.size(); ++x) {
            const int bit = x * bits;
            bytes[bit / 8] = char(quint8(bytes[bit / 8]) | (row[x] << (8 - bits - bit % 8)));
        }
    }
    for (quint32 value : row) {
        if (bits == 16)
            AppendLe16(bytes, value);
        else if (bits == 24)
            AppendBgr(bytes, value);
        else if (bits == 32)
            AppendLe32(bytes, value);
    }
    return bytes;
}

QByteArray PcxRle(QByteArrayView line)
{
    QByteArray out;
    for (qsizetype at = 0; at < line.size();) {
        qsizetype count = 1;
        while (at + count < line.size() && line[at + count] == line[at] && count < 63)
            ++count;
        if (count > 1 || (quint8(line[at]) & 0xC0) == 0xC0)
            out.append(char(0xC0 | count));
        out.append(line[at]);
        at += count;
    }
    return out;
}

// LZW codes of a fixed width, packed from the low bit up, in sub-blocks.
QByteArray GifImageData(const QList<int> &indices)
{
    constexpr int clearCode = 4;
    constexpr int endCode = 5;
    QList<int> codes;
    for (qsizetype i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0)
            codes.append(clearCode);
        codes.append(indices[i]);
    }
    codes.append(endCode);
    QByteArray packed;
    int bits = 0;
    int pending = 0;
    for (int code : codes) {
        pending |= code << bits;
        bits += 3;
        for (; bits >= 8; bits -= 8, pending >>= 8)
            packed.append(char(pending & 0xFF));
    }
    if (bits > 0)
        packed.append(char(pending & 0xFF));
    QByteArray blocks(1, char(2)); // minimum code size
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        blocks.append(char(block.size()));
        blocks += block;
    }
    blocks.append('\0');
    return blocks;
}

} // namespace

void AppendLe16(QByteArray &bytes, quint32 value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

void AppendLe32(QByteArray &bytes, quint32 value)
{
    AppendLe16(bytes, value & 0xFFFF);
    AppendLe16(bytes, value >> 16);
}

QByteArray BmpFile(const TBmpSpec &spec)
{
    QByteArray info;
    AppendLe32(info, quint32(spec.InfoSize));
    if (spec.InfoSize == 12) {
        AppendLe16(info, quint32(spec.Width));
        AppendLe16(info, quint32(spec.Height));
        AppendLe16(info, 1);
        AppendLe16(info, quint32(spec.Bits));
    } else {
        AppendLe32(info, quint32(spec.Width));
        AppendLe32(info, quint32(spec.Height));
        AppendLe16(info, 1);
        AppendLe16(info, quint32(spec.Bits));
        AppendLe32(info, spec.Compression);
        AppendLe32(info, quint32(spec.Pixels.size()));
        AppendLe32(info, 3780);
        AppendLe32(info, 3780);
        AppendLe32(info, spec.ColorsUsed != 0 ? spec.ColorsUsed : quint32(spec.Palette.size()));
        AppendLe32(info, 0);
        for (quint32 mask : spec.Masks)
            AppendLe32(info, mask);
    }
    for (QRgb colour : spec.Palette) {
        AppendBgr(info, colour);
        if (spec.InfoSize != 12)
            info.append('\0');
    }
    QByteArray file("BM");
    AppendLe32(file, quint32(14 + info.size() + spec.Pixels.size()));
    AppendLe32(file, 0);
    AppendLe32(file, quint32(14 + info.size()));
    return file + info + spec.Pixels;
}

QByteArray BmpRows(const QList<QList<quint32>> &rows, int bits, bool topDown)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QByteArray row = PackRow(rows[topDown ? i : rows.size() - 1 - i], bits);
        row.append(QByteArray((4 - row.size() % 4) % 4, '\0'));
        bytes += row;
    }
    return bytes;
}

QByteArray PcxFile(const TPcxSpec &spec)
{
    QByteArray file(128, '\0');
    file[0] = char(0x0A);
    file[1] = 5;
    file[2] = char(spec.Rle ? 1 : 0);
    file[3] = char(spec.Bits);
    QByteArray bounds;
    AppendLe16(bounds, 0);
    AppendLe16(bounds, 0);
    AppendLe16(bounds, quint32(spec.Width - 1));
    AppendLe16(bounds, quint32(spec.Height - 1));
    file.replace(4, 8, bounds);
    for (int i = 0; i < spec.HeaderPalette.size() && i < 16; ++i) {
        file[16 + i * 3] = char(qRed(spec.HeaderPalette[i]));
        file[17 + i * 3] = char(qGreen(spec.HeaderPalette[i]));
        file[18 + i * 3] = char(qBlue(spec.HeaderPalette[i]));
    }
    file[65] = char(spec.Planes);
    file[66] = char(spec.BytesPerLine & 0xFF);
    file[67] = char(spec.BytesPerLine >> 8);
    const int line = spec.BytesPerLine * spec.Planes;
    for (qsizetype at = 0; at < spec.Scanlines.size(); at += line) {
        const QByteArray scanline = spec.Scanlines.mid(at, line);
        file += spec.Rle ? PcxRle(scanline) : scanline;
    }
    if (!spec.EndPalette.isEmpty()) {
        file.append(char(0x0C));
        for (QRgb colour : spec.EndPalette) {
            file.append(char(qRed(colour)));
            file.append(char(qGreen(colour)));
            file.append(char(qBlue(colour)));
        }
    }
    return file;
}

QByteArray TgaFile(const TTgaSpec &spec)
{
    QByteArray file;
    file.append(char(spec.Id.size()));
    file.append(char(spec.MapType));
    file.append(char(spec.ImageType));
    AppendLe16(file, quint32(spec.MapFirst));
    AppendLe16(file, quint32(spec.Map.size()));
    file.append(char(spec.MapEntryBits));
    AppendLe32(file, 0); // origin
    AppendLe16(file, quint32(spec.Width));
    AppendLe16(file, quint32(spec.Height));
    file.append(char(spec.Depth));
    file.append(char(spec.Descriptor));
    file += spec.Id;
    for (QRgb colour : spec.Map) {
        AppendBgr(file, colour);
        if (spec.MapEntryBits == 32)
            file.append(char(qAlpha(colour)));
    }
    return file + spec.Pixels;
}

QByteArray TgaRle(const QByteArray &raw, int pixelBytes)
{
    const auto pixel = [&](qsizetype i) { return raw.mid(i * pixelBytes, pixelBytes); };
    const qsizetype count = raw.size() / pixelBytes;
    QByteArray out;
    for (qsizetype i = 0; i < count;) {
        qsizetype same = 1;
        while (i + same < count && same < 128 && pixel(i + same) == pixel(i))
            ++same;
        if (same > 1) {
            out.append(char(0x80 | (same - 1)));
            out += pixel(i);
            i += same;
            continue;
        }
        qsizetype different = 1;
        while (i + different < count && different < 128 &&
               (i + different + 1 >= count || pixel(i + different) != pixel(i + different + 1)))
            ++different;
        out.append(char(different - 1));
        out += raw.mid(i * pixelBytes, different * pixelBytes);
        i += different;
    }
    return out;
}

QByteArray GifFile(int width, int height, const QList<QRgb> &palette, const QList<int> &indices,
                   int transparentIndex)
{
    QByteArray file("GIF89a");
    AppendLe16(file, quint32(width));
    AppendLe16(file, quint32(height));
    file.append(char(0xF1)); // a global table of 4 colours
    file.append(2, '\0');
    for (int i = 0; i < 4; ++i) {
        const QRgb colour = i < palette.size() ? palette[i] : 0;
        file.append(char(qRed(colour)));
        file.append(char(qGreen(colour)));
        file.append(char(qBlue(colour)));
    }
    if (transparentIndex >= 0)
        file += QByteArray::fromHex("21F904010000") + char(transparentIndex) + '\0';
    file.append(char(0x2C));
    for (quint32 value : {0u, 0u, quint32(width), quint32(height)})
        AppendLe16(file, value);
    file.append('\0');
    return file + GifImageData(indices) + char(0x3B);
}
