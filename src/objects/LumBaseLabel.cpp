#include "LumBaseLabel.h"

#include "DesignView.h"
#include "LabelPrompts.h"
#include "LumBasePanel.h"
#include "ObjectMenuItems.h"
#include "Ppi.h"
#include "PublishedProperties.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

// Deeper copies than this are refused: the dialog offers 0 to 10, and a
// document asking for more would make a label of any size.
constexpr int MaxDepth = 255;

TClassInfo MakeBaseLabelClassInfo()
{
    TClassInfo info(QStringLiteral("TLumBaseLabel"), &TLumGraphicControl::BaseClassInfo());
    using C = TLumBaseLabel;
    TPublishedProperties<C>(info)
        .Enumeration<TAlignment>("Alignment", AlignmentNames(), &C::Alignment, &C::SetAlignment,
                                 taLeftJustify)
        .Integer("DepthHighlight", &C::DepthHighlight, &C::SetDepthHighlight, 0)
        .Integer("DepthShadow", &C::DepthShadow, &C::SetDepthShadow, 0)
        .Enumeration<THighlightDirection>("DirectionHighlight", HighlightDirectionNames(),
                                          &C::DirectionHighlight, &C::SetDirectionHighlight,
                                          hdUpLeft)
        .Enumeration<TShadowDirection>("DirectionShadow", ShadowDirectionNames(),
                                       &C::DirectionShadow, &C::SetDirectionShadow, sdDownRight)
        .Colour("colorHighlight", &C::colorHighlight, &C::SetcolorHighlight, clAqua)
        .Colour("colorShadow", &C::colorShadow, &C::SetcolorShadow, clGray)
        .Integer("Angle", &C::Angle, &C::SetAngle, 0)
        .String("Caption", &C::Caption, &C::SetCaption)
        .Font("Font", &C::Font, &C::SetFont)
        .Boolean("Transparent", &C::Transparent, &C::SetTransparent)
        .Colour("BackColor", &C::BackColor, &C::SetBackColor)
        .Enumeration<TBorderStyle>("BorderStyle", BorderStyleNames(), &C::BorderStyle,
                                   &C::SetBorderStyle);
    return info;
}

TClassInfo MakePaxLabelClass()
{
    return TClassInfo(QStringLiteral("TPaxLabel"), &TLumBaseLabel::BaseLabelClassInfo(),
                      [] { return std::make_unique<TPaxLabel>(); });
}

bool ValidAngle(int angle)
{
    return angle == 0 || angle == 90 || angle == 180 || angle == 270;
}

} // namespace

TLumBaseLabel::TLumBaseLabel()
{
    m_look.Font = {QStringLiteral("Arial"), 10, {}, clBlack};
    SetObjectBounds(0, 0, 142, 33);
    UpdateOffsets();
}

const TClassInfo &TLumBaseLabel::BaseLabelClassInfo()
{
    static const TClassInfo info = MakeBaseLabelClassInfo();
    return info;
}

void TLumBaseLabel::SetAlignment(TAlignment Value)
{
    if (Value >= taLeftJustify && Value <= taCenter)
        ChangeLook(m_look.Alignment, Value, [this] { Relayout(); });
}

void TLumBaseLabel::SetDepthHighlight(int Value)
{
    if (Value >= 0 && Value <= MaxDepth)
        ChangeLook(m_look.HighlightDepth, Value, [this] { UpdateOffsets(); });
}

void TLumBaseLabel::SetDepthShadow(int Value)
{
    if (Value >= 0 && Value <= MaxDepth)
        ChangeLook(m_look.ShadowDepth, Value, [this] { UpdateOffsets(); });
}

void TLumBaseLabel::SetDirectionHighlight(THighlightDirection Value)
{
    if (Value >= hdNone && Value <= hdUp)
        ChangeLook(m_look.HighlightDirection, Value, [this] { UpdateOffsets(); });
}

void TLumBaseLabel::SetDirectionShadow(TShadowDirection Value)
{
    if (Value >= sdNone && Value <= sdDown)
        ChangeLook(m_look.ShadowDirection, Value, [this] { UpdateOffsets(); });
}

