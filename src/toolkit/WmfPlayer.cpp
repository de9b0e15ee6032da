#include "WmfPlayer.h"

#include "Windows1252.h"
#include "WmfMapping.h"
#include "WmfObjects.h"
#include "WmfPaintGuard.h"
#include "WmfText.h"

#include <QPaintEngine>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <numbers>
#include <optional>

namespace {

// Bounds on what a file can make the player keep: saved states and changes
// of the clip path, whose cost grows with each change.
constexpr size_t maxSavedStates = 256;
constexpr int maxClipChanges = 1024;
// A clip of more parts than this costs every later shape dearly; changes
// that would make one are ignored.
constexpr int maxClipElements = 128;

// Ternary raster operations by their index byte.
constexpr int ropBlackness = 0x00;
constexpr int ropNotSourceCopy = 0x33;
constexpr int ropSourceInvert = 0x66;
constexpr int ropSourceAnd = 0x88;
constexpr int ropSourceCopy = 0xCC;
constexpr int ropSourcePaint = 0xEE;
constexpr int ropPatternCopy = 0xF0;
constexpr int ropWhiteness = 0xFF;

// The drawing state a record can change and SaveDC keeps.
struct DcState
{
    explicit DcState(const TWmfMapping &mapping) : Mapping(mapping) {}

    TWmfMapping Mapping;
    QPen Pen{QColor(Qt::black), 0};
    QBrush Brush{Qt::white};
    TWmfFont Font;
    QColor TextColor{Qt::black};
    QColor BkColor{Qt::white};
    bool OpaqueBackground = true;
    int TextAlign = 0;
    Qt::FillRule FillRule = Qt::OddEvenFill;
    QPointF Position;
    std::optional<QPainterPath> Clip; // in the painter's coordinates at the start
};

QPointF PointAt(const TWmfParams &params, qsizetype yIndex)
{
    return {double(params.Short(yIndex + 1)), double(params.Short(yIndex))};
}

// A rectangle stored bottom, right, top, left from bottomIndex on.
QRectF RectAt(const TWmfParams &params, qsizetype bottomIndex)
{
    const QPointF topLeft(params.Short(bottomIndex + 3), params.Short(bottomIndex + 2));
    const QPointF bottomRight(params.Short(bottomIndex + 1), params.Short(bottomIndex));
    return QRectF(topLeft, bottomRight).normalized();
}

// count points stored x, y from word at on, cut to what the record holds.
QPolygonF PointsAt(const TWmfParams &params, qsizetype at, qsizetype count)
{
    count = std::clamp<qsizetype>(count, 0, std::max<qsizetype>(params.Words() - at, 0) / 2);
    QPolygonF points;
    points.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        points.append(QPointF(params.Short(at + 2 * i), params.Short(at + 2 * i + 1)));
    return points;
}

QString TextOf(QByteArrayView bytes)
{
    const qsizetype end = bytes.indexOf('\0');
    return FromWindows1252(end >= 0 ? bytes.first(end) : bytes);
}

QPainterPath Outline(const QPolygonF &points)
{
    QPainterPath outline;
    outline.addPolygon(points);
    return outline;
}

// The angle in degrees of the point where the ray from the centre of box
// through point meets the ellipse of box, as QPainterPath measures it.
double EllipseAngle(const QRectF &box, QPointF point)
{
    const QPointF centre = box.center();
    const double dx = (point.x() - centre.x()) / std::max(box.width() / 2, 1e-9);
    const double dy = (centre.y() - point.y()) / std::max(box.height() / 2, 1e-9);
    return std::atan2(dy, dx) * 180 / std::numbers::pi;
}

// The path of an arc, pie or chord: counter-clockwise on the output from the
// start point's ray to the end point's ray.
QPainterPath ArcPath(const TWmfParams &params, quint16 function, bool mirrored)
{
    const QRectF box = RectAt(params, 4);
    const double start = EllipseAngle(box, PointAt(params, 2));
    double sweep = EllipseAngle(box, PointAt(params, 0)) - start;
    while (sweep <= 0)
        sweep += 360;
    if (mirrored)
        sweep -= 360;
    QPainterPath path;
    if (function == WmfFunction::Pie)
        path.moveTo(box.center());
    else
        path.arcMoveTo(box, start);
    path.arcTo(box, start, sweep);
    if (function != WmfFunction::Arc)
        path.closeSubpath();
    return path;
}

class Player
{
public:
    Player(QPainter &painter, const TWmfContent &content, const TWmfView &view,
           const QRectF &target)
        : m_painter(painter), m_content(content), m_base(painter.worldTransform()),
          m_frameToTarget(FrameToTarget(view.Frame, target)),
          m_universe(target.adjusted(-target.width() * 10, -target.height() * 10,
                                     target.width() * 10, target.height() * 10)),
          m_baseToDevice(painter.combinedTransform()),
          m_guard(DeviceArea(painter), m_baseToDevice.mapRect(target)),
          m_dc(TWmfMapping(view.Origin, view.Frame.size(), content.UnitsPerInch))
    {
        if (painter.hasClipping())
            m_initialClip = painter.clipPath();
    }

