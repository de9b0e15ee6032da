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

namespace {

TClassInfo MakeBaseClassInfo()
{
    TClassInfo info(QStringLiteral("TLumGraphicControl"), nullptr);
    using C = TLumGraphicControl;
    TPublishedProperties<C>(info)
        .Integer("Tag", &C::Tag, &C::SetTag, 0)
        .Integer("Left", &C::Left, &C::SetLeft)
        .Integer("Top", &C::Top, &C::SetTop)
        .Integer("Width", &C::Width, &C::SetWidth)
        .Integer("Height", &C::Height, &C::SetHeight)
        .Integer("Cursor", &C::Cursor, &C::SetCursor, 0)
        .String("Hint", &C::Hint, &C::SetHint)
        .StoredWhen([](const C &object) { return !object.Hint().isEmpty(); })
        .Boolean("Locked", &C::Locked, &C::SetLocked)
        .Boolean("Unselectable", &C::Unselectable, &C::SetUnselectable);
    return info;
}

// The squares of one selected object: 5 x 5 in the corners of its bounds
// grown by 2, and with one object selected at the edge middles too.
void FillHandleSquares(QPainter &target, const TRect &r, bool edges)
{
    const auto square = [&target](int left, int top) { target.drawRect(left, top, 5, 5); };
    square(r.Left, r.Top);
    square(r.Right - 5, r.Top);
    square(r.Right - 5, r.Bottom - 5);
    square(r.Left, r.Bottom - 5);
    if (!edges)
        return;
    const int hw = Trunc((r.Right - r.Left) * 0.5);
    const int hh = Trunc((r.Bottom - r.Top) * 0.5);
    square(r.Left + hw - 2, r.Top);
    square(r.Left + hw - 2, r.Bottom - 5);
    square(r.Left, r.Top + hh - 2);
    square(r.Right - 5, r.Top + hh - 2);
}

} // namespace

const TClassInfo &TLumGraphicControl::BaseClassInfo()
{
    static const TClassInfo info = MakeBaseClassInfo();
    return info;
}

void TLumGraphicControl::SetLeft(int Value)
{
    SetObjectBounds(Value, m_bounds.Top, m_bounds.Width, m_bounds.Height);
}

void TLumGraphicControl::SetTop(int Value)
{
    SetObjectBounds(m_bounds.Left, Value, m_bounds.Width, m_bounds.Height);
}

void TLumGraphicControl::SetWidth(int Value)
{
    SetObjectBounds(m_bounds.Left, m_bounds.Top, Value, m_bounds.Height);
}

void TLumGraphicControl::SetHeight(int Value)
{
    SetObjectBounds(m_bounds.Left, m_bounds.Top, m_bounds.Width, Value);
}

void TLumGraphicControl::SetObjectBounds(int L, int T, int W, int H)
{
    const TBounds bounds{L, T, W, H};
    if (bounds == m_bounds)
        return;
    const TBounds old = m_bounds;
    m_bounds = bounds;
    BoundsChanged(old);
}

void TLumGraphicControl::BoundsChanged(const TBounds &old)
{
    InvalidateOnPanel(old);
    InvalidateOnPanel(m_bounds);
    if (!Reading())
        CheckBoundsChanged();
}

void TLumGraphicControl::InvalidateOnPanel(const TBounds &bounds) const
{
    if (m_parent && m_visible)
        m_parent->InvalidateObject(bounds);
}

void TLumGraphicControl::SetVisible(bool Value)
{
    if (Value == m_visible)
        return;
    InvalidateOnPanel(m_bounds);
    m_visible = Value;
    InvalidateOnPanel(m_bounds);
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

void TLumGraphicControl::SetScale(float Value)
{
    if (Value == m_scale || !std::isfinite(Value))
        return;
    // A zoom that dropped to nothing counts as 1, so the ratio stays finite.
    const double current = m_scale * 10 == 0 ? 1.0 : double(m_scale);
    const double f = double(Value) / current;
    SetObjectBounds(Round(m_bounds.Left * f), Round(m_bounds.Top * f), Round(m_bounds.Width * f),
                    Round(m_bounds.Height * f));
    m_scale = Value;
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
    if (m_parent && !m_parent->Printing())
        m_parent->NotifyLabelChanged();
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
    const TRect r{m_bounds.Left - 2, m_bounds.Top - 2, m_bounds.Right() + 2, m_bounds.Bottom() + 2};
    FillHandleSquares(Target, r, single);
    Target.restore();
}

void TLumGraphicControl::CenterVertically()
{
    if (!m_parent)
        return;
    SetTop(m_parent->Height() / 2 - m_bounds.Height / 2);
    NotifyLabelChanged();
}

void TLumGraphicControl::CenterHorizontally()
{
    if (!m_parent)
        return;
    SetLeft(m_parent->Width() / 2 - m_bounds.Width / 2);
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
    copy->SetTop(m_bounds.Top + 25);
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
    if (!m_visible || m_bounds.Width <= 0 || m_bounds.Height <= 0)
        return;
    Target.save();
    Target.translate(m_bounds.Left, m_bounds.Top);
    Target.setClipRect(0, 0, m_bounds.Width, m_bounds.Height, Qt::IntersectClip);
    Paint(Target);
    Target.restore();
}

void TLumGraphicControl::FinishLoad()
{
    m_finished = true;
}

void TLumGraphicControl::Paint(QPainter &) const {}

void TLumGraphicControl::CheckBoundsChanged()
{
    if (m_checkingBounds)
        return;
    m_checkingBounds = true;
    if (m_lastBounds == TBounds{})
        m_lastBounds = m_bounds;
    if (m_bounds != m_lastBounds) {
        NotifyLabelChanged();
        m_lastBounds = m_bounds;
        if (m_parent)
            m_parent->PostRefit();
    }
    m_checkingBounds = false;
}

void TLumGraphicControl::ApplyFont(const TFontDesc &) {}

void TLumGraphicControl::PrintObject(TCanvasReport &Report, double OffsetX, double OffsetY) const
{
    if (!Report.HasCanvas() || m_bounds.Width <= 0 || m_bounds.Height <= 0)
        return;
    QPicture picture;
    QPainter recorder(&picture);
    Paint(recorder);
    recorder.end();
    picture.setBoundingRect(QRect(0, 0, m_bounds.Width, m_bounds.Height));
    // Page pixels at the zoom shown to inches on paper.
    const double pixels = double(ScreenPpi()) * (m_scale * 10 == 0 ? 1.0 : double(m_scale));
    const TRect device =
        Report.RectU2D(OffsetX + m_bounds.Left / pixels, OffsetY + m_bounds.Top / pixels,
                       OffsetX + m_bounds.Right() / pixels, OffsetY + m_bounds.Bottom() / pixels);
    Report.StretchDraw(device, picture);
}

void TLumGraphicControl::AddMenuItems(TDesignMenu &) {}

void TLumGraphicControl::Loaded()
{
    FinishLoad();
}
