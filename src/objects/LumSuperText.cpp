#include "LumSuperText.h"

#include "BitmapFile.h"
#include "DesignView.h"
#include "DibDecoder.h"
#include "LabelPrompts.h"
#include "LittleEndian.h"
#include "LumBasePanel.h"
#include "Numbers.h"
#include "ObjectMenuItems.h"
#include "PublishedProperties.h"
#include "SuperTextGradient.h"
#include "SuperTextPrompts.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>

#include <cstdlib>

namespace {

// Deeper shadows and wider outlines than this are refused: the dialog
// offers 0 to 10, and a document asking for more would make an object of
// any size.
constexpr int MaxDepth = 255;
constexpr int MaxOutlineWidth = 255;

constexpr qsizetype BitmapLengthSize = 4;
constexpr qsizetype BitmapFileHeaderSize = 14;

TClassInfo MakeSuperTextClass()
{
    TClassInfo info(QStringLiteral("TLumSuperText"), &TLumGraphicControl::BaseClassInfo(),
                    [] { return std::make_unique<TLumSuperText>(); });
    using C = TLumSuperText;
    TPublishedProperties<C>(info)
        .Integer("ShadowDepth", &C::ShadowDepth, &C::SetShadowDepth, 0)
        .Enumeration<TShadowOrientation>("ShadowOrientation", ShadowOrientationNames(),
                                         &C::ShadowOrientation, &C::SetShadowOrientation,
                                         sdDownRight)
        .Colour("Shadowcolor", &C::Shadowcolor, &C::SetShadowcolor, clGray)
        .Enumeration<TBorderStyle>("BorderStyle", BorderStyleNames(), &C::BorderStyle,
                                   &C::SetBorderStyle)
        .Boolean("ControlTransparent", &C::ControlTransparent, &C::SetControlTransparent)
        .Colour("BGColor", &C::BGColor, &C::SetBGColor)
        .String("Caption", &C::Caption, &C::SetCaption)
        .StoredWhen([](const C &text) { return !text.Caption().isEmpty(); })
        .Font("Font", &C::Font, &C::SetFont)
        .Enumeration<TFillDirection>("FillDirection", FillDirectionNames(), &C::FillDirection,
                                     &C::SetFillDirection)
        .Colour("GradientToColor", &C::GradientToColor, &C::SetGradientToColor)
        .Colour("GradientFromColor", &C::GradientFromColor, &C::SetGradientFromColor)
        .Binary("Image.Data", &C::ImageData, &C::SetImageData)
        .StoredWhen([](const C &text) { return text.HasImageData(); })
        .Colour("OutlineColor", &C::OutlineColor, &C::SetOutlineColor)
        .Enumeration<TPenStyle>("OutlineStyle", PenStyleNames(), &C::OutlineStyle,
                                &C::SetOutlineStyle)
        .Integer("OutlineWidth", &C::OutlineWidth, &C::SetOutlineWidth)
        .Enumeration<TSurfaceType>("SurfaceType", SurfaceTypeNames(), &C::SurfaceType,
                                   &C::SetSurfaceType)
        .String("LastBitmapFileNameandPath", &C::LastBitmapFileNameandPath,
                &C::SetLastBitmapFileNameandPath)
        .StoredWhen([](const C &text) { return !text.LastBitmapFileNameandPath().isEmpty(); });
    return info;
}

// The texture behind its 4-byte length; null when it cannot be read.
QImage DecodeImageData(const QByteArray &data)
{
    if (data.size() < BitmapLengthSize + BitmapFileHeaderSize)
        return {};
    const qint64 length = Le32(data, 0);
    if (length < BitmapFileHeaderSize || length > data.size() - BitmapLengthSize)
        return {};
    const QByteArrayView file = QByteArrayView(data).sliced(BitmapLengthSize, length);
    if (!file.startsWith("BM"))
        return {};
    TDibOptions options;
    options.PixelsAt = qint64(Le32(file, 10)) - BitmapFileHeaderSize;
    return DecodeDib(file.sliced(BitmapFileHeaderSize), options).Image;
}

QByteArray EncodeImageData(const QImage &image)
{
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    if (!WriteBitmapFile(image, file))
        return {};
    QByteArray out(BitmapLengthSize, '\0');
    PutLe32(reinterpret_cast<uchar *>(out.data()), quint32(file.data().size()));
    return out + file.data();
}

} // namespace