    void Run()
    {
        for (size_t index = 0; index < m_content.Records.size(); ++index)
            Do(index, m_content.Records[index]);
    }

private:
    static QTransform FrameToTarget(const QRectF &frame, const QRectF &target)
    {
        return QTransform::fromTranslate(-frame.left(), -frame.top()) *
               QTransform::fromScale(target.width() / frame.width(),
                                     target.height() / frame.height()) *
               QTransform::fromTranslate(target.left(), target.top());
    }

    // The pixels drawing can reach; none for a recording, whose size is what
    // is drawn.
    static QRectF DeviceArea(const QPainter &painter)
    {
        const QPaintDevice *device = painter.device();
        if (!device || painter.paintEngine()->type() == QPaintEngine::Picture)
            return {};
        return QRectF(0, 0, device->width(), device->height());
    }

    QTransform ToBase() const { return m_dc.Mapping.ToFrame() * m_frameToTarget; }
    QTransform ToDevice() const { return ToBase() * m_baseToDevice; }

    // The painter set for a shape of these logical bounds, or null when the
    // shape is not drawn (see TWmfPaintGuard).
    template <typename Bounds> QPainter *Shape(const Bounds &bounds)
    {
        if (!m_guard.Admit(bounds, m_dc.Pen, ToDevice()))
            return nullptr;
        m_painter.setWorldTransform(ToBase() * m_base);
        m_painter.setPen(m_guard.Tamed(m_dc.Pen, ToDevice()));
        m_painter.setBrush(m_dc.Brush);
        m_painter.setBackground(m_dc.BkColor);
        m_painter.setBackgroundMode(m_dc.OpaqueBackground ? Qt::OpaqueMode : Qt::TransparentMode);
        return &m_painter;
    }

    void Do(size_t index, const TWmfRecord &record)
    {
        const TWmfParams params(m_content.Bytes, record);
        if (DoMapping(record.Function, params) || DoState(record.Function, params) ||
            DoObject(index, record.Function, params) || DoShape(record.Function, params))
            return;
        DoOther(index, record.Function, params);
    }

    bool DoMapping(quint16 function, const TWmfParams &params)
    {
        TWmfMapping &mapping = m_dc.Mapping;
        switch (function) {
        case WmfFunction::SetMapMode:
            mapping.SetMapMode(params.Word(0));
            return true;
        case WmfFunction::SetWindowOrg:
            mapping.SetWindowOrg(PointAt(params, 0));
            return true;
        case WmfFunction::SetWindowExt:
            mapping.SetWindowExt(QSizeF(params.Short(1), params.Short(0)));
            return true;
        case WmfFunction::SetViewportOrg:
            mapping.SetViewportOrg(PointAt(params, 0));
            return true;
        case WmfFunction::SetViewportExt:
            mapping.SetViewportExt(QSizeF(params.Short(1), params.Short(0)));
            return true;
        case WmfFunction::OffsetWindowOrg:
            mapping.OffsetWindowOrg(PointAt(params, 0));
            return true;
        case WmfFunction::OffsetViewportOrg:
            mapping.OffsetViewportOrg(PointAt(params, 0));
            return true;
        case WmfFunction::ScaleWindowExt:
            mapping.ScaleWindowExt(params.Short(3), params.Short(2), params.Short(1),
                                   params.Short(0));
            return true;
        case WmfFunction::ScaleViewportExt:
            mapping.ScaleViewportExt(params.Short(3), params.Short(2), params.Short(1),
                                     params.Short(0));
            return true;
        default:
            return false;
        }
    }

