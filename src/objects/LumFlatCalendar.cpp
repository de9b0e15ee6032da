#include "LumFlatCalendar.h"

#include "FlatCalendarDrawing.h"
#include "LumBasePanel.h"
#include "Ppi.h"
#include "PublishedProperties.h"

#include <QCoreApplication>
#include <QDate>
#include <QPaintDevice>
#include <QPainter>

namespace {

TClassInfo MakeClass()
{
    TClassInfo info(QStringLiteral("TLumFlatCalendar"), &TLumGraphicControl::BaseClassInfo(),
                    [] { return std::make_unique<TLumFlatCalendar>(); });
    using C = TLumFlatCalendar;
    TPublishedProperties<C>(info)
        .Integer("StartOfWeek", &C::StartOfWeek, &C::SetStartOfWeek)
        .Integer("Month", &C::Month, &C::SetMonth)
        .Integer("Year", &C::Year, &C::SetYear)
        .Font("TitleFont", &C::TitleFont, &C::SetTitleFont)
        .Font("DayNameFont", &C::DayNameFont, &C::SetDayNameFont)
        .Font("CellFont", &C::CellFont, &C::SetCellFont)
        .Boolean("ShowYear", &C::ShowYear, &C::SetShowYear)
        .Colour("DayNameBGColor", &C::DayNameBGColor, &C::SetDayNameBGColor)
        .Enumeration<TFlatCalBorderStyle>("CalendarBorderStyle", FlatCalBorderStyleNames(),
                                          &C::CalendarBorderStyle, &C::SetCalendarBorderStyle)
        .Enumeration<TFlatCalBorderStyle>("DayNameBorderStyle", FlatCalBorderStyleNames(),
                                          &C::DayNameBorderStyle, &C::SetDayNameBorderStyle)
        .Enumeration<TFlatCalBorderStyle>("CellBorderStyle", FlatCalBorderStyleNames(),
                                          &C::CellBorderStyle, &C::SetCellBorderStyle)
        .Enumeration<TFlatCalHeadersStyle>("DayNameStyle", FlatCalHeadersStyleNames(),
                                           &C::DayNameStyle, &C::SetDayNameStyle)
        .Colour("TitleBGcolor", &C::TitleBGcolor, &C::SetTitleBGcolor)
        .Colour("Backgroundcolor", &C::Backgroundcolor, &C::SetBackgroundcolor)
        .Colour("ShadowColor", &C::ShadowColor, &C::SetShadowColor)
        .Integer("ShadowDepth", &C::ShadowDepth, &C::SetShadowDepth)
        .Enumeration<TFlatShadowPosition>("ShadowPosition", FlatShadowPositionNames(),
                                          &C::ShadowPosition, &C::SetShadowPosition)
        .Enumeration<TFlatCalLanguage>("Language", FlatCalLanguageNames(), &C::Language,
                                       &C::SetLanguage)
        .Boolean("CalTransparent", &C::CalTransparent, &C::SetCalTransparent)
        .Enumeration<TWeekNumbers>("WeekNumbers", WeekNumbersNames(), &C::WeekNumbers,
                                   &C::SetWeekNumbers, wnNone);
    return info;
}

TLumFlatCalendar::TEditor &Editor()
{
    static TLumFlatCalendar::TEditor editor;
    return editor;
}

template <class E> bool InRange(E value, E last)
{
    return int(value) >= 0 && int(value) <= int(last);
}

// The largest picture kept from a paint, in pixels; a calendar larger than
// that is drawn anew each time rather than held twice in memory.
constexpr double MaxKeptPixels = 16.0 * 1024 * 1024;

// Bitmaps and the screen, drawn on without scaling or turning, can take the
// kept picture; pictures, paper and PDF get vectors.
bool TakesKeptPicture(const QPainter &target, int width, int height)
{
    const int type = target.device()->devType();
    const bool bitmap =
        type == QInternal::Image || type == QInternal::Pixmap || type == QInternal::Widget;
    const double ratio = target.device()->devicePixelRatioF();
    return bitmap && target.transform().type() <= QTransform::TxTranslate && width > 0 &&
           height > 0 && double(width) * height * ratio * ratio <= MaxKeptPixels;
}

} // namespace

TLumFlatCalendar::TLumFlatCalendar()
{
    const QDate today = QDate::currentDate();
    m_look.Month = today.month();
    m_look.Year = today.year();
}

const TClassInfo &TLumFlatCalendar::Class()
{
    static const TClassInfo info = MakeClass();
    return info;
}

void TLumFlatCalendar::SetEditor(TEditor Value)
{
    Editor() = std::move(Value);
}

void TLumFlatCalendar::Edit()
{
    if (Editor())
        Editor()(*this);
}

void TLumFlatCalendar::SetLook(const TFlatCalendarLook &Value)
{
    SetValue(m_look, Value);
}