TLumSuperText::TLumSuperText()
{
    m_look.Font = {QStringLiteral("Arial"), 48, TFontStyle::fsBold, clBlack};
    SetObjectBounds(0, 0, 142, 33);
    UpdateShadowOffset();
}

const TClassInfo &TLumSuperText::Class()
{
    static const TClassInfo info = MakeSuperTextClass();
    return info;
}

void TLumSuperText::SetShadowDepth(int Value)
{
    if (Value >= 0 && Value <= MaxDepth)
        ChangeLook(m_look.ShadowDepth, Value, [this] { UpdateShadowOffset(); });
}

void TLumSuperText::SetShadowOrientation(TShadowOrientation Value)
{
    if (Value >= sdNone && Value <= sdDown)
        ChangeLook(m_look.ShadowDirection, Value, [this] { UpdateShadowOffset(); });
}

void TLumSuperText::UpdateShadowOffset()
{
    m_shadowOffset = ::ShadowOffset(m_look.ShadowDirection, m_look.ShadowDepth);
    Relayout();
}

void TLumSuperText::SetShadowcolor(TColor Value)
{
    ChangeLook(m_look.ShadowColor, Value, [this] { Repaint(); });
}

void TLumSuperText::SetBorderStyle(TBorderStyle Value)
{
    // Transparent text without a frame keeps no more height than it needs.
    if (Value >= bsNone && Value <= bsSingle)
        ChangeLook(m_look.BorderStyle, Value, [this] { Relayout(); });
}

void TLumSuperText::SetControlTransparent(bool Value)
{
    ChangeLook(m_look.Transparent, Value, [this] { Relayout(); });
}

void TLumSuperText::SetBGColor(TColor Value)
{
    ChangeLook(m_look.BackColor, Value, [this] { Repaint(); });
}

void TLumSuperText::SetCaption(const QString &Value)
{
    ChangeLook(m_look.Caption, Value, [this] { Relayout(); });
}

void TLumSuperText::SetFont(const TFontDesc &Value)
{
    ChangeLook(m_look.Font, Value, [this] { Relayout(); });
}

void TLumSuperText::SetFillDirection(TFillDirection Value)
{
    if (Value >= gdUp && Value <= gdRight)
        ChangeLook(m_look.FillDirection, Value, [this] { RepaintGradient(); });
}

void TLumSuperText::SetGradientToColor(TColor Value)
{
    ChangeLook(m_look.GradientTo, Value, [this] { RepaintGradient(); });
}

void TLumSuperText::SetGradientFromColor(TColor Value)
{
    ChangeLook(m_look.GradientFrom, Value, [this] { RepaintGradient(); });
}

void TLumSuperText::SetImage(const QImage &Value)
{
    if (Value == m_image && m_unreadableImage.isEmpty())
        return;
    LookChanged([&] {
        m_image = Value;
        m_unreadableImage.clear();
        Repaint();
    });
}

bool TLumSuperText::HasImageData() const
{
    return !m_image.isNull() || !m_unreadableImage.isEmpty();
}

QByteArray TLumSuperText::ImageData() const
{
    if (m_image.isNull())
        return m_unreadableImage;
    return EncodeImageData(m_image);
}

void TLumSuperText::SetImageData(const QByteArray &Value)
{
    const QImage image = DecodeImageData(Value);
    // Data this program cannot read is written back as it came.
    const QByteArray unreadable = image.isNull() ? Value : QByteArray();
    if (image == m_image && unreadable == m_unreadableImage)
        return;
    LookChanged([&] {
        m_image = image;
        m_unreadableImage = unreadable;
        Repaint();
    });
}

void TLumSuperText::SetOutlineColor(TColor Value)
{
    ChangeLook(m_look.OutlineColor, Value, [this] { Repaint(); });
}

void TLumSuperText::SetOutlineStyle(TPenStyle Value)
{
    if (Value >= psSolid && Value <= psInsideFrame)
        ChangeLook(m_look.OutlineStyle, Value, [this] { Repaint(); });
}

void TLumSuperText::SetOutlineWidth(int Value)
{
    if (Value >= 0 && Value <= MaxOutlineWidth)
        ChangeLook(m_look.OutlineWidth, Value, [this] { Repaint(); });
}

