#pragma once

#include "Color.h"
#include "FontDesc.h"
#include "LabelLayout.h"
#include "LabelLook.h"
#include "LabelObject.h"
#include "ObjectPicture.h"

#include <QString>

// A text label: one line of text in one font, turned by 0, 90, 180 or 270
// degrees, with an optional 3-D look made of a shadow copy and a highlight
// copy of the text, an optional background and an optional frame.
//
// Published after the base's properties, in this order: Alignment (default
// taLeftJustify), DepthHighlight (0), DepthShadow (0), DirectionHighlight
// (hdUpLeft), DirectionShadow (sdDownRight), colorHighlight (clAqua),
// colorShadow (clGray), Angle (0), then always Caption, Font, Transparent,
// BackColor and BorderStyle.
//
// Every setter takes TLabelObject's path: an accepted, changed value tells
// the panel once. Every change that moves the text marks the layout, which
// is redone at once unless the label is being read or not yet finished: the
// size across the text is kept between the height the text and its copies
// take and 1.2 times that, and a rotated label is no longer than 1.2 times
// its text.
class TLumBaseLabel : public TLabelObject
{
public:
    TLumBaseLabel();

    static const TClassInfo &BaseLabelClassInfo();

    TAlignment Alignment() const { return m_look.Alignment; }
    void SetAlignment(TAlignment Value);
    int DepthHighlight() const { return m_look.HighlightDepth; }
    void SetDepthHighlight(int Value);
    int DepthShadow() const { return m_look.ShadowDepth; }
    void SetDepthShadow(int Value);
    THighlightDirection DirectionHighlight() const { return m_look.HighlightDirection; }
    void SetDirectionHighlight(THighlightDirection Value);
    TShadowDirection DirectionShadow() const { return m_look.ShadowDirection; }
    void SetDirectionShadow(TShadowDirection Value);
    TColor colorHighlight() const { return m_look.HighlightColor; }
    void SetcolorHighlight(TColor Value);
    TColor colorShadow() const { return m_look.ShadowColor; }
    void SetcolorShadow(TColor Value);
    int Angle() const { return m_look.Angle; }
    // Only 0, 90, 180 and 270 are taken; turning swaps width and height when
    // the label lies across its new direction, and turned text is aligned
    // left.
    void SetAngle(int Value);
    const QString &Caption() const { return m_look.Caption; }
    void SetCaption(const QString &Value);
    const TFontDesc &Font() const { return m_look.Font; }
    void SetFont(const TFontDesc &Value);
    bool Transparent() const { return m_look.Transparent; }
    void SetTransparent(bool Value);
    TColor BackColor() const { return m_look.BackColor; }
    void SetBackColor(TColor Value);
    TBorderStyle BorderStyle() const { return m_look.BorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

    // The offsets of the two copies, from their depths and directions.
    QPoint ShadowOffsetXY() const { return m_shadow; }
    QPoint HighlightOffsetXY() const { return m_highlight; }

    // The layout as last made (see LayoutText).
    const TLabelLayout &Layout() const { return m_layout; }
    bool LayoutMarked() const { return m_layoutMarked; }
    // Lays the text out and takes the size it needs; clears the mark.
    void LayoutText();
    // Grows an unrotated label so that its caption and five spaces fit
    // beside its left-most copy; it never shrinks.
    void GrowToFit();
    // The label's look in its own pixels at the frame's zoom: background,
    // shadow, highlight, text and frame, as on the screen, in pictures and
    // on paper.
    void DrawText(QPainter &Canvas, const TObjectFrame &Frame) const;

    // The label's commands.
    // "Font": the font dialog; GrowToFit runs afterwards in either case.
    virtual void ChooseFont();
    void Edit3DEffects();
    void ToggleTransparent();
    void ChooseBackColor();
    void ToggleBorder();

    void FinishLoad() override;
    void PaintFrame(QPainter &Target, const TObjectFrame &Frame) const override;
    // The size across the text kept as LayoutText says, at that zoom.
    void FitSize(int &Width, int &Height, float Scale) const override;
    void CheckBoundsChanged() override;
    void ApplyFont(const TFontDesc &Font) override;
    void AddMenuItems(TDesignMenu &Menu) override;

protected:
    // The look changed: the kept picture is stale and the label repaints.
    void Repaint();
    void MarkLayout();

private:
    TLabelLayoutInput LayoutInput(float scale) const;
    // The layout for painting: the one made, or one made afresh for a zoom
    // or size it was not made for.
    TLabelLayout PaintLayout(const TObjectFrame &frame) const;
    void DrawCopy(QPainter &canvas, const TRect &clip, QPoint origin, TColor color,
                  const TLabelLayout &layout) const;
    void UpdateOffsets();
    // The turn SetAngle makes: alignment and box follow the new angle.
    void Turn();
    // A change that moves the text: the layout is redone and the label
    // repaints.
    void Relayout();

    TTextLabelLook m_look;

    QPoint m_shadow;
    QPoint m_highlight;
    bool m_layoutMarked = true;
    bool m_layingOut = false;
    bool m_finished = false;
    TLabelLayout m_layout;
    float m_layoutScale = 0;
    quint64 m_revision = 1;
    mutable TObjectPicture m_picture;
};

// The label the page's label tool and documents make: a text label with a
// "Text" command that edits its caption.
class TPaxLabel : public TLumBaseLabel
{
public:
    static const TClassInfo &Class();
    const TClassInfo &ClassInfo() const override { return Class(); }

    // "Text": the text dialog with the caption; on OK the caption is
    // replaced and the label grows to fit it. False when it was cancelled
    // (true without a dialog to show).
    virtual bool EditText();
    // Run by the page right after it placed a new label; false when the
    // user cancelled it.
    virtual bool EditAfterCreate();
    // The "Rotation" commands: SetAngle, the label turning about its centre
    // and kept on the page.
    void Rotate(int angle);

    void AddMenuItems(TDesignMenu &Menu) override;
};
