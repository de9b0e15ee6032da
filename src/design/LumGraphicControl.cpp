#include "LumGraphicControl.h"

#include "CanvasReport.h"
#include "LumBasePanel.h"
#include "LumLabelObjectFiler.h"
#include "Numbers.h"
#include "Ppi.h"
#include "PublishedProperties.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPicture>

#include <cmath>
#include <utility>

namespace {

TClassInfo MakeBaseClassInfo()
{
    TClassInfo info(QStringLiteral("TLumGraphicControl"), nullptr);
    using C = TLumGraphicControl;
    TPublishedProperties<C>(info)
        .Integer("Tag", &C::Tag, &C::SetTag, 0)
        .Integer("Left", &C::UnzoomedLeft, &C::SetUnzoomedLeft)
        .Integer("Top", &C::UnzoomedTop, &C::SetUnzoomedTop)
        .Integer("Width", &C::UnzoomedWidth, &C::SetUnzoomedWidth)
        .Integer("Height", &C::UnzoomedHeight, &C::SetUnzoomedHeight)
        .Integer("Cursor", &C::Cursor, &C::SetCursor, 0)
        .String("Hint", &C::Hint, &C::SetHint)
        .StoredWhen([](const C &object) { return !object.Hint().isEmpty(); })
        .Boolean("Locked", &C::Locked, &C::SetLocked)
        .Boolean("Unselectable", &C::Unselectable, &C::SetUnselectable);
    return info;
}

// A zoom that dropped to nothing counts as 1, so that positions stay finite.
double ZoomOf(float scale)
{
    return scale * 10 == 0 ? 1.0 : double(scale);
}

} // namespace

const TClassInfo &TLumGraphicControl::BaseClassInfo()
{
    static const TClassInfo info = MakeBaseClassInfo();
    return info;
}

void TLumGraphicControl::SetLeft(int Value)
{
    SetObjectBounds(Value, m_shown.Bounds.Top, m_shown.Bounds.Width, m_shown.Bounds.Height);
}

void TLumGraphicControl::SetTop(int Value)
{
    SetObjectBounds(m_shown.Bounds.Left, Value, m_shown.Bounds.Width, m_shown.Bounds.Height);
}

void TLumGraphicControl::SetWidth(int Value)
{
    SetObjectBounds(m_shown.Bounds.Left, m_shown.Bounds.Top, Value, m_shown.Bounds.Height);
}

void TLumGraphicControl::SetHeight(int Value)
{
    SetObjectBounds(m_shown.Bounds.Left, m_shown.Bounds.Top, m_shown.Bounds.Width, Value);
}

void TLumGraphicControl::SetObjectBounds(int L, int T, int W, int H)
{
    if (TBounds{L, T, W, H} == m_shown.Bounds)
        return;
    const double zoom = ZoomOf(m_shown.Scale);
    const auto atOne = [zoom](int shown) { return Round(shown / zoom); };
    TBounds unzoomed = m_unzoomed;
    if (L != m_shown.Bounds.Left)
        unzoomed.Left = atOne(L);
    if (T != m_shown.Bounds.Top)
        unzoomed.Top = atOne(T);
    if (W != m_shown.Bounds.Width)
        unzoomed.Width = atOne(W);
    if (H != m_shown.Bounds.Height)
        unzoomed.Height = atOne(H);
    SetUnzoomedBounds(unzoomed);
}

void TLumGraphicControl::SetUnzoomedBounds(const TBounds &Value)
{
    TBounds unzoomed = Value;
    if (!Reading())
        FitSize(unzoomed.Width, unzoomed.Height, 1.0f);
    const bool moved = unzoomed != m_unzoomed;
    m_unzoomed = unzoomed;
    ShowBounds(moved);
}

void TLumGraphicControl::SetUnzoomedLeft(int Value)
{
    SetUnzoomedBounds({Value, m_unzoomed.Top, m_unzoomed.Width, m_unzoomed.Height});
}

void TLumGraphicControl::SetUnzoomedTop(int Value)
{
    SetUnzoomedBounds({m_unzoomed.Left, Value, m_unzoomed.Width, m_unzoomed.Height});
}

void TLumGraphicControl::SetUnzoomedWidth(int Value)
{
    SetUnzoomedBounds({m_unzoomed.Left, m_unzoomed.Top, Value, m_unzoomed.Height});
}

void TLumGraphicControl::SetUnzoomedHeight(int Value)
{
    SetUnzoomedBounds({m_unzoomed.Left, m_unzoomed.Top, m_unzoomed.Width, Value});
}

void TLumGraphicControl::RefitBounds()
{
    SetUnzoomedBounds(m_unzoomed);
}

TBounds TLumGraphicControl::BoundsAt(float scale) const
{
    const double zoom = scale;
    TBounds shown{Round(m_unzoomed.Left * zoom), Round(m_unzoomed.Top * zoom),
                  Round(m_unzoomed.Width * zoom), Round(m_unzoomed.Height * zoom)};
    if (!Reading())
        FitSize(shown.Width, shown.Height, scale);
    return shown;
}