void TLumBaseLabel::UpdateOffsets()
{
    m_shadow = ShadowOffset(m_look.ShadowDirection, m_look.ShadowDepth);
    m_highlight = HighlightOffset(m_look.HighlightDirection, m_look.HighlightDepth);
    Relayout();
}

void TLumBaseLabel::SetcolorHighlight(TColor Value)
{
    ChangeLook(m_look.HighlightColor, Value, [this] { Repaint(); });
}

void TLumBaseLabel::SetcolorShadow(TColor Value)
{
    ChangeLook(m_look.ShadowColor, Value, [this] { Repaint(); });
}

void TLumBaseLabel::SetAngle(int Value)
{
    if (ValidAngle(Value))
        ChangeLook(m_look.Angle, Value, [this] { Turn(); });
}

void TLumBaseLabel::Turn()
{
    // Also while a label is read: a stored angle turns and aligns the box
    // read before it as turning it does.
    if (m_look.Angle != 0)
        m_look.Alignment = taLeftJustify;
    const bool upright = m_look.Angle == 0 || m_look.Angle == 180;
    const TBounds &bounds = UnzoomedBounds();
    if ((upright && bounds.Width < bounds.Height) || (!upright && bounds.Height < bounds.Width)) {
        // The swap is one change of bounds, laid out once below.
        m_layingOut = true;
        SetUnzoomedBounds({bounds.Left, bounds.Top, bounds.Height, bounds.Width});
        m_layingOut = false;
    }
    Relayout();
}

void TLumBaseLabel::SetCaption(const QString &Value)
{
    ChangeLook(m_look.Caption, Value, [this] { Relayout(); });
}

void TLumBaseLabel::SetFont(const TFontDesc &Value)
{
    ChangeLook(m_look.Font, Value, [this] { Relayout(); });
}

void TLumBaseLabel::SetTransparent(bool Value)
{
    ChangeLook(m_look.Transparent, Value, [this] { Repaint(); });
}

void TLumBaseLabel::SetBackColor(TColor Value)
{
    ChangeLook(m_look.BackColor, Value, [this] { Repaint(); });
}

void TLumBaseLabel::SetBorderStyle(TBorderStyle Value)
{
    if (Value >= bsNone && Value <= bsSingle)
        ChangeLook(m_look.BorderStyle, Value, [this] { Repaint(); });
}

void TLumBaseLabel::Relayout()
{
    MarkLayout();
    Repaint();
}

void TLumBaseLabel::Repaint()
{
    ++m_revision;
    if (Parent())
        Parent()->InvalidateObject(Bounds());
}

void TLumBaseLabel::MarkLayout()
{
    m_layoutMarked = true;
    ++m_revision;
    if (!Reading() && m_finished && !m_layingOut)
        LayoutText();
}

TLabelLayoutInput TLumBaseLabel::LayoutInput(float scale) const
{
    return {m_look.Caption,   m_look.Font, scale,       m_look.Angle,
            m_look.Alignment, m_shadow,    m_highlight, ScreenPpi()};
}

void TLumBaseLabel::FitSize(int &Width, int &Height, float Scale) const
{
    if (m_finished) {
        const TLabelLayout layout = LayoutLabelText(LayoutInput(Scale), Width, Height);
        Width = layout.Width;
        Height = layout.Height;
    }
    Width = std::max(Width, 1);
    Height = std::max(Height, 1);
}

void TLumBaseLabel::LayoutText()
{
    m_layingOut = true;
    // The size the text takes, at zoom 1 and at the zoom shown.
    RefitBounds();
    m_layout = LayoutLabelText(LayoutInput(Scale()), Width(), Height());
    m_layoutScale = Scale();
    m_layoutMarked = false;
    m_layingOut = false;
    Repaint();
}

TLabelLayout TLumBaseLabel::PaintLayout(const TObjectFrame &frame) const
{
    if (!m_layoutMarked && m_layoutScale == frame.Scale && m_layout.Width == frame.Width() &&
        m_layout.Height == frame.Height())
        return m_layout;
    return LayoutLabelText(LayoutInput(frame.Scale), frame.Width(), frame.Height());
}

