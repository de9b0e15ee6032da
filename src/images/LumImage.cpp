#include "LumImage.h"

#include "CanvasReport.h"
#include "ImagePrompt.h"
#include "LumBasePanel.h"
#include "Messages.h"
#include "Numbers.h"
#include "Ppi.h"
#include "PublishedProperties.h"
#include "WmfPicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QPainter>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int sizeAtCreation = 105;
constexpr int centred = 50;

TClassInfo MakeClass()
{
    TClassInfo info(u"TLumImage"_s, &TLumGraphicControl::BaseClassInfo(),
                    [] { return std::make_unique<TLumImage>(); });
    using C = TLumImage;
    TPublishedProperties<C>(info)
        .Boolean("AutoSize", &C::AutoSize, &C::SetAutoSize, false)
        .Enumeration<TBorderStyle>("BorderStyle", BorderStyleNames(), &C::BorderStyle,
                                   &C::SetBorderStyle)
        .Binary("Picture.Data", &C::PictureData, &C::SetPictureData)
        .StoredWhen([](const C &image) { return !image.Picture().IsEmpty(); })
        .Boolean("Stretch", &C::Stretch, &C::SetStretch, true)
        .Boolean("Reverse", &C::Reverse, &C::SetReverse)
        .Boolean("Flip", &C::Flip, &C::SetFlip)
        .Enumeration<TImageFit>("Fit", ImageFitNames(), &C::Fit, &C::SetFit, ifStretch)
        .Integer("CropX", &C::CropX, &C::SetCropX, centred)
        .Integer("CropY", &C::CropY, &C::SetCropY, centred)
        .Boolean("PicturePerPage", &C::PicturePerPage, &C::SetPicturePerPage, false);
    return info;
}

// A frame 1 pixel wide along the inside of the rectangle (0, 0, w, h).
void DrawFrame(QPainter &painter, int w, int h)
{
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, w - 1, h - 1);
    painter.restore();
}

// A metafile played as vectors into whole, cut to the frame of the report.
void PlayOnReport(TCanvasReport &report, const TRect &frame, const QRectF &whole,
                  const TWmfPicture &metafile)
{
    QPainter *canvas = report.Canvas();
    canvas->save();
    canvas->setClipRect(frame.ToQRect(), Qt::IntersectClip);
    metafile.Play(*canvas, whole);
    canvas->restore();
}

// The pixels whose edges lie nearest those of rect.
QRect Rounded(const QRectF &rect)
{
    const QPoint topLeft(Round(rect.left()), Round(rect.top()));
    return QRect(topLeft, QPoint(Round(rect.right()), Round(rect.bottom())) - QPoint(1, 1));
}

TRect DeviceRect(const QRect &rect)
{
    return TRect{rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1};
}

} // namespace

const TClassInfo &TLumImage::Class()
{
    static const TClassInfo info = MakeClass();
    return info;
}

TLumImage::TLumImage()
{
    SetObjectBounds(0, 0, sizeAtCreation, sizeAtCreation);
}

void TLumImage::SetAutoSize(bool Value)
{
    if (Value == m_autoSize)
        return;
    m_autoSize = Value;
    m_stretch = !Value;
    PictureChanged();
    NotifyLabelChanged();
}

void TLumImage::SetStretch(bool Value)
{
    if (Value == m_stretch)
        return;
    m_stretch = Value;
    m_autoSize = !Value;
    // AutoSize changed with it: the size follows the picture, and documents
    // store it.
    PictureChanged();
    NotifyLabelChanged();
}

void TLumImage::SetBorderStyle(TBorderStyle Value)
{
    if (Value == m_borderStyle)
        return;
    m_borderStyle = Value;
    Repaint();
    NotifyLabelChanged();
}

void TLumImage::SetFlag(bool &flag, bool Value)
{
    if (Value == flag)
        return;
    flag = Value;
    Repaint();
    NotifyLabelChanged();
}

void TLumImage::SetReverse(bool Value)
{
    SetFlag(m_reverse, Value);
}

void TLumImage::SetFlip(bool Value)
{
    SetFlag(m_flip, Value);
}

void TLumImage::SetFit(TImageFit Value)
{
    if (Value == m_fit || Value < ifStretch || Value > ifFill)
        return;
    m_fit = Value;
    Repaint();
    NotifyLabelChanged();
}

void TLumImage::SetPicturePerPage(bool Value)
{
    if (Value == m_picturePerPage)
        return;
    m_picturePerPage = Value;
    NotifyLabelChanged();
}

void TLumImage::SetNumber(int &number, int Value)
{
    Value = std::clamp(Value, 0, 100);
    if (Value == number)
        return;
    number = Value;
    Repaint();
    NotifyLabelChanged();
}

void TLumImage::SetCropX(int Value)
{
    SetNumber(m_cropX, Value);
}

void TLumImage::SetCropY(int Value)
{
    SetNumber(m_cropY, Value);
}

