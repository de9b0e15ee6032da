#include "ReportTools.h"

#include "Numbers.h"

#include <algorithm>

namespace {

constexpr double pointsPerInch = 72.0;
constexpr double thousandthsPerInch = 1000.0;

Qt::PenStyle ToQtPenStyle(TPenStyle style)
{
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    case psSolid:
    case psInsideFrame:
        break;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle ToQtBrushStyle(TBrushStyle style)
{
    switch (style) {
    case bsClear:
        return Qt::NoBrush;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    case bsSolid:
        break;
    }
    return Qt::SolidPattern;
}

} // namespace

int PenWidthPixels(int width, int dpi)
{
    if (width >= 0)
        return std::max(1, width);
    return std::max(1, Round(-double(width) * dpi / thousandthsPerInch));
}

QPen ToQPen(const TReportPen &pen, int dpi)
{
    return QPen(ToQColor(pen.Color), PenWidthPixels(pen.Width, dpi), ToQtPenStyle(pen.Style),
                Qt::FlatCap, Qt::MiterJoin);
}

QPainter::CompositionMode ToCompositionMode(TPenMode mode)
{
    switch (mode) {
    case pmBlack:
        return QPainter::RasterOp_ClearDestination;
    case pmWhite:
        return QPainter::RasterOp_SetDestination;
    case pmNop:
        return QPainter::CompositionMode_Destination;
    case pmNot:
        return QPainter::RasterOp_NotDestination;
    case pmNotCopy:
        return QPainter::RasterOp_NotSource;
    case pmMergePenNot:
        return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot:
        return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen:
        return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen:
        return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    case pmCopy:
        break;
    }
    return QPainter::CompositionMode_SourceOver;
}

QBrush ToQBrush(const TReportBrush &brush)
{
    if (!brush.Pattern.isNull() && brush.Style != bsClear)
        return QBrush(brush.Pattern);
    return QBrush(ToQColor(brush.Color), ToQtBrushStyle(brush.Style));
}

QFont ToQFont(const TReportFont &font, int dpi)
{
    QFont result(font.Name);
    result.setPixelSize(std::max(1, Round(font.Size * dpi / pointsPerInch)));
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    result.setUnderline(font.Underline);
    result.setStrikeOut(font.StrikeOut);
    return result;
}
