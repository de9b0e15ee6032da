#include "WmfObjects.h"

#include "Windows1252.h"

#include <algorithm>

namespace {

Qt::PenStyle PenStyle(int style)
{
    switch (style & WmfValue::PenStyleMask) {
    case WmfValue::PenDash:
        return Qt::DashLine;
    case WmfValue::PenDot:
        return Qt::DotLine;
    case WmfValue::PenDashDot:
        return Qt::DashDotLine;
    case WmfValue::PenDashDotDot:
        return Qt::DashDotDotLine;
    case WmfValue::PenNull:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

Qt::PenCapStyle PenCap(int style)
{
    if (style & WmfValue::PenCapFlat)
        return Qt::FlatCap;
    if (style & WmfValue::PenCapSquare)
        return Qt::SquareCap;
    return Qt::RoundCap;
}

Qt::PenJoinStyle PenJoin(int style)
{
    if (style & WmfValue::PenJoinMiter)
        return Qt::MiterJoin;
    if (style & WmfValue::PenJoinBevel)
        return Qt::BevelJoin;
    return Qt::RoundJoin;
}

Qt::BrushStyle HatchStyle(int hatch)
{
    switch (hatch) {
    case WmfValue::HatchHorizontal:
        return Qt::HorPattern;
    case WmfValue::HatchVertical:
        return Qt::VerPattern;
    case WmfValue::HatchForwardDiagonal:
        return Qt::FDiagPattern;
    case WmfValue::HatchBackwardDiagonal:
        return Qt::BDiagPattern;
    case WmfValue::HatchCross:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

QFont::StyleHint FamilyHint(int pitchAndFamily)
{
    switch (pitchAndFamily & 0xF0) {
    case 0x10:
        return QFont::Serif;
    case 0x20:
        return QFont::SansSerif;
    case 0x30:
        return QFont::TypeWriter;
    case 0x40:
        return QFont::Cursive;
    case 0x50:
        return QFont::Decorative;
    default:
        return QFont::AnyStyle;
    }
}

QString FaceName(const TWmfParams &params, qsizetype wordIndex)
{
    QByteArrayView face = params.Bytes(wordIndex, WmfValue::FaceNameBytes);
    const qsizetype end = face.indexOf('\0');
    if (end >= 0)
        face = face.first(end);
    return FromWindows1252(face);
}

} // namespace

QColor WmfColor(quint32 colorRef)
{
    return QColor(int(colorRef & 0xFF), int((colorRef >> 8) & 0xFF), int((colorRef >> 16) & 0xFF));
}

QPen WmfPen(const TWmfParams &params)
{
    const int style = params.Word(0);
    QPen pen(WmfColor(params.Long(3)), std::max<int>(params.Short(1), 0));
    pen.setStyle(PenStyle(style));
    pen.setCapStyle(PenCap(style));
    pen.setJoinStyle(PenJoin(style));
    return pen;
}

QBrush WmfBrush(const TWmfParams &params)
{
    const QColor color = WmfColor(params.Long(1));
    switch (params.Word(0)) {
    case WmfValue::BrushSolid:
        return QBrush(color);
    case WmfValue::BrushHatched:
        return QBrush(color, HatchStyle(params.Word(3)));
    case WmfValue::BrushNull:
        return Qt::NoBrush;
    default:
        return WmfPatternBrush({});
    }
}

TWmfFont WmfFont(const TWmfParams &params)
{
    TWmfFont font;
    font.Height = params.Short(0);
    font.Escapement = params.Short(2);
    const QString face = FaceName(params, 9);
    if (!face.isEmpty())
        font.Font.setFamily(face);
    font.Font.setStyleHint(FamilyHint(params.Word(8) >> 8));
    const int weight = params.Short(4);
    font.Font.setWeight(QFont::Weight(weight <= 0 ? 400 : std::clamp(weight, 100, 900)));
    font.Font.setItalic((params.Word(5) & 0xFF) != 0);
    font.Font.setUnderline((params.Word(5) >> 8) != 0);
    font.Font.setStrikeOut((params.Word(6) & 0xFF) != 0);
    font.Font.setHintingPreference(QFont::PreferNoHinting);
    font.Font.setKerning(false);
    return font;
}

QBrush WmfPatternBrush(const QImage &pattern)
{
    if (pattern.isNull())
        return QBrush(Qt::black, Qt::Dense4Pattern);
    return QBrush(pattern);
}

void TWmfObjectTable::Add(TWmfObject object)
{
    if (!m_free.empty()) {
        m_slots[*m_free.begin()] = std::move(object);
        m_free.erase(m_free.begin());
    } else if (m_slots.size() < maxSlots) {
        m_slots.emplace_back(std::move(object));
    }
}

void TWmfObjectTable::Remove(quint16 index)
{
    if (index < m_slots.size() && m_slots[index]) {
        m_slots[index].reset();
        m_free.insert(index);
    }
}

const TWmfObject *TWmfObjectTable::At(quint16 index) const
{
    if (index >= m_slots.size() || !m_slots[index])
        return nullptr;
    return &*m_slots[index];
}
