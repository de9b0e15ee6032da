#include "PalettePng.h"

#include <QBuffer>
#include <QImageWriter>

#include <array>
#include <optional>

namespace {

constexpr int MaxColours = 256;

// The colours of a picture, up to MaxColours, in an open-addressed table
// twice as large so that probing stays short.
class TColourTable
{
public:
    // The colour's index, added if new; nullopt once there would be too many.
    std::optional<uchar> IndexOf(QRgb colour)
    {
        size_t slot = (colour * 2654435761u) >> 23 & (m_slots.size() - 1);
        while (m_used[slot]) {
            if (m_slots[slot] == colour)
                return m_indexes[slot];
            slot = (slot + 1) & (m_slots.size() - 1);
        }
        if (m_colours.size() == MaxColours)
            return std::nullopt;
        m_used[slot] = true;
        m_slots[slot] = colour;
        m_indexes[slot] = uchar(m_colours.size());
        m_colours.append(colour);
        return m_indexes[slot];
    }

    const QList<QRgb> &Colours() const { return m_colours; }

private:
    std::array<QRgb, MaxColours * 2> m_slots{};
    std::array<uchar, MaxColours * 2> m_indexes{};
    std::array<bool, MaxColours * 2> m_used{};
    QList<QRgb> m_colours;
};

} // namespace

QImage WithPaletteIfFewColours(const QImage &picture)
{
    const QImage source =
        picture.format() == QImage::Format_RGB32 || picture.format() == QImage::Format_ARGB32
            ? picture
            : picture.convertToFormat(QImage::Format_ARGB32);
    QImage indexed(source.size(), QImage::Format_Indexed8);
    if (indexed.isNull())
        return picture;
    // RGB32 keeps 0xff in the alpha byte, which the table then carries.
    TColourTable table;
    const int width = source.width();
    const int height = source.height();
    for (int y = 0; y < height; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        QRgb last = ~in[0];
        uchar lastIndex = 0;
        for (int x = 0; x < width; ++x) {
            if (in[x] != last) {
                const std::optional<uchar> index = table.IndexOf(in[x]);
                if (!index)
                    return picture;
                last = in[x];
                lastIndex = *index;
            }
            out[x] = lastIndex;
        }
    }
    indexed.setColorTable(table.Colours());
    indexed.setDotsPerMeterX(picture.dotsPerMeterX());
    indexed.setDotsPerMeterY(picture.dotsPerMeterY());
    return indexed;
}

QByteArray EncodePng(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "PNG");
    if (!writer.write(WithPaletteIfFewColours(picture)))
        return {};
    return bytes;
}
