#include "LumBasePanel.h"

#include "DesignView.h"
#include "LumGraphicControl.h"
#include "Numbers.h"
#include "ProgramFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPainter>

#include <utility>

namespace {

constexpr int MaxNameNumber = 1000;

// Rectangles drawn inverting what is under them: a second drawing erases
// the first, as the outlines of a drag are drawn.
void DrawInvertedOutline(QPainter &target, const TRect &r)
{
    QPen pen(Qt::white);
    pen.setStyle(Qt::DotLine);
    pen.setWidth(0);
    target.setPen(pen);
    target.setBrush(Qt::NoBrush);
    target.drawRect(QRect(r.Left, r.Top, std::max(r.Width(), 0), std::max(r.Height(), 0)));
}

} // namespace

TClassRegistry &PlacedObjectClasses()
{
    static TClassRegistry classes;
    return classes;
}

TLumBasePanel::TLumBasePanel()
    : m_objects(*this), m_handle(*this),
      m_objectClasses(PlacedObjectClasses()), m_font{QStringLiteral("Arial"), 8, {}, clWindowText}
{}

TLumBasePanel::~TLumBasePanel()
{
    m_view = nullptr;
    m_objects.DeleteAll();
    if (m_wroteClipboard) {
        QFile::remove(ClipboardFileName());
        QFile::remove(TempFileName());
    }
}

void TLumBasePanel::SetGridSize(TGridSize Value)
{
    if (Value != gs4x4 && Value != gs8x8)
        return;
    m_gridSize = Value;
    m_handle.SetGridX(GridStep(Value));
    m_handle.SetGridY(GridStep(Value));
    // The steps are remembered; they snap only while snapping is on.
    m_handle.SetSnapToGrid(m_snapToGrid);
    Invalidate();
}

void TLumBasePanel::SetSnapToGrid(bool Value)
{
    m_snapToGrid = Value;
    if (Value) {
        m_handle.SetGridX(GridStep(m_gridSize));
        m_handle.SetGridY(GridStep(m_gridSize));
    }
    m_handle.SetSnapToGrid(Value);
}

QString TLumBasePanel::ClipboardFileName() const
{
    return WritableFilePath(QStringLiteral("Clipbrd.tmp"));
}

QString TLumBasePanel::TempFileName() const
{
    return WritableFilePath(QStringLiteral("TempFile.tmp"));
}

qint64 TLumBasePanel::TickCount() const
{
    if (m_clock)
        return m_clock();
    static QElapsedTimer steady = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    // Never 0, which the paste guard takes as "no paste yet".
    return steady.elapsed() + 1;
}

float TLumBasePanel::Zoom() const
{
    return m_view ? m_view->Zoom() : 1.0f;
}

int TLumBasePanel::Tool() const
{
    return m_view ? m_view->Tool() : 0;
}

void TLumBasePanel::ZoomChanged()
{
    m_zooming = true;
    const float zoom = Zoom();
    for (TLumGraphicControl *object : m_objects.Objects())
        object->FollowZoom(zoom);
    m_zooming = false;
}

QSize TLumBasePanel::SizeAt(float Zoom) const
{
    return {Round(m_size.width() * double(Zoom)), Round(m_size.height() * double(Zoom))};
}

bool TLumBasePanel::CreateObjectInRect(const TRect &)
{
    return true;
}

void TLumBasePanel::PrintObjects(TCanvasReport &Report, double OffsetX, double OffsetY,
                                 float Scale) const
{
    for (const TLumGraphicControl *object : m_objects.Objects())
        object->PrintObject(Report, OffsetX, OffsetY, Scale);
}

void TLumBasePanel::DeleteAllObjects()
{
    const TViewBatch batch(*this);
    m_handle.Clear();
    m_objects.DeleteAll();
    m_hoverObject = nullptr;
    m_pressedObject = nullptr;
}

