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

TLumBaseLabel::TLumBaseLabel() : m_font{QStringLiteral("Arial"), 10, {}, clBlack}
{
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
    if (Value == m_alignment || Value < taLeftJustify || Value > taCenter)
        return;
    m_alignment = Value;
    MarkLayout();
    Repaint();
    NotifyLabelChanged();
}

void TLumBaseLabel::SetDepthHighlight(int Value)
{
    if (Value == m_depthHighlight || Value < 0 || Value > MaxDepth)
        return;
    m_depthHighlight = Value;
    UpdateOffsets();
}

void TLumBaseLabel::SetDepthShadow(int Value)
{
    if (Value == m_depthShadow || Value < 0 || Value > MaxDepth)
        return;
    m_depthShadow = Value;
    UpdateOffsets();
}

void TLumBaseLabel::SetDirectionHighlight(THighlightDirection Value)
{
    if (Value == m_directionHighlight || Value < hdNone || Value > hdUp)
        return;
    m_directionHighlight = Value;
    UpdateOffsets();
}

void TLumBaseLabel::SetDirectionShadow(TShadowDirection Value)
{
    if (Value == m_directionShadow || Value < sdNone || Value > sdDown)
        return;
    m_directionShadow = Value;
    UpdateOffsets();
}

void TLumBaseLabel::UpdateOffsets()
{
    m_shadow = ShadowOffset(m_directionShadow, m_depthShadow);
    m_highlight = HighlightOffset(m_directionHighlight, m_depthHighlight);
    MarkLayout();
    Repaint();
}

void TLumBaseLabel::SetcolorHighlight(TColor Value)
{
    if (Value == m_colorHighlight)
        return;
    m_colorHighlight = Value;
    Repaint();
}

void TLumBaseLabel::SetcolorShadow(TColor Value)
{
    if (Value == m_colorShadow)
        return;
    m_colorShadow = Value;
    Repaint();
}

void TLumBaseLabel::SetAngle(int Value)
{
    if (Value == m_angle || !ValidAngle(Value))
        return;
    m_angle = Value;
    // Also while a label is read: a stored angle turns and aligns the box
    // read before it as turning it does.
    if (Value != 0)
        m_alignment = taLeftJustify;
    const bool upright = Value == 0 || Value == 180;
    const TBounds &bounds = UnzoomedBounds();
    if ((upright && bounds.Width < bounds.Height) || (!upright && bounds.Height < bounds.Width)) {
        // The swap is one change of bounds, laid out once below.
        m_layingOut = true;
        SetUnzoomedBounds({bounds.Left, bounds.Top, bounds.Height, bounds.Width});
        m_layingOut = false;
    }
    MarkLayout();
    Repaint();
}

void TLumBaseLabel::SetCaption(const QString &Value)
{
    if (Value == m_caption)
        return;
    m_caption = Value;
    MarkLayout();
    Repaint();
    NotifyLabelChanged();
}

void TLumBaseLabel::SetFont(const TFontDesc &Value)
{
    if (Value == m_font)
        return;
    m_font = Value;
    MarkLayout();
    Repaint();
}

void TLumBaseLabel::SetTransparent(bool Value)
{
    if (Value == m_transparent)
        return;
    m_transparent = Value;
    NotifyLabelChanged();
    Repaint();
}

void TLumBaseLabel::SetBackColor(TColor Value)
{
    if (Value == m_backColor)
        return;
    m_backColor = Value;
    NotifyLabelChanged();
    Repaint();
}

void TLumBaseLabel::SetBorderStyle(TBorderStyle Value)
{
    if (Value == m_borderStyle || Value < bsNone || Value > bsSingle)
        return;
    m_borderStyle = Value;
    Repaint();
    NotifyLabelChanged();
}