void TLumFlatCalendar::TakeLook(const TFlatCalendarLook &Value)
{
    SetMonth(Value.Month);
    SetYear(Value.Year);
    SetTitleFont(Value.TitleFont);
    SetDayNameFont(Value.DayNameFont);
    SetCellFont(Value.CellFont);
    SetDayNameBGColor(Value.DayNameBGColor);
    SetTitleBGcolor(Value.TitleBGcolor);
    SetBackgroundcolor(Value.Backgroundcolor);
    SetCalendarBorderStyle(Value.CalendarBorderStyle);
    SetDayNameBorderStyle(Value.DayNameBorderStyle);
    SetCellBorderStyle(Value.CellBorderStyle);
    SetShadowColor(Value.ShadowColor);
    SetShadowDepth(Value.ShadowDepth);
    SetShadowPosition(Value.ShadowPosition);
    SetDayNameStyle(Value.DayNameStyle);
    SetShowYear(Value.ShowYear);
    SetLanguage(Value.Language);
    SetStartOfWeek(Value.StartOfWeek);
    SetCalTransparent(Value.CalTransparent);
    SetWeekNumbers(Value.WeekNumbers);
    Repaint();
    NotifyLabelChanged();
}

void TLumFlatCalendar::SetStartOfWeek(TFCDayOfWeek Value)
{
    if (Value == 1 || Value == 2)
        SetValue(m_look.StartOfWeek, Value);
}

void TLumFlatCalendar::SetMonth(int Value)
{
    if (Value >= 1 && Value <= 12)
        SetValue(m_look.Month, Value);
}

void TLumFlatCalendar::SetCalendarBorderStyle(TFlatCalBorderStyle Value)
{
    if (InRange(Value, fcbTopBottom))
        SetValue(m_look.CalendarBorderStyle, Value);
}

void TLumFlatCalendar::SetDayNameBorderStyle(TFlatCalBorderStyle Value)
{
    if (InRange(Value, fcbTopBottom))
        SetValue(m_look.DayNameBorderStyle, Value);
}

void TLumFlatCalendar::SetCellBorderStyle(TFlatCalBorderStyle Value)
{
    if (InRange(Value, fcbTopBottom))
        SetValue(m_look.CellBorderStyle, Value);
}

void TLumFlatCalendar::SetDayNameStyle(TFlatCalHeadersStyle Value)
{
    if (InRange(Value, fdsWhole))
        SetValue(m_look.DayNameStyle, Value);
}

void TLumFlatCalendar::SetShadowDepth(int Value)
{
    if (Value <= MaxShadowDepth)
        SetValue(m_look.ShadowDepth, Value);
}

void TLumFlatCalendar::SetShadowPosition(TFlatShadowPosition Value)
{
    if (InRange(Value, fcpUpperLeft))
        SetValue(m_look.ShadowPosition, Value);
}

void TLumFlatCalendar::SetWeekNumbers(TWeekNumbers Value)
{
    if (InRange(Value, wnUs))
        SetValue(m_look.WeekNumbers, Value);
}

void TLumFlatCalendar::SetLanguage(TFlatCalLanguage Value)
{
    if (InRange(Value, fclSpanish))
        SetValue(m_look.Language, Value);
}

void TLumFlatCalendar::SetFont(TFontDesc &field, const TFontDesc &value)
{
    if (field == value)
        return;
    field = value;
    Repaint();
    if (!Reading())
        NotifyLabelChanged();
}

void TLumFlatCalendar::Repaint()
{
    if (Parent())
        Parent()->InvalidateObject(Bounds());
}

void TLumFlatCalendar::Draw(QPainter &Target, const TObjectFrame &Frame) const
{
    const int ppi = ScreenPpi();
    // Rows pushed out by a font too large for the object stay inside it, on
    // paper too, where nothing else clips the recorded picture.
    Target.save();
    Target.setClipRect(0, 0, Frame.Width(), Frame.Height(), Qt::IntersectClip);
    DrawFlatCalendar(Target, m_look,
                     FlatCalendarGeometry(m_look, Frame.Width(), Frame.Height(), Frame.Scale, ppi),
                     ppi);
    Target.restore();
}

const QImage &TLumFlatCalendar::KeptPicture(const TObjectFrame &frame, qreal pixelRatio) const
{
    TPicture &kept = m_picture;
    const int width = frame.Width();
    const int height = frame.Height();
    if (kept.Look == m_look && kept.Width == width && kept.Height == height &&
        kept.Scale == frame.Scale && kept.PixelRatio == pixelRatio && !kept.Image.isNull())
        return kept.Image;
    kept = {m_look, width, height, frame.Scale, pixelRatio, {}};
    kept.Image = QImage(QSize(width, height) * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    kept.Image.setDevicePixelRatio(pixelRatio);
    kept.Image.fill(Qt::transparent);
    QPainter painter(&kept.Image);
    Draw(painter, frame);
    return kept.Image;
}

void TLumFlatCalendar::PaintFrame(QPainter &Target, const TObjectFrame &Frame) const
{
    if (!TakesKeptPicture(Target, Frame.Width(), Frame.Height())) {
        Draw(Target, Frame);
        return;
    }
    Target.drawImage(QPoint(0, 0), KeptPicture(Frame, Target.device()->devicePixelRatioF()));
}

void TLumFlatCalendar::AddMenuItems(TDesignMenu &Menu)
{
    Menu.append(MenuSeparator());
    Menu.append(
        MenuCommand(QCoreApplication::translate("DesignMenu", "Properties"), [this] { Edit(); }));
}