    bool DoState(quint16 function, const TWmfParams &params)
    {
        switch (function) {
        case WmfFunction::SetTextColor:
            m_dc.TextColor = WmfColor(params.Long(0));
            return true;
        case WmfFunction::SetBkColor:
            m_dc.BkColor = WmfColor(params.Long(0));
            return true;
        case WmfFunction::SetBkMode:
            m_dc.OpaqueBackground = params.Word(0) == WmfValue::BkOpaque;
            return true;
        case WmfFunction::SetTextAlign:
            m_dc.TextAlign = params.Word(0);
            return true;
        case WmfFunction::SetPolyFillMode:
            m_dc.FillRule =
                params.Word(0) == WmfValue::FillWinding ? Qt::WindingFill : Qt::OddEvenFill;
            return true;
        case WmfFunction::MoveTo:
            m_dc.Position = PointAt(params, 0);
            return true;
        case WmfFunction::SaveDC:
            if (m_saved.size() < maxSavedStates)
                m_saved.push_back(m_dc);
            return true;
        case WmfFunction::RestoreDC:
            RestoreDC(params.Short(0));
            return true;
        case WmfFunction::IntersectClipRect:
        case WmfFunction::ExcludeClipRect:
            ChangeClip(RectAt(params, 0), function == WmfFunction::ExcludeClipRect);
            return true;
        default:
            return false;
        }
    }

    bool DoObject(size_t index, quint16 function, const TWmfParams &params)
    {
        switch (function) {
        case WmfFunction::CreatePenIndirect:
            m_objects.Add(WmfPen(params));
            return true;
        case WmfFunction::CreateBrushIndirect:
            m_objects.Add(WmfBrush(params));
            return true;
        case WmfFunction::CreateFontIndirect:
            m_objects.Add(WmfFont(params));
            return true;
        case WmfFunction::DibCreatePatternBrush:
        case WmfFunction::CreatePatternBrush:
            m_objects.Add(WmfPatternBrush(Bitmap(index)));
            return true;
        case WmfFunction::CreatePalette:
        case WmfFunction::CreateRegion:
            m_objects.Add(TWmfPlaceholder{});
            return true;
        case WmfFunction::DeleteObject:
            m_objects.Remove(params.Word(0));
            return true;
        case WmfFunction::SelectObject:
            Select(params.Word(0));
            return true;
        default:
            return false;
        }
    }

    bool DoShape(quint16 function, const TWmfParams &params)
    {
        switch (function) {
        case WmfFunction::LineTo: {
            const QPointF to = PointAt(params, 0);
            if (QPainter *painter = Shape(Outline(QPolygonF({m_dc.Position, to}))))
                painter->drawLine(m_dc.Position, to);
            m_dc.Position = to;
            return true;
        }
        case WmfFunction::Rectangle:
            if (QPainter *painter = Shape(RectAt(params, 0)))
                painter->drawRect(RectAt(params, 0));
            return true;
        case WmfFunction::RoundRect:
            if (QPainter *painter = Shape(RectAt(params, 2)))
                painter->drawRoundedRect(RectAt(params, 2), std::abs(params.Short(1)) / 2.0,
                                         std::abs(params.Short(0)) / 2.0);
            return true;
        case WmfFunction::Ellipse:
            if (QPainter *painter = Shape(RectAt(params, 0)))
                painter->drawEllipse(RectAt(params, 0));
            return true;
        case WmfFunction::Arc:
        case WmfFunction::Pie:
        case WmfFunction::Chord:
            ArcPieOrChord(function, params);
            return true;
        case WmfFunction::Polygon: {
            const QPolygonF points = PointsAt(params, 1, params.Short(0));
            if (QPainter *painter = Shape(Outline(points)))
                painter->drawPolygon(points, m_dc.FillRule);
            return true;
        }
        case WmfFunction::Polyline: {
            const QPolygonF points = PointsAt(params, 1, params.Short(0));
            if (QPainter *painter = Shape(Outline(points)))
                painter->drawPolyline(points);
            return true;
        }
        case WmfFunction::PolyPolygon:
            PolyPolygon(params);
            return true;
        case WmfFunction::SetPixel:
            m_painter.setWorldTransform(ToBase() * m_base);
            m_painter.fillRect(QRectF(PointAt(params, 2), QSizeF(1, 1)), WmfColor(params.Long(0)));
            return true;
        default:
            return false;
        }
    }

