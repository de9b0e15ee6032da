#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <algorithm>
#include <optional>

// The record functions of a Windows metafile that this program reads or
// writes, and the bounded view of one record's parameters.

namespace WmfFunction {
inline constexpr quint16 Eof = 0x0000;
inline constexpr quint16 SaveDC = 0x001E;
inline constexpr quint16 RealizePalette = 0x0035;
inline constexpr quint16 SetPalEntries = 0x0037;
inline constexpr quint16 CreatePalette = 0x00F7;
inline constexpr quint16 SetBkMode = 0x0102;
inline constexpr quint16 SetMapMode = 0x0103;
inline constexpr quint16 SetRop2 = 0x0104;
inline constexpr quint16 SetPolyFillMode = 0x0106;
inline constexpr quint16 SetStretchBltMode = 0x0107;
inline constexpr quint16 RestoreDC = 0x0127;
inline constexpr quint16 SelectObject = 0x012D;
inline constexpr quint16 SetTextAlign = 0x012E;
inline constexpr quint16 DibCreatePatternBrush = 0x0142;
inline constexpr quint16 DeleteObject = 0x01F0;
inline constexpr quint16 CreatePatternBrush = 0x01F9;
inline constexpr quint16 SetBkColor = 0x0201;
inline constexpr quint16 SetTextColor = 0x0209;
inline constexpr quint16 SetWindowOrg = 0x020B;
inline constexpr quint16 SetWindowExt = 0x020C;
inline constexpr quint16 SetViewportOrg = 0x020D;
inline constexpr quint16 SetViewportExt = 0x020E;
inline constexpr quint16 OffsetWindowOrg = 0x020F;
inline constexpr quint16 OffsetViewportOrg = 0x0211;
inline constexpr quint16 LineTo = 0x0213;
inline constexpr quint16 MoveTo = 0x0214;
inline constexpr quint16 SelectPalette = 0x0234;
inline constexpr quint16 CreatePenIndirect = 0x02FA;
inline constexpr quint16 CreateFontIndirect = 0x02FB;
inline constexpr quint16 CreateBrushIndirect = 0x02FC;
inline constexpr quint16 Polygon = 0x0324;
inline constexpr quint16 Polyline = 0x0325;
inline constexpr quint16 ScaleWindowExt = 0x0410;
inline constexpr quint16 ScaleViewportExt = 0x0412;
inline constexpr quint16 ExcludeClipRect = 0x0415;
inline constexpr quint16 IntersectClipRect = 0x0416;
inline constexpr quint16 Ellipse = 0x0418;
inline constexpr quint16 Rectangle = 0x041B;
inline constexpr quint16 SetPixel = 0x041F;
inline constexpr quint16 TextOut = 0x0521;
inline constexpr quint16 PolyPolygon = 0x0538;
inline constexpr quint16 RoundRect = 0x061C;
inline constexpr quint16 PatBlt = 0x061D;
inline constexpr quint16 CreateRegion = 0x06FF;
inline constexpr quint16 Arc = 0x0817;
inline constexpr quint16 Pie = 0x081A;
inline constexpr quint16 Chord = 0x0830;
inline constexpr quint16 DibBitBlt = 0x0940;
inline constexpr quint16 ExtTextOut = 0x0A32;
inline constexpr quint16 DibStretchBlt = 0x0B41;
inline constexpr quint16 StretchDib = 0x0F43;
} // namespace WmfFunction