TLumGraphicControl &TLumBasePanel::PlaceObject(std::unique_ptr<TLumGraphicControl> Object,
                                               const TRect &Rect)
{
    Object->SetName(UniqueObjectName(QStringLiteral("Special")));
    // The rectangle was dragged out at the zoom shown.
    Object->FollowZoom(Zoom());
    Object->SetObjectBounds(Rect.Left, Rect.Top, std::max(Rect.Width(), 10),
                            std::max(Rect.Height(), 15));
    TLumGraphicControl &placed = m_objects.Insert(std::move(Object));
    NotifyLabelChanged();
    return placed;
}

QString TLumBasePanel::UniqueObjectName(const QString &Prefix) const
{
    for (int number = 1; number <= MaxNameNumber; ++number) {
        const QString name = Prefix + QString::number(number);
        if (!m_objects.HasComponentNamed(name))
            return name;
    }
    return {};
}

void TLumBasePanel::NotifyLabelChanged()
{
    if (m_zooming || m_loading)
        return;
    if (m_holdingNotices)
        m_noticeHeld = true;
    else if (LabelChangedEvent)
        LabelChangedEvent();
}

void TLumBasePanel::HoldChangeNotices()
{
    m_holdingNotices = true;
    m_noticeHeld = false;
}

bool TLumBasePanel::ReleaseChangeNotices()
{
    m_holdingNotices = false;
    return std::exchange(m_noticeHeld, false);
}

void TLumBasePanel::Select(TLumGraphicControl &Object)
{
    const TViewBatch batch(*this);
    m_handle.Clear();
    m_handle.Add(&Object);
}

void TLumBasePanel::HookObjectEvents(TLumGraphicControl &Object)
{
    Object.OnMouseDown = [this](TLumGraphicControl &sender, Qt::MouseButton button,
                                Qt::KeyboardModifiers shift, int x,
                                int y) { ObjectMouseDown(sender, button, shift, x, y); };
    Object.OnMouseUp = [this](TLumGraphicControl &sender, Qt::MouseButton button,
                              Qt::KeyboardModifiers shift, int x, int y) {
        PanelMouseUp(button, shift, x + sender.Left(), y + sender.Top());
    };
    Object.OnMouseMove = [this](TLumGraphicControl &sender, Qt::MouseButtons buttons,
                                Qt::KeyboardModifiers shift, int x, int y) {
        if (Pointing())
            ShowCursor(TDesignCursor::HandPoint);
        PanelMouseMove(buttons, shift, x + sender.Left(), y + sender.Top());
    };
    Object.OnDblClick = [this](TLumGraphicControl &sender) {
        ObjectDoubleClick(&sender, m_pressPoint);
    };
}

void TLumBasePanel::HookAllObjects()
{
    const float zoom = Zoom();
    for (TLumGraphicControl *object : m_objects.Objects()) {
        HookObjectEvents(*object);
        object->FollowZoom(zoom);
    }
}

void TLumBasePanel::FreeObject(TLumGraphicControl &Object)
{
    if (m_hoverObject == &Object)
        m_hoverObject = nullptr;
    if (m_pressedObject == &Object)
        m_pressedObject = nullptr;
    m_handle.Remove(&Object);
    m_objects.Delete(&Object);
}

void TLumBasePanel::ReplaceObject(TLumGraphicControl &Old,
                                  std::unique_ptr<TLumGraphicControl> Fresh)
{
    if (m_hoverObject == &Old)
        m_hoverObject = nullptr;
    if (m_pressedObject == &Old)
        m_pressedObject = nullptr;
    if (Fresh && Fresh->Unselectable())
        m_handle.Remove(&Old);
    m_objects.Replace(&Old, std::move(Fresh));
}

void TLumBasePanel::PaintObjects(QPainter &Target, const TRect &Area) const
{
    for (const TLumGraphicControl *object : m_objects.Objects()) {
        const TRect r = object->BoundsRect();
        if (r.Left < Area.Right && Area.Left < r.Right && r.Top < Area.Bottom &&
            Area.Top < r.Bottom)
            object->PaintAt(Target);
    }
}

void TLumBasePanel::PaintObjectsAt(QPainter &Target, float Scale) const
{
    for (const TLumGraphicControl *object : m_objects.Objects())
        object->PaintAt(Target, Scale);
}