    void ArcPieOrChord(quint16 function, const TWmfParams &params)
    {
        const bool mirrored = (ToBase() * m_base).determinant() < 0;
        const QPainterPath path = ArcPath(params, function, mirrored);
        QPainter *painter = Shape(RectAt(params, 4));
        if (!painter)
            return;
        if (function == WmfFunction::Arc)
            painter->strokePath(path, painter->pen());
        else
            painter->drawPath(path);
    }

    void DoOther(size_t index, quint16 function, const TWmfParams &params)
    {
        switch (function) {
        case WmfFunction::TextOut:
            TextOut(params);
            break;
        case WmfFunction::ExtTextOut:
            ExtTextOut(params);
            break;
        case WmfFunction::PatBlt: {
            const QRectF area(PointAt(params, 4), QSizeF(params.Short(3), params.Short(2)));
            Fill(area.normalized(), (params.Long(0) >> 16) & 0xFF);
            break;
        }
        case WmfFunction::StretchDib: {
            const QRectF source(params.Short(6), params.Short(5), params.Short(4), params.Short(3));
            const QRectF dest(PointAt(params, 9), QSizeF(params.Short(8), params.Short(7)));
            Blit(index, dest, source, params.Long(0), true);
            break;
        }
        case WmfFunction::DibStretchBlt:
            StretchBlt(index, params);
            break;
        case WmfFunction::DibBitBlt:
            BitBlt(index, params);
            break;
        default:
            break;
        }
    }

    void RestoreDC(int which)
    {
        // Negative: that many states back; positive: the state saved at that depth.
        const qsizetype depth = qsizetype(m_saved.size());
        const qsizetype keep = which < 0 ? depth + which : which - 1;
        if (which == 0 || keep < 0 || keep >= depth)
            return;
        m_dc = m_saved[size_t(keep)];
        m_saved.erase(m_saved.begin() + keep, m_saved.end());
        ApplyClip();
    }

    void ChangeClip(const QRectF &rect, bool exclude)
    {
        if (++m_clipChanges > maxClipChanges ||
            (m_dc.Clip && m_dc.Clip->elementCount() > maxClipElements))
            return;
        QPainterPath area;
        area.addRect(rect);
        area = ToBase().map(area);
        QPainterPath clip;
        if (exclude) {
            QPainterPath universe;
            universe.addRect(m_universe);
            clip = m_dc.Clip.value_or(universe).subtracted(area);
        } else {
            clip = m_dc.Clip ? m_dc.Clip->intersected(area) : area;
        }
        if (clip.elementCount() > maxClipElements)
            return;
        m_dc.Clip = clip;
        ApplyClip();
    }

    void ApplyClip()
    {
        m_painter.setWorldTransform(m_base);
        if (m_dc.Clip && m_initialClip)
            m_painter.setClipPath(m_dc.Clip->intersected(*m_initialClip));
        else if (m_dc.Clip || m_initialClip)
            m_painter.setClipPath(m_dc.Clip ? *m_dc.Clip : *m_initialClip);
        else
            m_painter.setClipping(false);
    }