// Values of the state records.
namespace WmfValue {
inline constexpr int MapText = 1;
inline constexpr int MapLoMetric = 2;
inline constexpr int MapHiMetric = 3;
inline constexpr int MapLoEnglish = 4;
inline constexpr int MapHiEnglish = 5;
inline constexpr int MapTwips = 6;
inline constexpr int MapIsotropic = 7;
inline constexpr int MapAnisotropic = 8;
inline constexpr int BkTransparent = 1;
inline constexpr int BkOpaque = 2;
inline constexpr int FillAlternate = 1;
inline constexpr int FillWinding = 2;
inline constexpr int PenSolid = 0;
inline constexpr int PenDash = 1;
inline constexpr int PenDot = 2;
inline constexpr int PenDashDot = 3;
inline constexpr int PenDashDotDot = 4;
inline constexpr int PenNull = 5;
inline constexpr int PenInsideFrame = 6;
inline constexpr int PenStyleMask = 0x000F;
inline constexpr int PenCapSquare = 0x0100;
inline constexpr int PenCapFlat = 0x0200;
inline constexpr int PenJoinBevel = 0x1000;
inline constexpr int PenJoinMiter = 0x2000;
inline constexpr int BrushSolid = 0;
inline constexpr int BrushNull = 1;
inline constexpr int BrushHatched = 2;
inline constexpr int HatchHorizontal = 0;
inline constexpr int HatchVertical = 1;
inline constexpr int HatchForwardDiagonal = 2;
inline constexpr int HatchBackwardDiagonal = 3;
inline constexpr int HatchCross = 4;
inline constexpr int HatchDiagonalCross = 5;
inline constexpr int AlignUpdateCp = 0x0001;
inline constexpr int AlignRight = 0x0002;
inline constexpr int AlignCenter = 0x0006;
inline constexpr int AlignHorizontalMask = 0x0006;
inline constexpr int AlignBottom = 0x0008;
inline constexpr int AlignBaseline = 0x0018;
inline constexpr int AlignVerticalMask = 0x0018;
inline constexpr int TextOpaque = 0x0002;
inline constexpr int TextClipped = 0x0004;
inline constexpr int FaceNameBytes = 32;
} // namespace WmfValue

// Where one record lies in the file: its function and its parameter words.
struct TWmfRecord
{
    quint16 Function = 0;
    qsizetype ParamsAt = 0; // byte offset of the first parameter word
    qsizetype Words = 0;    // parameter words the record holds
};

// The parameters of one record, read by word index. Every read past the
// record's end gives zero, so a short record can never reach beyond itself.
class TWmfParams
{
public:
    TWmfParams(const QByteArray &bytes, const TWmfRecord &record)
        : m_data(bytes.constData() + record.ParamsAt, record.Words * 2)
    {}

    qsizetype Words() const { return m_data.size() / 2; }
    quint16 Word(qsizetype index) const
    {
        if (index < 0 || index >= Words())
            return 0;
        return quint16(uchar(m_data[2 * index]) | (uchar(m_data[2 * index + 1]) << 8));
    }
    qint16 Short(qsizetype index) const { return qint16(Word(index)); }
    quint32 Long(qsizetype index) const { return Word(index) | (quint32(Word(index + 1)) << 16); }
    // count bytes starting at a word index, cut at the record's end.
    QByteArrayView Bytes(qsizetype wordIndex, qsizetype count) const
    {
        const qsizetype at = 2 * wordIndex;
        if (at < 0 || at >= m_data.size() || count <= 0)
            return {};
        return m_data.sliced(at, std::min(count, m_data.size() - at));
    }

private:
    QByteArrayView m_data;
};

// The parameter word where the device-independent bitmap of a bitmap record
// starts, and whether its colour table holds palette indices; none for a
// record without a bitmap.
struct TWmfBitmapAt
{
    qsizetype Word = 0;
    bool PaletteIndices = false;
};

inline std::optional<TWmfBitmapAt> WmfBitmapAt(const TWmfParams &params, quint16 function)
{
    constexpr int paletteColors = 1;
    switch (function) {
    case WmfFunction::StretchDib:
        return TWmfBitmapAt{11, params.Word(2) == paletteColors};
    case WmfFunction::DibStretchBlt:
        return params.Words() > 11 ? std::optional(TWmfBitmapAt{10, false}) : std::nullopt;
    case WmfFunction::DibBitBlt:
        return params.Words() > 9 ? std::optional(TWmfBitmapAt{8, false}) : std::nullopt;
    case WmfFunction::DibCreatePatternBrush:
        return TWmfBitmapAt{2, params.Word(1) == paletteColors};
    default:
        return std::nullopt;
    }
}