TObjectFrame TLumGraphicControl::FrameAt(float Scale) const
{
    if (Scale == m_shown.Scale || !std::isfinite(Scale))
        return Frame();
    return {Scale, BoundsAt(Scale)};
}

void TLumGraphicControl::ShowBounds(bool moved)
{
    const TBounds shown = BoundsAt(m_shown.Scale);
    if (shown == m_shown.Bounds && !moved)
        return;
    const TBounds old = m_shown.Bounds;
    m_shown.Bounds = shown;
    BoundsChanged(old);
}

void TLumGraphicControl::BoundsChanged(const TBounds &old)
{
    InvalidateOnPanel(old);
    InvalidateOnPanel(m_shown.Bounds);
    if (!Reading())
        CheckBoundsChanged();
}

void TLumGraphicControl::InvalidateOnPanel(const TBounds &bounds) const
{
    if (m_parent)
        m_parent->InvalidateObject(bounds);
}

void TLumGraphicControl::SetLocked(bool Value)
{
    if (Value == m_locked)
        return;
    m_locked = Value;
    if (!Reading())
        NotifyLabelChanged();
}

void TLumGraphicControl::SetUnselectable(bool Value)
{
    if (Value == m_unselectable)
        return;
    m_unselectable = Value;
    if (Reading())
        return;
    NotifyLabelChanged();
    if (Value && m_parent)
        m_parent->Handle().Remove(this);
}

void TLumGraphicControl::FollowZoom(float Zoom)
{
    if (Zoom == m_shown.Scale || !std::isfinite(Zoom))
        return;
    const TBounds old = m_shown.Bounds;
    m_shown = {Zoom, BoundsAt(Zoom)};
    InvalidateOnPanel(old);
    InvalidateOnPanel(m_shown.Bounds);
    // Kinds lay themselves out at the new zoom even when the bounds stay.
    if (!Reading())
        CheckBoundsChanged();
}

void TLumGraphicControl::MouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                                   int Y)
{
    if (OnMouseDown)
        OnMouseDown(*this, Button, Shift, X, Y);
}

void TLumGraphicControl::MouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(*this, Button, Shift, X, Y);
}

void TLumGraphicControl::MouseMove(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Shift, int X,
                                   int Y)
{
    if (OnMouseMove)
        OnMouseMove(*this, Buttons, Shift, X, Y);
}

void TLumGraphicControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(*this);
}

void TLumGraphicControl::NotifyLabelChanged()
{
    if (m_noticeBatches > 0) {
        m_noticeHeld = true;
        return;
    }
    if (m_parent)
        m_parent->NotifyLabelChanged();
}

TLumGraphicControl::TNoticeBatch::TNoticeBatch(TLumGraphicControl &Object) : m_object(Object)
{
    ++m_object.m_noticeBatches;
}

TLumGraphicControl::TNoticeBatch::~TNoticeBatch()
{
    if (--m_object.m_noticeBatches == 0 && std::exchange(m_object.m_noticeHeld, false))
        m_object.NotifyLabelChanged();
}

void TLumGraphicControl::DrawHandles(QPainter &Target) const
{
    if (!m_parent || !m_parent->Objects().IsSelected(this))
        return;
    const TLumHandle &handle = m_parent->Handle();
    const bool single = handle.Count() == 1;
    Target.save();
    Target.setPen(Qt::NoPen);
    Target.setBrush(ToQColor(single ? handle.Color() : handle.SecondaryColor()));
    for (const TRect &square : HandleSquares(m_shown.Bounds, single))
        Target.drawRect(square.ToQRect());
    Target.restore();
}

void TLumGraphicControl::CenterVertically()
{
    if (!m_parent)
        return;
    SetTop(m_parent->Height() / 2 - m_shown.Bounds.Height / 2);
    NotifyLabelChanged();
}

void TLumGraphicControl::CenterHorizontally()
{
    if (!m_parent)
        return;
    SetLeft(m_parent->Width() / 2 - m_shown.Bounds.Width / 2);
    NotifyLabelChanged();
}

TLumGraphicControl *TLumGraphicControl::Clone()
{
    if (!m_parent)
        return nullptr;
    TLumBasePanel &panel = *m_parent;
    TLumGraphicControl *copy = TLumLabelObjectFiler(panel).CloneObject(*this);
    if (!copy)
        return nullptr;
    copy->SetTop(m_shown.Bounds.Top + 25);
    panel.Objects().BringToFront(copy);
    if (panel.Objects().IsSelected(this)) {
        panel.Handle().Remove(this);
        panel.Handle().Add(copy);
    }
    panel.HookAllObjects();
    panel.NotifyLabelChanged();
    return copy;
}