    void Select(quint16 index)
    {
        const TWmfObject *object = m_objects.At(index);
        if (!object)
            return;
        if (const auto *pen = std::get_if<QPen>(object))
            m_dc.Pen = *pen;
        else if (const auto *brush = std::get_if<QBrush>(object))
            m_dc.Brush = *brush;
        else if (const auto *font = std::get_if<TWmfFont>(object))
            m_dc.Font = *font;
    }

    void PolyPolygon(const TWmfParams &params)
    {
        const qsizetype count = std::min<qsizetype>(params.Word(0), params.Words() - 1);
        qsizetype at = 1 + count;
        QPainterPath path;
        path.setFillRule(m_dc.FillRule);
        for (qsizetype i = 0; i < count; ++i) {
            const QPolygonF points = PointsAt(params, at, params.Word(1 + i));
            path.addPolygon(points);
            path.closeSubpath();
            at += 2 * points.size();
        }
        if (QPainter *painter = Shape(path))
            painter->drawPath(path);
    }

    TWmfTextStyle TextStyle() const
    {
        return {m_dc.Font, m_dc.TextColor, m_dc.BkColor, m_dc.OpaqueBackground};
    }

    void DrawText(TWmfTextRun &run)
    {
        const bool updatePosition = (m_dc.TextAlign & WmfValue::AlignUpdateCp) != 0;
        if (updatePosition)
            run.Origin = m_dc.Position;
        run.Align = m_dc.TextAlign;
        const double advance = DrawWmfText(m_painter, ToBase(), m_base, run, TextStyle());
        if (updatePosition)
            m_dc.Position.rx() += advance;
    }

    void TextOut(const TWmfParams &params)
    {
        const qsizetype length = std::max<qsizetype>(params.Short(0), 0);
        const qsizetype after = 1 + (length + 1) / 2;
        TWmfTextRun run;
        run.Text = TextOf(params.Bytes(1, length));
        run.Origin = PointAt(params, after);
        DrawText(run);
    }

    void ExtTextOut(const TWmfParams &params)
    {
        const qsizetype length = std::max<qsizetype>(params.Short(2), 0);
        const int options = params.Word(3);
        TWmfTextRun run;
        run.Origin = PointAt(params, 0);
        qsizetype at = 4;
        if ((options & (WmfValue::TextOpaque | WmfValue::TextClipped)) != 0 &&
            params.Words() >= 8) {
            const QRectF rect = QRectF(QPointF(params.Short(4), params.Short(5)),
                                       QPointF(params.Short(6), params.Short(7)))
                                    .normalized();
            if (options & WmfValue::TextOpaque)
                run.OpaqueRect = rect;
            if (options & WmfValue::TextClipped)
                run.ClipRect = rect;
            at = 8;
        }
        const QByteArrayView bytes = params.Bytes(at, length);
        run.Text = TextOf(bytes);
        const qsizetype advancesAt = at + (length + 1) / 2;
        if (length > 0 && params.Words() - advancesAt >= length) {
            for (qsizetype i = 0; i < run.Text.size(); ++i)
                run.Advances.push_back(params.Short(advancesAt + i));
        }
        DrawText(run);
    }

    QImage Bitmap(size_t index) const
    {
        const auto found = m_content.Bitmaps.find(index);
        return found == m_content.Bitmaps.end() ? QImage() : found->second;
    }

    void StretchBlt(size_t index, const TWmfParams &params)
    {
        if (!WmfBitmapAt(params, WmfFunction::DibStretchBlt)) {
            const QRectF dest(PointAt(params, 9), QSizeF(params.Short(8), params.Short(7)));
            Fill(dest.normalized(), (params.Long(0) >> 16) & 0xFF);
            return;
        }
        const QRectF source(params.Short(5), params.Short(4), params.Short(3), params.Short(2));
        const QRectF dest(PointAt(params, 8), QSizeF(params.Short(7), params.Short(6)));
        Blit(index, dest, source, params.Long(0), false);
    }