void TLumBaseLabel::GrowToFit()
{
    if (m_look.Angle != 0)
        return;
    const TLabelLayout layout = PaintLayout(Frame());
    const int left = std::max({layout.Text.Left, layout.Shadow.Left, layout.Highlight.Left});
    const int top = std::max({layout.Text.Top, layout.Shadow.Top, layout.Highlight.Top});
    const QFontMetrics metrics(layout.Font);
    const QString text = m_look.Caption + QStringLiteral("     ");
    const int width = std::max(Width(), left + metrics.horizontalAdvance(text));
    const int height = std::max(Height(), top + metrics.height());
    SetObjectBounds(Left(), Top(), width, height);
    MarkLayout();
    Repaint();
}

void TLumBaseLabel::DrawCopy(QPainter &canvas, const TRect &clip, QPoint origin, TColor color,
                             const TLabelLayout &layout) const
{
    canvas.save();
    canvas.setClipRect(clip.ToQRect(), Qt::IntersectClip);
    canvas.translate(origin);
    canvas.rotate(-m_look.Angle);
    canvas.setFont(layout.Font);
    canvas.setPen(ToQColor(color));
    canvas.drawText(QPoint(0, QFontMetrics(layout.Font).ascent()), m_look.Caption);
    canvas.restore();
}

void TLumBaseLabel::DrawText(QPainter &Canvas, const TObjectFrame &Frame) const
{
    const TLabelLayout layout = PaintLayout(Frame);
    Canvas.save();
    if (!m_look.Transparent)
        Canvas.fillRect(QRect(0, 0, Frame.Width(), Frame.Height()), ToQColor(m_look.BackColor));
    if (m_look.ShadowDepth > 0 && m_look.ShadowDirection != sdNone)
        DrawCopy(Canvas, layout.Shadow, layout.ShadowOrigin, m_look.ShadowColor, layout);
    if (m_look.HighlightDepth > 0 && m_look.HighlightDirection != hdNone)
        DrawCopy(Canvas, layout.Highlight, layout.HighlightOrigin, m_look.HighlightColor, layout);
    DrawCopy(Canvas, layout.Text, layout.TextOrigin, m_look.Font.Color, layout);
    if (m_look.BorderStyle == bsSingle) {
        Canvas.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        Canvas.setBrush(Qt::NoBrush);
        Canvas.drawRect(0, 0, Frame.Width() - 1, Frame.Height() - 1);
    }
    Canvas.restore();
}

void TLumBaseLabel::PaintFrame(QPainter &Target, const TObjectFrame &Frame) const
{
    m_picture.Paint(Target, QSize(Frame.Width(), Frame.Height()), Frame.Scale, m_revision,
                    [this, &Frame](QPainter &canvas) { DrawText(canvas, Frame); });
}

void TLumBaseLabel::FinishLoad()
{
    TLumGraphicControl::FinishLoad();
    m_finished = true;
    LayoutText();
}

void TLumBaseLabel::CheckBoundsChanged()
{
    TLumGraphicControl::CheckBoundsChanged();
    MarkLayout();
}

void TLumBaseLabel::ApplyFont(const TFontDesc &Font)
{
    SetFont(Font);
}

void TLumBaseLabel::ChooseFont()
{
    const TNoticeBatch batch(*this);
    std::optional<TFontDesc> font;
    if (Parent() && Parent()->View())
        font = Parent()->View()->ChooseFont(m_look.Font);
    else if (LabelPrompts().ChooseFont)
        font = LabelPrompts().ChooseFont(m_look.Font);
    if (font)
        SetFont(*font);
    GrowToFit();
}

void TLumBaseLabel::Edit3DEffects()
{
    // The dialog hands its values to the setters on OK.
    const TNoticeBatch batch(*this);
    if (LabelPrompts().Edit3DEffects)
        LabelPrompts().Edit3DEffects(*this);
}

void TLumBaseLabel::ToggleTransparent()
{
    SetTransparent(!m_look.Transparent);
}

void TLumBaseLabel::ChooseBackColor()
{
    if (!LabelPrompts().ChooseColor)
        return;
    const std::optional<TColor> color = LabelPrompts().ChooseColor(m_look.BackColor);
    if (!color)
        return;
    const TNoticeBatch batch(*this);
    SetBackColor(*color);
    SetTransparent(false);
    Repaint();
}