bool TLumImage::DragsContent() const
{
    return m_fit == ifFill && m_picture.CanDraw() &&
           FillOverflows(QSizeF(m_picture.Width(), m_picture.Height()),
                         QSizeF(UnzoomedWidth(), UnzoomedHeight()));
}

void TLumImage::BeginContentDrag()
{
    m_dragCrop = QPoint(m_cropX, m_cropY);
}

void TLumImage::DragContent(QPointF Moved)
{
    const QPoint crop = DraggedCrop(QSizeF(m_picture.Width(), m_picture.Height()),
                                    QSizeF(UnzoomedWidth(), UnzoomedHeight()), m_dragCrop, Moved);
    SetCropX(crop.x());
    SetCropY(crop.y());
}

bool TLumImage::ContentMoved() const
{
    return QPoint(m_cropX, m_cropY) != m_dragCrop;
}

TFittedPicture TLumImage::Fitted(const QRectF &frame) const
{
    return FitPicture(QSizeF(m_picture.Width(), m_picture.Height()), frame, m_fit, m_cropX,
                      m_cropY);
}

void TLumImage::SetPicture(const TLumPicture &Value)
{
    m_picture = Value;
    PictureChanged();
}

void TLumImage::SetPictureData(const QByteArray &Value)
{
    const TLumPicture *known = m_knownPictures ? m_knownPictures->Find(Value) : nullptr;
    SetPicture(known ? *known : TLumPicture::FromStoredData(Value));
}

void TLumImage::SetKnownPictures(std::shared_ptr<const TKnownPictures> Pictures)
{
    m_knownPictures = std::move(Pictures);
}

void TLumImage::PictureChanged()
{
    // A record read sets its bounds itself.
    if (!Reading())
        RefitBounds();
    m_opaque =
        m_picture.IsBitmap() && m_picture.Width() == Width() && m_picture.Height() == Height();
    Repaint();
}

void TLumImage::Repaint()
{
    ++m_revision;
    if (Parent())
        Parent()->InvalidateObject(Bounds());
}

bool TLumImage::LoadImageFromDisk()
{
    const QString folder = QDir::currentPath();
    const std::optional<TImageChoice> choice = AskForImage(m_stretch, m_autoSize);
    bool taken = false;
    if (choice && !choice->FileName.isEmpty()) {
        taken = choice->Picture.CanDraw();
        if (taken) {
            m_picture = choice->Picture;
            m_stretch = choice->Stretch;
            m_autoSize = choice->AutoSize;
            PictureChanged();
            NotifyLabelChanged();
        } else {
            if (!choice->Told)
                ShowWarning(QCoreApplication::translate("LumImage", "Error loading file!"),
                            QCoreApplication::translate("LumImage", "Error"));
            SetPicture({});
        }
    }
    QDir::setCurrent(folder);
    return taken;
}

void TLumImage::DrawPicture(QPainter &Target, const TObjectFrame &Frame) const
{
    const int w = Frame.Width();
    const int h = Frame.Height();
    Target.save();
    Target.fillRect(QRect(0, 0, w, h), Qt::white);
    if (!m_picture.CanDraw()) {
        DrawFrame(Target, w, h);
    } else {
        const QRectF whole = Fitted(QRectF(0, 0, w, h)).Whole;
        Target.setClipRect(QRect(0, 0, w, h), Qt::IntersectClip);
        if (m_picture.IsBitmap() && (m_flip || m_reverse)) {
            Target.translate(whole.center());
            Target.scale(m_reverse ? -1 : 1, m_flip ? -1 : 1);
            Target.translate(-whole.center());
        }
        m_picture.StretchDraw(Target, whole);
    }
    Target.restore();
}

bool TLumImage::ShownAsItIs(const TObjectFrame &frame) const
{
    const QImage &bitmap = m_picture.Image();
    return m_picture.IsBitmap() && !m_flip && !m_reverse && bitmap.width() == frame.Width() &&
           bitmap.height() == frame.Height() && !bitmap.hasAlphaChannel();
}

void TLumImage::PaintFrame(QPainter &Target, const TObjectFrame &Frame) const
{
    if (ShownAsItIs(Frame))
        Target.drawImage(0, 0, m_picture.Image());
    else
        m_shown.Paint(Target, QSize(Frame.Width(), Frame.Height()), Frame.Scale, m_revision,
                      [this, &Frame](QPainter &canvas) { DrawPicture(canvas, Frame); });
    if (m_borderStyle == bsSingle)
        DrawFrame(Target, Frame.Width(), Frame.Height());
}

void TLumImage::FitSize(int &Width, int &Height, float Scale) const
{
    const int w = m_picture.Width();
    const int h = m_picture.Height();
    if (!m_autoSize || w <= 0 || h <= 0)
        return;
    Width = Round(w * double(Scale));
    Height = Round(h * double(Scale));
}

void TLumImage::FinishLoad()
{
    TLumGraphicControl::FinishLoad();
    // An auto-sized picture read from a record takes its picture's size, as
    // any change of picture does.
    RefitBounds();
}

