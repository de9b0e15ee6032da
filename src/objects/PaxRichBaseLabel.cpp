#include "PaxRichBaseLabel.h"

#include "LabelPrompts.h"
#include "LumBasePanel.h"
#include "MasterRichText.h"
#include "Numbers.h"
#include "ObjectMenuItems.h"
#include "PublishedProperties.h"

#include <QCoreApplication>
#include <QPaintEngine>
#include <QPainter>

namespace {

TClassInfo MakeClass()
{
    TClassInfo info(QStringLiteral("TPaxRichBaseLabel"), &TLumGraphicControl::BaseClassInfo(),
                    [] { return std::make_unique<TPaxRichBaseLabel>(); });
    using C = TPaxRichBaseLabel;
    TPublishedProperties<C>(info)
        .Binary("RTFText.Data", &C::RTFData, &C::SetRTFData)
        // An empty document is not written at all.
        .StoredWhen([](const C &label) { return !label.RTFText().IsEmpty(); })
        .Enumeration<TBorderStyle>("BorderStyle", BorderStyleNames(), &C::BorderStyle,
                                   &C::SetBorderStyle)
        .Boolean("Transparent", &C::Transparent, &C::SetTransparent)
        .Colour("BGColor", &C::BGColor, &C::SetBGColor);
    return info;
}

// Whether canvas records what it is given for a device of its own.
bool Recording(const QPainter &canvas)
{
    const QPaintEngine *engine = canvas.paintEngine();
    return engine && engine->type() != QPaintEngine::Raster;
}

} // namespace

TPaxRichBaseLabel::TPaxRichBaseLabel()
{
    SetObjectBounds(0, 0, 190, 33);
    OnEdit = [this] { Edit(); };
}

TPaxRichBaseLabel::~TPaxRichBaseLabel() = default;

const TClassInfo &TPaxRichBaseLabel::Class()
{
    static const TClassInfo info = MakeClass();
    return info;
}

void TPaxRichBaseLabel::SetRTFText(const TWPRTFTextPaint &Value)
{
    if (Value.SaveData() == RTFData())
        return;
    LookChanged([&] {
        m_storage.SetRtfText(Value);
        Repaint();
    });
}

void TPaxRichBaseLabel::SetRTFData(const QByteArray &Value)
{
    if (Value == RTFData())
        return;
    LookChanged([&] {
        if (Value.isEmpty())
            m_storage.RtfText().Clear();
        else
            m_storage.RtfText().LoadData(Value);
        Repaint();
    });
}

void TPaxRichBaseLabel::SetBorderStyle(TBorderStyle Value)
{
    if (Value >= bsNone && Value <= bsSingle)
        ChangeLook(m_box.BorderStyle, Value, [this] { Repaint(); });
}

void TPaxRichBaseLabel::SetTransparent(bool Value)
{
    ChangeLook(m_box.Transparent, Value, [this] { Repaint(); });
}

void TPaxRichBaseLabel::SetBGColor(TColor Value)
{
    ChangeLook(m_box.BackColor, Value, [this] { Repaint(); });
}

void TPaxRichBaseLabel::Repaint()
{
    ++m_revision;
    if (Parent())
        Parent()->InvalidateObject(Bounds());
}

TMasterRichText *TPaxRichBaseLabel::FindMasterRichText() const
{
    if (!Parent())
        return nullptr;
    if (auto *host = dynamic_cast<TMasterRichTextHost *>(Parent()))
        return host->FindMasterRichText(TMasterRichText::DefaultName());
    return &SharedMasterRichText();
}

int TPaxRichBaseLabel::LayoutWidth() const
{
    return UnzoomedBounds().Width;
}

int TPaxRichBaseLabel::ZoomPercent(float scale)
{
    return Trunc(double(scale) * 100);
}

void TPaxRichBaseLabel::DrawRich(QPainter &Canvas, const TObjectFrame &Frame) const
{
    const TMasterRichText *master = FindMasterRichText();
    if (!master)
        return;
    const QRect rect(0, 0, Frame.Width(), Frame.Height());
    Canvas.save();
    if (!m_box.Transparent)
        Canvas.fillRect(rect, ToQColor(m_box.BackColor));
    master->RenderPage(Canvas, m_storage.RtfText(), rect, LayoutWidth(), ZoomPercent(Frame.Scale),
                       Recording(Canvas) ? TWPPaintTarget::Metafile : TWPPaintTarget::Bitmap,
                       &m_layout);
    if (m_box.BorderStyle == bsSingle) {
        Canvas.setPen(QPen(Qt::black, 1, Qt::SolidLine));
        Canvas.setBrush(Qt::NoBrush);
        Canvas.drawRect(0, 0, Frame.Width() - 1, Frame.Height() - 1);
    }
    Canvas.restore();
}

void TPaxRichBaseLabel::PaintFrame(QPainter &Target, const TObjectFrame &Frame) const
{
    m_picture.Paint(Target, QSize(Frame.Width(), Frame.Height()), Frame.Scale, m_revision,
                    [this, &Frame](QPainter &canvas) { DrawRich(canvas, Frame); });
}

bool TPaxRichBaseLabel::Edit()
{
    // Without an editor to show there is nothing to cancel.
    if (!LabelPrompts().EditRichText)
        return true;
    std::optional<TWPRTFTextPaint> text = LabelPrompts().EditRichText(*this);
    if (!text)
        return false;
    SetRTFText(*text);
    return true;
}

void TPaxRichBaseLabel::ToggleTransparent()
{
    SetTransparent(!m_box.Transparent);
}

void TPaxRichBaseLabel::ChooseBGColor()
{
    if (!LabelPrompts().ChooseColor)
        return;
    const std::optional<TColor> color = LabelPrompts().ChooseColor(m_box.BackColor);
    if (!color)
        return;
    const TNoticeBatch batch(*this);
    SetBGColor(*color);
    SetTransparent(false);
    Repaint();
}

void TPaxRichBaseLabel::ToggleBorder()
{
    SetBorderStyle(m_box.BorderStyle == bsSingle ? bsNone : bsSingle);
}

void TPaxRichBaseLabel::AddMenuItems(TDesignMenu &Menu)
{
    Menu << MenuSeparator()
         << MenuCheck(QCoreApplication::translate("DesignMenu", "Transparent"), m_box.Transparent,
                      [this] { ToggleTransparent(); })
         << MenuCommand(QCoreApplication::translate("DesignMenu", "Background Color"),
                        [this] { ChooseBGColor(); })
         << MenuCheck(QCoreApplication::translate("DesignMenu", "Border"),
                      m_box.BorderStyle == bsSingle, [this] { ToggleBorder(); })
         << MenuCommand(QCoreApplication::translate("DesignMenu", "Edit"), [this] { Edit(); });
}