void TLumBaseLabel::ToggleBorder()
{
    SetBorderStyle(m_look.BorderStyle == bsSingle ? bsNone : bsSingle);
}

void TLumBaseLabel::AddMenuItems(TDesignMenu &Menu)
{
    const auto align = [this](const QString &caption, TAlignment alignment) {
        return MenuCheck(caption, m_look.Alignment == alignment,
                         [this, alignment] { SetAlignment(alignment); });
    };
    Menu << MenuSeparator()
         << MenuCommand(QCoreApplication::translate("DesignMenu", "Font"), [this] { ChooseFont(); })
         << MenuCommand(QCoreApplication::translate("DesignMenu", "3D Effects"),
                        [this] { Edit3DEffects(); })
         << MenuSubmenu(
                QCoreApplication::translate("DesignMenu", "Alignment"), *this,
                [align] {
                    return TDesignMenu{
                        align(QCoreApplication::translate("DesignMenu", "Left"), taLeftJustify),
                        align(QCoreApplication::translate("DesignMenu", "Center"), taCenter),
                        align(QCoreApplication::translate("DesignMenu", "Right"), taRightJustify)};
                })
         << MenuCheck(QCoreApplication::translate("DesignMenu", "Transparent"), m_look.Transparent,
                      [this] { ToggleTransparent(); })
         << MenuCommand(QCoreApplication::translate("DesignMenu", "Background Color"),
                        [this] { ChooseBackColor(); })
         << MenuCheck(QCoreApplication::translate("DesignMenu", "Border"),
                      m_look.BorderStyle == bsSingle, [this] { ToggleBorder(); });
}

const TClassInfo &TPaxLabel::Class()
{
    static const TClassInfo info = MakePaxLabelClass();
    return info;
}

bool TPaxLabel::EditText()
{
    // Without a dialog to show there is nothing to cancel.
    if (!LabelPrompts().EditText)
        return true;
    const std::optional<QString> text = LabelPrompts().EditText(Caption());
    if (!text)
        return false;
    const TNoticeBatch batch(*this);
    SetCaption(*text);
    GrowToFit();
    Repaint();
    return true;
}

bool TPaxLabel::EditAfterCreate()
{
    return EditText();
}

void TPaxLabel::Rotate(int angle)
{
    const TNoticeBatch batch(*this);
    const int before = Angle();
    const TBounds was = Bounds();
    SetAngle(angle);
    if (Angle() == before)
        return;
    TBounds turned = Bounds();
    if (turned.Width != was.Width) {
        turned.Left = was.Left + (was.Width - turned.Width) / 2;
        turned.Top = was.Top + (was.Height - turned.Height) / 2;
        if (const TLumBasePanel *page = Parent()) {
            turned.Left = std::clamp(turned.Left, 0, std::max(page->Width() - turned.Width, 0));
            turned.Top = std::clamp(turned.Top, 0, std::max(page->Height() - turned.Height, 0));
        }
        SetObjectBounds(turned.Left, turned.Top, turned.Width, turned.Height);
    }
}

void TPaxLabel::AddMenuItems(TDesignMenu &Menu)
{
    TLumBaseLabel::AddMenuItems(Menu);
    const auto turn = [this](const QString &caption, int angle) {
        return MenuCheck(caption, Angle() == angle, [this, angle] { Rotate(angle); });
    };
    Menu << MenuSeparator()
         << MenuCommand(QCoreApplication::translate("DesignMenu", "Text"), [this] { EditText(); })
         << MenuSeparator()
         << MenuSubmenu(QCoreApplication::translate("DesignMenu", "Rotation"), *this, [turn] {
                return TDesignMenu{
                    turn(QCoreApplication::translate("DesignMenu", "No Rotation"), 0),
                    turn(QCoreApplication::translate("DesignMenu", "90 Degrees"), 90),
                    turn(QCoreApplication::translate("DesignMenu", "180 Degrees"), 180),
                    turn(QCoreApplication::translate("DesignMenu", "270 Degrees"), 270)};
            });
}
