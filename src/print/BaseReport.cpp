#include "BaseReport.h"

#include "Numbers.h"

namespace {

constexpr double percent = 100.0;

double UnitsPerInch(TPrintUnits units)
{
    switch (units) {
    case unMM:
        return 25.4;
    case unCM:
        return 2.54;
    case unPoint:
        return 72.0;
    case unInch:
    case unUser:
        break;
    }
    return 1.0;
}

void SetPositive(double &target, double value)
{
    if (value > 0)
        target = value;
}

} // namespace

void TBaseReport::SetUnits(TPrintUnits Value)
{
    m_units = Value;
    if (Value != unUser)
        m_unitsFactor = UnitsPerInch(Value);
}

void TBaseReport::SetUnitsFactor(double Value)
{
    SetPositive(m_unitsFactor, Value);
}

void TBaseReport::SetScaleX(double Value)
{
    SetPositive(m_scaleX, Value);
}

void TBaseReport::SetScaleY(double Value)
{
    SetPositive(m_scaleY, Value);
}

QString TBaseReport::StatusText() const
{
    QString text = m_statusFormat;
    return text.replace(QStringLiteral("%p"), QString::number(m_currentPage));
}

int TBaseReport::XU2D(double X) const
{
    return Round((X / m_unitsFactor * m_scaleX / percent - m_unprintable.left()) * m_xDpi);
}

int TBaseReport::YU2D(double Y) const
{
    return Round((Y / m_unitsFactor * m_scaleY / percent - m_unprintable.top()) * m_yDpi);
}

double TBaseReport::XD2U(int X) const
{
    return (double(X) / m_xDpi + m_unprintable.left()) * percent / m_scaleX * m_unitsFactor;
}

double TBaseReport::YD2U(int Y) const
{
    return (double(Y) / m_yDpi + m_unprintable.top()) * percent / m_scaleY * m_unitsFactor;
}

TRect TBaseReport::RectU2D(double Left, double Top, double Right, double Bottom) const
{
    return {XU2D(Left), YU2D(Top), XU2D(Right), YU2D(Bottom)};
}

void TBaseReport::SetPen(TColor Color, TPenStyle Style, int Width, TPenMode Mode)
{
    m_pen = {Color, Style, Mode, Width};
}

void TBaseReport::SetBrush(TColor Color, TBrushStyle Style, const QImage &Pattern)
{
    m_brush = {Color, Style, Pattern};
}

void TBaseReport::SetFont(const QString &Name, double Size)
{
    m_font = TReportFont{};
    m_font.Name = Name;
    m_font.Size = Size;
}

void TBaseReport::SetFont(const TFontDesc &Font)
{
    SetFont(Font.Name, Font.Size);
    m_font.Color = Font.Color;
    m_font.Bold = Font.Style.testFlag(TFontStyle::fsBold);
    m_font.Italic = Font.Style.testFlag(TFontStyle::fsItalic);
    m_font.Underline = Font.Style.testFlag(TFontStyle::fsUnderline);
    m_font.StrikeOut = Font.Style.testFlag(TFontStyle::fsStrikeOut);
}

void TBaseReport::StartNewPage()
{
    NewSheet();
    ++m_currentPage;
}

void TBaseReport::BeginSheets(int XDpi, int YDpi, const QMarginsF &Unprintable)
{
    m_xDpi = XDpi > 0 ? XDpi : 96;
    m_yDpi = YDpi > 0 ? YDpi : 96;
    m_unprintable = Unprintable;
    m_pen = TReportPen{};
    m_brush = TReportBrush{};
    m_font = TReportFont{};
    m_textBKColor = clWhite;
    m_textBKMode = bkTransparent;
    m_lineTop = 0;
    m_currentPage = 1;
}