TDesignMenu TLumGraphicControl::Menu()
{
    if (!m_finished || !m_parent)
        return {};
    TLumBasePanel *panel = m_parent;
    TDesignMenu menu{
        MenuCommand(QCoreApplication::translate("DesignMenu", "Bring To Front"),
                    [this, panel] {
                        NotifyLabelChanged();
                        panel->Objects().BringToFront(this);
                    }),
        MenuCommand(QCoreApplication::translate("DesignMenu", "Send To Back"),
                    [this, panel] {
                        NotifyLabelChanged();
                        panel->Objects().SendToBack(this);
                        panel->Handle().Clear();
                    }),
        MenuCommand(QCoreApplication::translate("DesignMenu", "Cut"),
                    [this, panel] {
                        NotifyLabelChanged();
                        panel->ObjectClipboardAction(*this, caCut);
                    }),
        MenuCommand(QCoreApplication::translate("DesignMenu", "Copy"),
                    [this, panel] { panel->ObjectClipboardAction(*this, caCopy); }),
        MenuCommand(QCoreApplication::translate("DesignMenu", "Delete"),
                    [this, panel] {
                        NotifyLabelChanged();
                        panel->ObjectClipboardAction(*this, caDelete);
                    }),
        MenuCommand(QCoreApplication::translate("DesignMenu", "Clone"), [this] { Clone(); }),
        MenuSeparator(),
        {QCoreApplication::translate("DesignMenu", "Locked"), true, true, m_locked,
         [this] { SetLocked(!m_locked); }},
        MenuCommand(QCoreApplication::translate("DesignMenu", "Unselectable"),
                    [this] { SetUnselectable(true); }),
        MenuSeparator(),
        MenuCommand(QCoreApplication::translate("DesignMenu", "Center Vertically"),
                    [this] { CenterVertically(); }),
        MenuCommand(QCoreApplication::translate("DesignMenu", "Center Horizontally"),
                    [this] { CenterHorizontally(); }),
    };
    AddMenuItems(menu);
    return menu;
}

void TLumGraphicControl::PaintAt(QPainter &Target) const
{
    PaintAt(Target, m_shown.Scale);
}

void TLumGraphicControl::PaintAt(QPainter &Target, float Scale) const
{
    const TObjectFrame frame = FrameAt(Scale);
    const TBounds &bounds = frame.Bounds;
    if (bounds.Width <= 0 || bounds.Height <= 0)
        return;
    Target.save();
    Target.translate(bounds.Left, bounds.Top);
    Target.setClipRect(0, 0, bounds.Width, bounds.Height, Qt::IntersectClip);
    PaintFrame(Target, frame);
    Target.restore();
}

void TLumGraphicControl::FinishLoad()
{
    m_finished = true;
}

void TLumGraphicControl::PaintFrame(QPainter &, const TObjectFrame &) const {}

void TLumGraphicControl::FitSize(int &, int &, float) const {}

void TLumGraphicControl::CheckBoundsChanged()
{
    if (m_checkingBounds)
        return;
    m_checkingBounds = true;
    if (!m_boundsKnown) {
        m_boundsKnown = true;
        m_lastUnzoomed = m_unzoomed;
        m_lastBounds = m_shown.Bounds;
    }
    // Only bounds at zoom 1 are the document's; the handle follows both.
    if (m_unzoomed != m_lastUnzoomed) {
        NotifyLabelChanged();
        m_lastUnzoomed = m_unzoomed;
    }
    if (m_shown.Bounds != m_lastBounds) {
        m_lastBounds = m_shown.Bounds;
        if (m_parent)
            m_parent->PostRefit();
    }
    m_checkingBounds = false;
}

void TLumGraphicControl::ApplyFont(const TFontDesc &) {}

void TLumGraphicControl::PrintObject(TCanvasReport &Report, double OffsetX, double OffsetY,
                                     float Scale) const
{
    const TObjectFrame frame = FrameAt(Scale);
    const TBounds &bounds = frame.Bounds;
    if (!Report.HasCanvas() || bounds.Width <= 0 || bounds.Height <= 0)
        return;
    QPicture picture;
    QPainter recorder(&picture);
    PaintFrame(recorder, frame);
    recorder.end();
    picture.setBoundingRect(QRect(0, 0, bounds.Width, bounds.Height));
    // Page pixels at the zoom to inches on paper.
    const double pixels = double(ScreenPpi()) * ZoomOf(frame.Scale);
    const TRect device =
        Report.RectU2D(OffsetX + bounds.Left / pixels, OffsetY + bounds.Top / pixels,
                       OffsetX + bounds.Right() / pixels, OffsetY + bounds.Bottom() / pixels);
    Report.StretchDraw(device, picture);
}

void TLumGraphicControl::AddMenuItems(TDesignMenu &) {}

void TLumGraphicControl::Loaded()
{
    FinishLoad();
}