void TLumSuperText::SetSurfaceType(TSurfaceType Value)
{
    if (Value >= stNormal && Value <= stGradientFill)
        ChangeLook(m_look.SurfaceType, Value, [this] { TakeSurface(); });
}

void TLumSuperText::TakeSurface()
{
    if (m_look.SurfaceType != stBrushImage)
        SetImage({});
    if (m_look.SurfaceType == stGradientFill)
        BuildGradient();
    // Text without a surface keeps a visible outline.
    if (m_look.SurfaceType == stBrushTransparent && m_look.OutlineStyle == psClear)
        m_look.OutlineStyle = psSolid;
    Repaint();
}

void TLumSuperText::SetLastBitmapFileNameandPath(const QString &Value)
{
    // Where the texture browser opens shows nowhere on the object.
    ChangeLook(m_look.LastBitmapPath, Value, [] {});
}

void TLumSuperText::Relayout()
{
    MarkLayout();
    Repaint();
}

void TLumSuperText::RepaintGradient()
{
    RebuildGradientIfShown();
    Repaint();
}

void TLumSuperText::Repaint()
{
    ++m_revision;
    if (Parent())
        Parent()->InvalidateObject(Bounds());
}

void TLumSuperText::MarkLayout()
{
    m_needsLayout = true;
    ++m_revision;
    if (!Reading() && m_finished && !m_layingOut)
        LayoutText();
}

void TLumSuperText::FitSize(int &Width, int &Height, float Scale) const
{
    if (m_finished)
        MakeLayout(Width, Height, Scale);
    Width = std::max(Width, 1);
    Height = std::max(Height, 1);
}

void TLumSuperText::LayoutText()
{
    m_layingOut = true;
    // The size the caption takes, at zoom 1 and at the zoom shown.
    RefitBounds();
    int width = Width();
    int height = Height();
    m_layout = MakeLayout(width, height, Scale());
    m_layoutScale = Scale();
    m_needsLayout = false;
    m_layingOut = false;
    Repaint();
}

TSuperTextLayout TLumSuperText::PaintLayout(const TObjectFrame &frame) const
{
    if (!m_needsLayout && m_layoutScale == frame.Scale)
        return m_layout;
    int width = frame.Width();
    int height = frame.Height();
    return MakeLayout(width, height, frame.Scale);
}

void TLumSuperText::BuildGradient()
{
    m_gradient = MakeGradientBitmap(QSize(Width(), Height()), m_look.FillDirection,
                                    m_look.GradientFrom, m_look.GradientTo);
    Repaint();
}

void TLumSuperText::RebuildGradientIfShown()
{
    if (m_look.SurfaceType == stGradientFill)
        BuildGradient();
}

void TLumSuperText::CopyToPreview(TLumSuperText &Preview) const
{
    Preview.SetCaption(m_look.Caption);
    Preview.SetFont(m_look.Font);
    Preview.SetControlTransparent(m_look.Transparent);
    Preview.SetBGColor(m_look.BackColor);
    Preview.SetBorderStyle(m_look.BorderStyle);
    Preview.SetGradientFromColor(m_look.GradientFrom);
    Preview.SetGradientToColor(m_look.GradientTo);
    Preview.SetFillDirection(m_look.FillDirection);
    Preview.SetSurfaceType(m_look.SurfaceType);
    Preview.SetImage(m_image);
    Preview.SetOutlineColor(m_look.OutlineColor);
    Preview.SetOutlineStyle(m_look.OutlineStyle);
    Preview.SetOutlineWidth(m_look.OutlineWidth);
    Preview.SetShadowcolor(m_look.ShadowColor);
    Preview.SetShadowDepth(m_look.ShadowDepth);
    Preview.SetShadowOrientation(m_look.ShadowDirection);
    Preview.SetObjectBounds(Preview.Left(), Preview.Top(), Width(), Height());
}

