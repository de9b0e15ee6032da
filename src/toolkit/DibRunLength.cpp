#include "DibRunLength.h"

#include "LittleEndian.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

class TRunLengthExpander
{
public:
    TRunLengthExpander(QByteArrayView data, const TDibHeader &header, const QList<QRgb> &palette,
                       QImage &image)
        : m_data(data), m_header(header), m_palette(palette), m_image(image),
          m_nibbles(header.Compression == dibRle4)
    {}

    QString Expand()
    {
        m_image.fill(m_palette[0]);
        while (m_at + 2 <= m_data.size()) {
            const int count = Le8(m_data, m_at);
            const int value = Le8(m_data, m_at + 1);
            m_at += 2;
            QString error;
            if (count > 0)
                error = Run(count, value);
            else if (value == 0)
                NextLine();
            else if (value == 1)
                return {};
            else if (value == 2)
                error = Delta();
            else
                error = Absolute(value);
            if (!error.isEmpty())
                return error;
        }
        return m_y >= m_header.Rows() ? QString()
                                      : QCoreApplication::translate("Pictures", "RLE data ends before the end of the picture");
    }

private:
    // Common tools fill each row out to its 32-bit padding: runs may reach
    // that far, the pixels past the picture's width being dropped.
    qint64 PaddedWidth() const { return m_header.Stride() * 8 / m_header.Bits; }

    QString CheckRoom(int count) const
    {
        if (m_y >= m_header.Rows() || m_x + count > PaddedWidth())
            return QCoreApplication::translate("Pictures", "RLE run past the end of the picture's row");
        return {};
    }

    // The index-th pixel of a run whose pixels alternate between the two
    // nibbles of byte, or are byte itself.
    int IndexOf(int byte, int index) const
    {
        if (!m_nibbles)
            return byte;
        return index % 2 == 0 ? byte >> 4 : byte & 0x0F;
    }

    QString Put(int index)
    {
        if (index >= m_palette.size())
            return PaletteIndexFailure(index, m_palette.size());
        if (m_x < m_header.Width)
            reinterpret_cast<QRgb *>(m_image.scanLine(m_header.ImageRow(m_y)))[m_x] =
                m_palette[index];
        ++m_x;
        return {};
    }

    QString Run(int count, int value)
    {
        QString error = CheckRoom(count);
        for (int i = 0; i < count && error.isEmpty(); ++i)
            error = Put(IndexOf(value, i));
        return error;
    }

    void NextLine()
    {
        m_x = 0;
        ++m_y;
    }

    QString Delta()
    {
        if (m_at + 2 > m_data.size())
            return QCoreApplication::translate("Pictures", "RLE data ends inside a delta");
        m_x += Le8(m_data, m_at);
        m_y += Le8(m_data, m_at + 1);
        m_at += 2;
        if (m_x > PaddedWidth() || m_y > m_header.Rows())
            return QCoreApplication::translate("Pictures", "RLE delta moves past the picture");
        return {};
    }

    QString Absolute(int count)
    {
        const qsizetype bytes = m_nibbles ? (count + 1) / 2 : count;
        if (m_at + bytes > m_data.size())
            return QCoreApplication::translate("Pictures", "RLE data ends inside an absolute run");
        QString error = CheckRoom(count);
        for (int i = 0; i < count && error.isEmpty(); ++i)
            error = Put(IndexOf(Le8(m_data, m_at + (m_nibbles ? i / 2 : i)), i));
        m_at += bytes + bytes % 2; // absolute runs are padded to whole 16-bit words
        return error;
    }

    QByteArrayView m_data;
    const TDibHeader &m_header;
    const QList<QRgb> &m_palette;
    QImage &m_image;
    bool m_nibbles;
    qsizetype m_at = 0;
    qint64 m_x = 0;
    qint64 m_y = 0;
};

} // namespace

QString ExpandRunLength(QByteArrayView data, const TDibHeader &header, const QList<QRgb> &palette,
                        QImage &image)
{
    return TRunLengthExpander(data, header, palette, image).Expand();
}