    void BitBlt(size_t index, const TWmfParams &params)
    {
        if (!WmfBitmapAt(params, WmfFunction::DibBitBlt)) {
            const QRectF dest(PointAt(params, 7), QSizeF(params.Short(6), params.Short(5)));
            Fill(dest.normalized(), (params.Long(0) >> 16) & 0xFF);
            return;
        }
        const QSizeF size(params.Short(5), params.Short(4));
        const QRectF source(QPointF(params.Short(3), params.Short(2)), size);
        Blit(index, QRectF(PointAt(params, 6), size), source, params.Long(0), false);
    }

    // Fills area with what a raster operation without source gives.
    void Fill(const QRectF &area, int rop)
    {
        if (!m_guard.Admit(area, Qt::NoPen, ToDevice()))
            return;
        m_painter.setWorldTransform(ToBase() * m_base);
        if (rop == ropPatternCopy)
            m_painter.fillRect(area, m_dc.Brush);
        else if (rop == ropBlackness)
            m_painter.fillRect(area, Qt::black);
        else if (rop == ropWhiteness)
            m_painter.fillRect(area, Qt::white);
    }

    // Draws the source part of a record's bitmap into dest (negative sizes
    // mirror it). bottomUp: source rows counted from the bitmap's bottom.
    void Blit(size_t index, QRectF dest, QRectF source, quint32 rasterOp, bool bottomUp)
    {
        const int rop = int((rasterOp >> 16) & 0xFF);
        QImage image = Bitmap(index);
        if (image.isNull() || rop == ropPatternCopy || rop == ropBlackness || rop == ropWhiteness) {
            Fill(dest.normalized(), rop);
            return;
        }
        std::optional<QPainter::CompositionMode> mode = Composition(rop);
        if (!mode)
            return;
        source = source.normalized();
        if (bottomUp)
            source.moveTop(image.height() - source.bottom());
        source = source.intersected(QRectF(image.rect()));
        if (source.isEmpty() || dest.width() == 0 || dest.height() == 0 ||
            !m_guard.Admit(dest, Qt::NoPen, ToDevice()))
            return;
        if (rop == ropNotSourceCopy)
            image.invertPixels();
        const bool flipX = dest.width() < 0;
        const bool flipY = dest.height() < 0;
        if (flipX || flipY) {
            image = image.copy(source.toAlignedRect()).mirrored(flipX, flipY);
            source = QRectF(image.rect());
        }
        m_painter.save();
        m_painter.setWorldTransform(ToBase() * m_base);
        m_painter.setCompositionMode(*mode);
        m_painter.drawImage(dest.normalized(), image, source);
        m_painter.restore();
    }

    // How an operation with the bitmap as source is drawn; none for those
    // the device cannot blend.
    std::optional<QPainter::CompositionMode> Composition(int rop) const
    {
        const QPaintEngine *engine = m_painter.paintEngine();
        const bool blends = engine && engine->hasFeature(QPaintEngine::BlendModes);
        switch (rop) {
        case ropSourceCopy:
        case ropSourcePaint:
        case ropNotSourceCopy:
            return QPainter::CompositionMode_SourceOver;
        case ropSourceAnd:
            return blends ? std::optional(QPainter::CompositionMode_Multiply) : std::nullopt;
        case ropSourceInvert:
            return blends ? std::optional(QPainter::CompositionMode_Difference) : std::nullopt;
        default:
            return std::nullopt;
        }
    }

    QPainter &m_painter;
    const TWmfContent &m_content;
    const QTransform m_base;
    const QTransform m_frameToTarget;
    const QRectF m_universe;
    const QTransform m_baseToDevice;
    TWmfPaintGuard m_guard;
    std::optional<QPainterPath> m_initialClip;
    DcState m_dc;
    std::vector<DcState> m_saved;
    TWmfObjectTable m_objects;
    int m_clipChanges = 0;
};

} // namespace

void PlayWmf(QPainter &painter, const TWmfContent &content, const TWmfView &view,
             const QRectF &target)
{
    if (view.Frame.isEmpty() || target.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    Player(painter, content, view, target).Run();
    painter.restore();
}
