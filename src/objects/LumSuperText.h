#pragma once

#include "CaptionMasks.h"
#include "Color.h"
#include "FontDesc.h"
#include "LabelLook.h"
#include "LabelObject.h"
#include "ObjectPicture.h"
#include "Rect.h"
#include "SuperTextTypes.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QString>

class QPainterPath;

// Where the parts of special-effect text go, in the object's own pixels at
// its zoom.
struct TSuperTextLayout
{
    // The shadow's offset at the zoom.
    QPoint Offset;
    // The font size in points at the zoom.
    int FontSize = 0;
    // The caption's height and the width of the caption and one space.
    int TextHeight = 0;
    int TextWidth = 0;
    QPoint TextOrigin;
    TRect TextRect;
    TRect ShadowRect;
    QPoint TextPosition;
    QPoint ShadowPosition;
};

// Special-effect text: one line of display text drawn as glyph outlines, in
// this order from the one caption path: a drop shadow, a surface filled with
// the font colour, a tiled texture picture or a colour gradient (or left
// empty), and a stroked outline; under it an optional background and frame.
//
// Published after the base's properties, in this order: ShadowDepth
// (written when not 0), ShadowOrientation (when not sdDownRight),
// Shadowcolor (when not grey), BorderStyle, ControlTransparent, BGColor,
// Caption (when not empty), Font, FillDirection, GradientToColor,
// GradientFromColor, Image (the bitmap's data, when there is one),
// OutlineColor, OutlineStyle, OutlineWidth, SurfaceType,
// LastBitmapFileNameandPath (when not empty).
//
// Every setter takes TLabelObject's path: it does nothing when the value is
// unchanged, and tells the panel once of a change. A change of the
// font, the shadow or the size marks the layout, which is redone before the
// next paint; the gradient bitmap, as large as the object, is rebuilt when
// the gradient or the size changes while the surface is a gradient.
class TLumSuperText : public TLabelObject
{
public:
    static const TClassInfo &Class();
    const TClassInfo &ClassInfo() const override { return Class(); }

    // 142 x 33: "Text" in 48-point bold Arial, a blue-to-yellow gradient
    // from left to right, transparent and borderless.
    TLumSuperText();