void TLumBaseLabel::Repaint()
{
    ++m_revision;
    if (Parent() && Visible())
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
    return {m_caption, m_font, scale, m_angle, m_alignment, m_shadow, m_highlight, ScreenPpi()};
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
    if (m_angle != 0)
        return;
    const TLabelLayout layout = PaintLayout(Frame());
    const int left = std::max({layout.Text.Left, layout.Shadow.Left, layout.Highlight.Left});
    const int top = std::max({layout.Text.Top, layout.Shadow.Top, layout.Highlight.Top});
    const QFontMetrics metrics(layout.Font);
    const QString text = m_caption + QStringLiteral("     ");
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
    canvas.rotate(-m_angle);
    canvas.setFont(layout.Font);
    canvas.setPen(ToQColor(color));
    canvas.drawText(QPoint(0, QFontMetrics(layout.Font).ascent()), m_caption);
    canvas.restore();
}

void TLumBaseLabel::DrawText(QPainter &Canvas, const TObjectFrame &Frame) const
{
    const TLabelLayout layout = PaintLayout(Frame);
    Canvas.save();
    if (!m_transparent)
        Canvas.fillRect(QRect(0, 0, Frame.Width(), Frame.Height()), ToQColor(m_backColor));
    if (m_depthShadow > 0 && m_directionShadow != sdNone)
        DrawCopy(Canvas, layout.Shadow, layout.ShadowOrigin, m_colorShadow, layout);
    if (m_depthHighlight > 0 && m_directionHighlight != hdNone)
        DrawCopy(Canvas, layout.Highlight, layout.HighlightOrigin, m_colorHighlight, layout);
    DrawCopy(Canvas, layout.Text, layout.TextOrigin, m_font.Color, layout);
    if (m_borderStyle == bsSingle) {
        Canvas.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        Canvas.setBrush(Qt::NoBrush);
        Canvas.drawRect(0, 0, Frame.Width() - 1, Frame.Height() - 1);
    }
    Canvas.restore();
}

void TLumBaseLabel::PaintFrame(QPainter &Target, const TObjectFrame &Frame) const
{
    if (Parent() && Parent()->PaintSuspended())
        return;
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
    // The document records the font: the change must not go unsaved.
    NotifyLabelChanged();
}

void TLumBaseLabel::ChooseFont()
{
    std::optional<TFontDesc> font;
    if (Parent() && Parent()->View())
        font = Parent()->View()->ChooseFont(m_font);
    else if (LabelPrompts().ChooseFont)
        font = LabelPrompts().ChooseFont(m_font);
    if (font && *font != m_font) {
        SetFont(*font);
        NotifyLabelChanged();
    }
    GrowToFit();
}

void TLumBaseLabel::Edit3DEffects()
{
    if (LabelPrompts().Edit3DEffects && LabelPrompts().Edit3DEffects(*this))
        NotifyLabelChanged();
}

void TLumBaseLabel::ToggleTransparent()
{
    SetTransparent(!m_transparent);
}

void TLumBaseLabel::ChooseBackColor()
{
    if (!LabelPrompts().ChooseColor)
        return;
    const std::optional<TColor> color = LabelPrompts().ChooseColor(m_backColor);
    if (!color)
        return;
    SetBackColor(*color);
    SetTransparent(false);
    Repaint();
}

void TLumBaseLabel::ToggleBorder()
{
    SetBorderStyle(m_borderStyle == bsSingle ? bsNone : bsSingle);
}

void TLumBaseLabel::AddMenuItems(TDesignMenu &Menu)
{
    const auto align = [this](const QString &caption, TAlignment alignment) {
        return MenuCheck(caption, m_alignment == alignment, [this, alignment] {
            SetAlignment(alignment);
            NotifyLabelChanged();
        });
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
         << MenuCheck(QCoreApplication::translate("DesignMenu", "Transparent"), m_transparent,
                      [this] { ToggleTransparent(); })
         << MenuCommand(QCoreApplication::translate("DesignMenu", "Background Color"),
                        [this] { ChooseBackColor(); })
         << MenuCheck(QCoreApplication::translate("DesignMenu", "Border"),
                      m_borderStyle == bsSingle, [this] { ToggleBorder(); });
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
    // The document records the angle even when the size stays.
    NotifyLabelChanged();
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