void TLumSuperText::TakeFromPreview(const TLumSuperText &Preview)
{
    const TNoticeBatch batch(*this);
    SetGradientFromColor(Preview.GradientFromColor());
    SetGradientToColor(Preview.GradientToColor());
    SetFillDirection(Preview.FillDirection());
    SetSurfaceType(Preview.SurfaceType());
    SetImage(Preview.Image());
    SetOutlineColor(Preview.OutlineColor());
    SetOutlineStyle(Preview.OutlineStyle());
    SetOutlineWidth(Preview.OutlineWidth());
    SetShadowcolor(Preview.Shadowcolor());
    SetShadowDepth(Preview.ShadowDepth());
    SetShadowOrientation(Preview.ShadowOrientation());
    SetLastBitmapFileNameandPath(Preview.LastBitmapFileNameandPath());
    SetFont(Preview.Font());
    SetCaption(Preview.Caption());
    RebuildGradientIfShown();
    MarkLayout();
    Repaint();
    NotifyLabelChanged();
}

void TLumSuperText::FitPreview()
{
    const TSuperTextLayout layout = PaintLayout(Frame());
    const QFontMetrics metrics(DrawingFont());
    const int textWidth = metrics.horizontalAdvance(m_look.Caption);
    const int textHeight = metrics.height();
    int width = Trunc(layout.TextRect.Left + 1.2 * textWidth);
    int height = Trunc(1.2 * (layout.TextRect.Top + textHeight));
    if (height < textHeight)
        height = Trunc(1.5 * textHeight);
    if (width < textWidth)
        width = Trunc(1.5 * textWidth);
    SetObjectBounds(Left(), Top(), std::max(width, 1), std::max(height, 1));
}

void TLumSuperText::ChooseFont()
{
    std::optional<TFontDesc> font;
    if (Parent() && Parent()->View())
        font = Parent()->View()->ChooseFont(m_look.Font);
    else if (LabelPrompts().ChooseFont)
        font = LabelPrompts().ChooseFont(m_look.Font);
    if (!font)
        return;
    SetFont(*font);
    MarkLayout();
}

void TLumSuperText::ToggleTransparent()
{
    SetControlTransparent(!m_look.Transparent);
}

void TLumSuperText::ChooseBGColor()
{
    if (!LabelPrompts().ChooseColor)
        return;
    const std::optional<TColor> color = LabelPrompts().ChooseColor(m_look.BackColor);
    if (!color)
        return;
    const TNoticeBatch batch(*this);
    SetBGColor(*color);
    SetControlTransparent(false);
    Repaint();
}

void TLumSuperText::ToggleBorder()
{
    SetBorderStyle(m_look.BorderStyle == bsSingle ? bsNone : bsSingle);
}

bool TLumSuperText::EditProperties()
{
    // Without a dialog to show there is nothing to cancel.
    return !SuperTextPrompts().EditProperties || SuperTextPrompts().EditProperties(*this);
}

void TLumSuperText::FinishLoad()
{
    TLumGraphicControl::FinishLoad();
    m_finished = true;
    RebuildGradientIfShown();
    LayoutText();
}

void TLumSuperText::CheckBoundsChanged()
{
    TLumGraphicControl::CheckBoundsChanged();
    MarkLayout();
    RebuildGradientIfShown();
}

void TLumSuperText::ApplyFont(const TFontDesc &Font)
{
    SetFont(Font);
    MarkLayout();
}

void TLumSuperText::AddMenuItems(TDesignMenu &Menu)
{
    Menu << MenuSeparator()
         << MenuCommand(QCoreApplication::translate("DesignMenu", "Font"), [this] { ChooseFont(); })
         << MenuCheck(QCoreApplication::translate("DesignMenu", "Transparent"), m_look.Transparent,
                      [this] { ToggleTransparent(); })
         << MenuCommand(QCoreApplication::translate("DesignMenu", "Background Color"),
                        [this] { ChooseBGColor(); })
         << MenuCheck(QCoreApplication::translate("DesignMenu", "Border"),
                      m_look.BorderStyle == bsSingle, [this] { ToggleBorder(); })
         << MenuCommand(QCoreApplication::translate("DesignMenu", "Properties"),
                        [this] { EditProperties(); });
}

void RegisterSuperTextClasses(TClassRegistry &classes)
{
    classes.Register(TLumSuperText::Class());
}

bool FinishToolSuperText(TLumGraphicControl &object)
{
    auto *text = dynamic_cast<TLumSuperText *>(&object);
    if (!text)
        return false;
    text->SetBorderStyle(bsSingle);
    text->SetControlTransparent(false);
    text->SetBGColor(clWhite);
    return text->EditProperties();
}