void TLumBasePanel::PaintSelection(QPainter &Target) const
{
    m_handle.Paint(Target);
}

void TLumBasePanel::PaintOutlines(QPainter &Target) const
{
    const std::optional<TRect> band = RubberBand();
    const std::optional<TRect> outline = m_handle.Outline();
    if (!band && !outline)
        return;
    Target.save();
    Target.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    if (band)
        DrawInvertedOutline(Target, *band);
    if (outline)
        DrawInvertedOutline(Target, *outline);
    Target.restore();
}

void TLumBasePanel::PostRefit()
{
    if (m_refitPending)
        return;
    m_refitPending = true;
    if (m_view)
        m_view->PostRefit();
}

void TLumBasePanel::DeliverRefit()
{
    if (!m_refitPending)
        return;
    m_refitPending = false;
    m_handle.Refit();
}

void TLumBasePanel::HoldViewUpdates()
{
    ++m_heldUpdates;
}

void TLumBasePanel::ReleaseViewUpdates()
{
    if (m_heldUpdates == 0 || --m_heldUpdates > 0)
        return;
    const QList<TRect> areas = std::exchange(m_heldAreas, {});
    // Many small areas are one repaint of what holds them all.
    constexpr int ManyAreas = 16;
    if (areas.size() > ManyAreas) {
        TRect all = areas.first();
        for (const TRect &r : areas)
            all = {std::min(all.Left, r.Left), std::min(all.Top, r.Top),
                   std::max(all.Right, r.Right), std::max(all.Bottom, r.Bottom)};
        InvalidateArea(all);
    } else {
        for (const TRect &area : areas)
            InvalidateArea(area);
    }
    if (std::exchange(m_handleChangedWhileHeld, false))
        HandleChanged();
    if (std::exchange(m_focusWhileHeld, false))
        FocusHandle();
}

void TLumBasePanel::HandleChanged()
{
    if (m_heldUpdates > 0)
        m_handleChangedWhileHeld = true;
    else if (m_view)
        m_view->HandleChanged();
}

void TLumBasePanel::FocusHandle()
{
    if (m_heldUpdates > 0)
        m_focusWhileHeld = true;
    else if (m_view)
        m_view->FocusHandle();
}

void TLumBasePanel::InvalidateArea(const TRect &Area)
{
    if (!m_view || Area.Width() <= 0 || Area.Height() <= 0)
        return;
    if (m_heldUpdates > 0)
        m_heldAreas.append(Area);
    else
        m_view->InvalidateArea(Area);
}

void TLumBasePanel::InvalidateFrame(const TRect &Frame)
{
    // The outline's pen covers its edges and the pixel past the right and
    // bottom; a pixel of margin keeps antialiased devices clean.
    const TRect &f = Frame;
    InvalidateArea({f.Left - 1, f.Top - 1, f.Right + 2, f.Top + 2});
    InvalidateArea({f.Left - 1, f.Bottom - 1, f.Right + 2, f.Bottom + 2});
    InvalidateArea({f.Left - 1, f.Top - 1, f.Left + 2, f.Bottom + 2});
    InvalidateArea({f.Right - 1, f.Top - 1, f.Right + 2, f.Bottom + 2});
}

void TLumBasePanel::InvalidateObject(const TBounds &Bounds)
{
    // The selection squares reach 2 pixels beyond the object.
    InvalidateArea({Bounds.Left - 3, Bounds.Top - 3, Bounds.Right() + 3, Bounds.Bottom() + 3});
}

void TLumBasePanel::ShowCursor(TDesignCursor Cursor) const
{
    if (m_view)
        m_view->ShowCursor(Cursor);
}

void TLumBasePanel::PopupMenu(const TDesignMenu &Menu, QPoint At) const
{
    if (m_view && !Menu.isEmpty())
        m_view->PopupMenu(Menu, At);
}

void TLumBasePanel::PanelClicked(int, int) {}

void TLumBasePanel::PanelDoubleClicked(int, int) {}
