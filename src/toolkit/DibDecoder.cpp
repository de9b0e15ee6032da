#include "DibDecoder.h"

#include <array>
#include <bit>
#include <optional>
#include <vector>

namespace {

constexpr quint32 compressionNone = 0;
constexpr quint32 compressionRle8 = 1;
constexpr quint32 compressionRle4 = 2;
constexpr quint32 compressionBitFields = 3;
constexpr qint64 coreHeaderSize = 12;
constexpr qint64 infoHeaderSize = 40;

quint32 Le(QByteArrayView bytes, qint64 at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | uchar(bytes[at + i]);
    return value;
}

struct DibHeader
{
    qint64 size = 0;
    qint64 width = 0;
    qint64 height = 0; // negative for top-down rows
    int bits = 0;
    quint32 compression = compressionNone;
    qint64 tableEntries = 0;
    int entrySize = 4;
    std::array<quint32, 3> masks{};
    qint64 pixelsAt = 0;

    qint64 Rows() const { return height < 0 ? -height : height; }
    bool TopDown() const { return height < 0; }
};

std::array<quint32, 3> DefaultMasks(int bits)
{
    if (bits == 16)
        return {0x7C00, 0x03E0, 0x001F};
    return {0xFF0000, 0x00FF00, 0x0000FF};
}

bool FormatSupported(const DibHeader &header)
{
    switch (header.compression) {
    case compressionNone:
        return header.bits == 1 || header.bits == 4 || header.bits == 8 || header.bits == 16 ||
               header.bits == 24 || header.bits == 32;
    case compressionRle8:
        return header.bits == 8 && !header.TopDown();
    case compressionRle4:
        return header.bits == 4 && !header.TopDown();
    case compressionBitFields:
        return header.bits == 16 || header.bits == 32;
    default:
        return false;
    }
}

// The header fields, masks and where the colour table and pixels lie; none
// when the header is corrupt, unsupported or too large.
std::optional<DibHeader> ReadHeader(QByteArrayView dib, int entrySize)
{
    if (dib.size() < 4)
        return {};
    DibHeader header;
    header.size = Le(dib, 0, 4);
    if (header.size == coreHeaderSize && dib.size() >= coreHeaderSize) {
        header.width = Le(dib, 4, 2);
        header.height = Le(dib, 6, 2);
        header.bits = int(Le(dib, 10, 2));
        header.entrySize = entrySize == 4 ? 3 : entrySize;
    } else if (header.size >= infoHeaderSize && header.size <= dib.size()) {
        header.width = qint32(Le(dib, 4, 4));
        header.height = qint32(Le(dib, 8, 4));
        header.bits = int(Le(dib, 14, 2));
        header.compression = Le(dib, 16, 4);
        header.tableEntries = Le(dib, 32, 4);
        header.entrySize = entrySize;
    } else {
        return {};
    }
    if (header.width <= 0 || header.Rows() == 0 || !FormatSupported(header) ||
        header.width * header.Rows() > maxDibPixels)
        return {};

    // Bit field masks start at byte 40: after the short header, inside the longer ones.
    qint64 masksEnd = header.size;
    header.masks = DefaultMasks(header.bits);
    if (header.compression == compressionBitFields) {
        if (infoHeaderSize + 12 > dib.size())
            return {};
        for (qint64 i = 0; i < 3; ++i)
            header.masks[size_t(i)] = Le(dib, infoHeaderSize + 4 * i, 4);
        masksEnd = std::max(header.size, infoHeaderSize + 12);
    }
    if (header.bits <= 8) {
        const qint64 full = qint64(1) << header.bits;
        if (header.tableEntries == 0)
            header.tableEntries = full;
        if (header.tableEntries > full)
            return {};
    } else if (header.tableEntries > 256) {
        return {};
    }
    header.pixelsAt = masksEnd + header.tableEntries * header.entrySize;
    if (header.pixelsAt > dib.size())
        return {};
    return header;
}

std::vector<QRgb> ColorTable(QByteArrayView dib, const DibHeader &header, TDibColors colors)
{
    std::vector<QRgb> table(size_t(qint64(1) << std::min(header.bits, 8)), qRgb(0, 0, 0));
    const qint64 tableAt = header.pixelsAt - header.tableEntries * header.entrySize;
    const qint64 count = std::min<qint64>(header.tableEntries, qint64(table.size()));
    for (qint64 i = 0; i < count; ++i) {
        const qint64 at = tableAt + i * header.entrySize;
        if (colors == TDibColors::PaletteIndices) {
            const int level = int(Le(dib, at, 2) & 0xFF);
            table[size_t(i)] = qRgb(level, level, level);
        } else {
            table[size_t(i)] = qRgb(uchar(dib[at + 2]), uchar(dib[at + 1]), uchar(dib[at]));
        }
    }
    return table;
}

// One channel of a bit field pixel scaled to 0..255.
int Channel(quint32 pixel, quint32 mask)
{
    if (mask == 0)
        return 0;
    const int shift = std::countr_zero(mask);
    const quint32 maximum = mask >> shift;
    return int(qint64((pixel & mask) >> shift) * 255 / maximum);
}

QRgb PixelAt(const uchar *row, qint64 x, const DibHeader &header, const std::vector<QRgb> &table)
{
    if (header.bits <= 8) {
        const qint64 bit = x * header.bits;
        const int shift = 8 - header.bits - int(bit % 8);
        const int index = (row[bit / 8] >> shift) & ((1 << header.bits) - 1);
        return table[size_t(index)];
    }
    if (header.bits == 24) {
        const uchar *p = row + x * 3;
        return qRgb(p[2], p[1], p[0]);
    }
    const quint32 pixel =
        header.bits == 16 ? quint32(row[x * 2] | (row[x * 2 + 1] << 8))
                          : quint32(row[x * 4] | (row[x * 4 + 1] << 8) | (row[x * 4 + 2] << 16)) |
                                (quint32(row[x * 4 + 3]) << 24);
    return qRgb(Channel(pixel, header.masks[0]), Channel(pixel, header.masks[1]),
                Channel(pixel, header.masks[2]));
}

QImage DecodeRows(QByteArrayView dib, const DibHeader &header, const std::vector<QRgb> &table)
{
    const qint64 stride = ((header.width * header.bits + 31) / 32) * 4;
    const qint64 rows = header.Rows();
    if (stride * rows > dib.size() - header.pixelsAt)
        return {};
    QImage image(int(header.width), int(rows), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const auto *pixels = reinterpret_cast<const uchar *>(dib.data()) + header.pixelsAt;
    for (qint64 row = 0; row < rows; ++row) {
        const uchar *in = pixels + row * stride;
        const qint64 y = header.TopDown() ? row : rows - 1 - row;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
        for (qint64 x = 0; x < header.width; ++x)
            out[x] = PixelAt(in, x, header, table);
    }
    return image;
}

// Run-length encoded pixels: runs of one index, absolute runs, line ends and
// position deltas, each bounded by the data and clipped to the picture.
class RleDecoder
{
public:
    RleDecoder(QByteArrayView dib, const DibHeader &header, const std::vector<QRgb> &table)
        : m_data(dib.sliced(header.pixelsAt)), m_table(table), m_nibbles(header.bits == 4),
          m_image(int(header.width), int(header.Rows()), QImage::Format_RGB32)
    {
        if (!m_image.isNull())
            m_image.fill(table[0]);
    }

    QImage Decode()
    {
        if (m_image.isNull())
            return {};
        qint64 at = 0;
        while (at + 1 < m_data.size()) {
            const int count = uchar(m_data[at]);
            const int value = uchar(m_data[at + 1]);
            at += 2;
            if (count > 0) {
                for (int i = 0; i < count; ++i)
                    Put(m_nibbles ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            } else if (value == 0) {
                m_x = 0;
                ++m_row;
            } else if (value == 1) {
                break;
            } else if (value == 2) {
                if (at + 1 >= m_data.size())
                    break;
                m_x += uchar(m_data[at]);
                m_row += uchar(m_data[at + 1]);
                at += 2;
            } else {
                at = Absolute(at, value);
            }
        }
        return m_image;
    }

private:
    qint64 Absolute(qint64 at, int count)
    {
        const qint64 bytes = m_nibbles ? (count + 1) / 2 : count;
        for (int i = 0; i < count && at + (m_nibbles ? i / 2 : i) < m_data.size(); ++i) {
            const int byte = uchar(m_data[at + (m_nibbles ? i / 2 : i)]);
            Put(m_nibbles ? (i % 2 == 0 ? byte >> 4 : byte & 0x0F) : byte);
        }
        return at + bytes + (bytes % 2);
    }

    void Put(int index)
    {
        const qint64 y = m_image.height() - 1 - m_row;
        if (m_x < m_image.width() && y >= 0)
            reinterpret_cast<QRgb *>(m_image.scanLine(int(y)))[m_x] = m_table[size_t(index)];
        ++m_x;
    }

    QByteArrayView m_data;
    const std::vector<QRgb> &m_table;
    bool m_nibbles;
    QImage m_image;
    qint64 m_x = 0;
    qint64 m_row = 0;
};

} // namespace

QImage DecodeDibImage(QByteArrayView dib, TDibColors colors)
{
    const std::optional<DibHeader> header =
        ReadHeader(dib, colors == TDibColors::PaletteIndices ? 2 : 4);
    if (!header)
        return {};
    const std::vector<QRgb> table = ColorTable(dib, *header, colors);
    if (header->compression == compressionRle8 || header->compression == compressionRle4)
        return RleDecoder(dib, *header, table).Decode();
    return DecodeRows(dib, *header, table);
}