    int ShadowDepth() const { return m_look.ShadowDepth; }
    void SetShadowDepth(int Value);
    TShadowOrientation ShadowOrientation() const { return m_look.ShadowDirection; }
    void SetShadowOrientation(TShadowOrientation Value);
    TColor Shadowcolor() const { return m_look.ShadowColor; }
    void SetShadowcolor(TColor Value);
    TBorderStyle BorderStyle() const { return m_look.BorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool ControlTransparent() const { return m_look.Transparent; }
    void SetControlTransparent(bool Value);
    TColor BGColor() const { return m_look.BackColor; }
    void SetBGColor(TColor Value);
    const QString &Caption() const { return m_look.Caption; }
    void SetCaption(const QString &Value);
    const TFontDesc &Font() const { return m_look.Font; }
    void SetFont(const TFontDesc &Value);
    TFillDirection FillDirection() const { return m_look.FillDirection; }
    void SetFillDirection(TFillDirection Value);
    TColor GradientToColor() const { return m_look.GradientTo; }
    void SetGradientToColor(TColor Value);
    TColor GradientFromColor() const { return m_look.GradientFrom; }
    void SetGradientFromColor(TColor Value);
    // The texture; a null image is the empty (0 x 0) bitmap.
    const QImage &Image() const { return m_image; }
    void SetImage(const QImage &Value);
    TColor OutlineColor() const { return m_look.OutlineColor; }
    void SetOutlineColor(TColor Value);
    TPenStyle OutlineStyle() const { return m_look.OutlineStyle; }
    void SetOutlineStyle(TPenStyle Value);
    int OutlineWidth() const { return m_look.OutlineWidth; }
    void SetOutlineWidth(int Value);
    // Choosing any surface but the texture discards the texture; an
    // outline-only surface never keeps a clear outline.
    TSurfaceType SurfaceType() const { return m_look.SurfaceType; }
    void SetSurfaceType(TSurfaceType Value);
    // The texture file chosen last, where the texture browser opens.
    const QString &LastBitmapFileNameandPath() const { return m_look.LastBitmapPath; }
    void SetLastBitmapFileNameandPath(const QString &Value);

    // The texture as a document stores it: a 4-byte length and a bitmap file.
    // Data that cannot be read leaves no texture and is written back as it
    // came.
    QByteArray ImageData() const;
    void SetImageData(const QByteArray &Value);
    bool HasImageData() const;

    // The shadow's offset from its depth and orientation, at zoom 1.
    QPoint ShadowOffset() const { return m_shadowOffset; }

    // The layout as last made, and whether it must be made again.
    const TSuperTextLayout &Layout() const { return m_layout; }
    bool NeedsLayout() const { return m_needsLayout; }
    // Lays the caption out, taking the height (and, when hardly any, the
    // width) it needs; clears the mark.
    void LayoutText();

    // The gradient as large as the object, in 256 bands; null until built.
    const QImage &GradientBitmap() const { return m_gradient; }
    void BuildGradient();

    // The font the caption is drawn in at the zoom: its size in points
    // times the zoom, truncated, between 1 and 1000 points.
    QFont DrawingFont() const;
    // The caption as far as it fits in width pixels in font: cut from its
    // end, one character at a time, down to nothing.
    QString FittedCaption(const QFont &font, int width) const;

    // The object's look in its own pixels at the frame's zoom: background
    // and frame, then shadow, surface and outline, or a crossed box for an
    // empty caption.
    void DrawSuperText(QPainter &Canvas, const TObjectFrame &Frame) const;

    // For the properties dialog: its preview takes the object's look and
    // size, and on OK the object takes the preview's text, font, surface,
    // gradient, texture, outline and shadow (its size, transparency,
    // background and border stay), lays out, repaints and tells the panel.
    void CopyToPreview(TLumSuperText &Preview) const;
    void TakeFromPreview(const TLumSuperText &Preview);
    // Sizes a preview to its caption with some room around it.
    void FitPreview();

    // The object's commands.
    // "Font": the font dialog; on OK the font is taken and laid out.
    virtual void ChooseFont();
    void ToggleTransparent();
    // "Background Color": on OK the colour is taken and the object made
    // opaque.
    void ChooseBGColor();
    void ToggleBorder();
    // "Properties", also run by the tool right after it placed the object;
    // false when it was cancelled (true without a dialog to show).
    bool EditProperties();

    void FinishLoad() override;
    void PaintFrame(QPainter &Target, const TObjectFrame &Frame) const override;
    // The height (and, when hardly any, the width) the caption needs at
    // that zoom.
    void FitSize(int &Width, int &Height, float Scale) const override;
    void CheckBoundsChanged() override;
    void ApplyFont(const TFontDesc &Font) override;
    void PrintObject(TCanvasReport &Report, double OffsetX, double OffsetY,
                     float Scale) const override;
    void AddMenuItems(TDesignMenu &Menu) override;

private:
    void Repaint();
    void MarkLayout();
    void UpdateShadowOffset();
    // A change that moves the caption: laid out again, then repainted.
    void Relayout();
    // A change of the gradient: rebuilt when shown, then repainted.
    void RepaintGradient();
    // What a new surface brings: the texture dropped unless it is shown,
    // the gradient built when it is, a visible outline without a surface.
    void TakeSurface();
    void RebuildGradientIfShown();
    // The layout made afresh when marked or made for another size or zoom.
    TSuperTextLayout PaintLayout(const TObjectFrame &frame) const;
    // The layout for an object of width x height at zoom, which it may
    // change.
    TSuperTextLayout MakeLayout(int &width, int &height, float zoom) const;
    QFont DrawingFont(float zoom) const;
    void DrawPlaceholder(QPainter &canvas, const TObjectFrame &frame) const;
    // The surface's paint over the object: font colour, texture tiles or
    // gradient.
    void PaintSurface(QPainter &canvas, const TObjectFrame &frame) const;
    void PrintSurface(TCanvasReport &report, const QPainterPath &text, const QRectF &area) const;

    TSuperTextLook m_look;
    QImage m_image;
    QByteArray m_unreadableImage;

    QPoint m_shadowOffset;
    QImage m_gradient;
    TSuperTextLayout m_layout;
    float m_layoutScale = 0;
    bool m_needsLayout = true;
    bool m_layingOut = false;
    bool m_finished = false;
    quint64 m_revision = 1;
    mutable bool m_painting = false;
    mutable TObjectPicture m_picture;
    mutable TCaptionMasks m_masks;
};

// TLumSuperText, for documents and the clipboard.
void RegisterSuperTextClasses(TClassRegistry &classes);

// The SuperText tool's object once placed: framed, opaque on white, and its
// properties dialog opens; false when that was cancelled.
bool FinishToolSuperText(TLumGraphicControl &object);