QImage TLumImage::PrintedBitmap() const
{
    if (m_picture.IsBitmap())
        return m_picture.Image().mirrored(m_reverse, m_flip);
    // An icon laid on white, as the screen shows it.
    QImage bitmap(m_picture.Image().size(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    QPainter painter(&bitmap);
    painter.drawImage(0, 0, m_picture.Image());
    return bitmap;
}

void TLumImage::PrintObject(TCanvasReport &Report, double OffsetX, double OffsetY,
                            float Scale) const
{
    const TBounds at = FrameAt(Scale).Bounds;
    if (!Report.HasCanvas() || at.Width <= 0 || at.Height <= 0)
        return;
    const double pixels = double(ScreenPpi()) * (Scale * 10 == 0 ? 1.0 : double(Scale));
    const TRect device = Report.RectU2D(OffsetX + at.Left / pixels, OffsetY + at.Top / pixels,
                                        OffsetX + (at.Left + at.Width) / pixels,
                                        OffsetY + (at.Top + at.Height) / pixels);
    const QRectF frame(device.Left, device.Top, device.Width(), device.Height());
    if (const TWmfPicture *metafile = m_picture.Metafile()) {
        PlayOnReport(Report, device, Fitted(frame).Whole, *metafile);
    } else if (m_picture.CanDraw()) {
        // The part that shows, at the picture's own resolution.
        const QImage bitmap = PrintedBitmap();
        const TRect bled = Report.Bled(device);
        const TFittedPicture placed = BledPicture(
            QSizeF(bitmap.size()), frame, QRectF(bled.Left, bled.Top, bled.Width(), bled.Height()),
            m_fit, m_cropX, m_cropY);
        const QRect source = Rounded(placed.Source).intersected(bitmap.rect());
        Report.StretchDraw(DeviceRect(Rounded(placed.Target)),
                           source == bitmap.rect() ? bitmap : bitmap.copy(source));
    }
    if (m_borderStyle == bsSingle) {
        Report.SetPen(clBlack, psSolid, 1, pmCopy);
        Report.SetBrush(clWhite, bsClear);
        Report.Rectangle(device);
    }
}

void TLumImage::AddMenuItems(TDesignMenu &Menu)
{
    const bool bitmap = m_picture.IsBitmap();
    const auto check = [](const QString &caption, bool checked, std::function<void()> command,
                          bool enabled = true) {
        return TDesignMenuItem{caption, enabled, true, checked, std::move(command)};
    };
    Menu << MenuSeparator()
         << MenuCommand(QCoreApplication::translate("DesignMenu", "Load Image From Disk"),
                        [this] { LoadImageFromDisk(); })
         << MenuSeparator()
         << check(QCoreApplication::translate("DesignMenu", "Border"), m_borderStyle == bsSingle,
                  [this] { SetBorderStyle(m_borderStyle == bsSingle ? bsNone : bsSingle); })
         << check(QCoreApplication::translate("DesignMenu", "Stretch to Fit"), m_stretch,
                  [this] { SetStretch(!m_stretch); })
         << check(QCoreApplication::translate("DesignMenu", "AutoSize"), m_autoSize,
                  [this] { SetAutoSize(!m_autoSize); })
         << check(
                QCoreApplication::translate("DesignMenu", "Flip"), m_flip,
                [this] { SetFlip(!m_flip); }, bitmap)
         << check(
                QCoreApplication::translate("DesignMenu", "Reverse"), m_reverse,
                [this] { SetReverse(!m_reverse); }, bitmap)
         << MenuSeparator();
    const auto fit = [this, &check](const QString &caption, TImageFit value) {
        return check(caption, m_stretch && m_fit == value, [this, value] {
            SetStretch(true);
            SetFit(value);
        });
    };
    Menu << fit(QCoreApplication::translate("DesignMenu", "Fit"), ifFit)
         << fit(QCoreApplication::translate("DesignMenu", "Stretch"), ifStretch)
         << fit(QCoreApplication::translate("DesignMenu", "Fill"), ifFill) << MenuSeparator()
         << check(QCoreApplication::translate("DesignMenu", "One Picture per Page"),
                  m_picturePerPage, [this] { SetPicturePerPage(!m_picturePerPage); });
}

void RegisterImageClasses()
{
    PlacedObjectClasses().Register(TLumImage::Class());
}

TKnownPicturesReading::TKnownPicturesReading(TClassRegistry &classes,
                                             std::shared_ptr<const TKnownPictures> known)
    : m_classes(classes), m_previous(classes.Find(TLumImage::Class().ClassName())),
      m_class(TLumImage::Class().ClassName(), &TLumImage::Class(), [known = std::move(known)] {
          auto image = std::make_unique<TLumImage>();
          image->SetKnownPictures(known);
          return image;
      })
{
    if (m_previous)
        m_classes.Register(m_class);
}

TKnownPicturesReading::~TKnownPicturesReading()
{
    if (m_previous)
        m_classes.Register(*m_previous);
}
