#pragma once

#include "FontDesc.h"
#include "PrintTypes.h"
#include "Rect.h"
#include "ReportTools.h"

#include <QMarginsF>
#include <QString>

// What every report keeps apart from the surface it draws on: units and
// scale, the sheet's resolution and unprintable margins, the pen, brush and
// font, the current text line and the page sequence.
//
// Positions are report units measured from the top-left corner of the
// physical sheet; UnitsFactor is the number of units per inch (1 for inches).
// A position x becomes the device pixel
// Round((x / UnitsFactor * ScaleX / 100 - UnprintableLeft) * XDpi)
// counted from the printable area's left edge (rounding half to even), and
// likewise for y.
class TBaseReport
{
public:
    TBaseReport() = default;
    virtual ~TBaseReport() = default;
    TBaseReport(const TBaseReport &) = delete;
    TBaseReport &operator=(const TBaseReport &) = delete;

    // Published properties.
    const QString &StatusFormat() const { return m_statusFormat; }
    void SetStatusFormat(const QString &Value) { m_statusFormat = Value; }
    const QString &Title() const { return m_title; }
    void SetTitle(const QString &Value) { m_title = Value; }
    TPrintUnits Units() const { return m_units; }
    // A fixed unit also sets UnitsFactor; unUser keeps the factor as it is.
    void SetUnits(TPrintUnits Value);
    double UnitsFactor() const { return m_unitsFactor; }
    // Values that are not positive are ignored.
    void SetUnitsFactor(double Value);
    // Percentages applied to positions; values that are not positive are
    // ignored.
    double ScaleX() const { return m_scaleX; }
    void SetScaleX(double Value);
    double ScaleY() const { return m_scaleY; }
    void SetScaleY(double Value);

    // StatusFormat with "%p" replaced by the current page number.
    QString StatusText() const;

    // The sheet being drawn on: its resolution and, in inches, the distance
    // from each edge of the sheet to the printable area.
    int XDpi() const { return m_xDpi; }
    int YDpi() const { return m_yDpi; }
    virtual QMarginsF UnprintableMargins() const { return m_unprintable; }
    double UnprintableLeft() const { return UnprintableMargins().left(); }
    double UnprintableTop() const { return UnprintableMargins().top(); }
    double UnprintableRight() const { return UnprintableMargins().right(); }
    double UnprintableBottom() const { return UnprintableMargins().bottom(); }

    // Report units to device pixels and back.
    int XU2D(double X) const;
    int YU2D(double Y) const;
    double XD2U(int X) const;
    double YD2U(int Y) const;
    TRect RectU2D(double Left, double Top, double Right, double Bottom) const;

    const TReportPen &Pen() const { return m_pen; }
    void SetPen(const TReportPen &Value) { m_pen = Value; }
    // Width in device pixels; a negative width is thousandths of an inch.
    void SetPen(TColor Color, TPenStyle Style, int Width, TPenMode Mode = pmCopy);
    const TReportBrush &Brush() const { return m_brush; }
    void SetBrush(TColor Color, TBrushStyle Style, const QImage &Pattern = {});

    const TReportFont &Font() const { return m_font; }
    // Chooses a face and size in points; colour, rotation, bold, italic,
    // underline and strike-out start afresh (black, upright, plain).
    void SetFont(const QString &Name, double Size);
    // A page font: face, size, colour and its style set.
    void SetFont(const TFontDesc &Font);
    void SetFontBold(bool Value) { m_font.Bold = Value; }
    void SetFontItalic(bool Value) { m_font.Italic = Value; }
    void SetFontUnderline(bool Value) { m_font.Underline = Value; }
    void SetFontStrikeOut(bool Value) { m_font.StrikeOut = Value; }
    void SetFontColor(TColor Value) { m_font.Color = Value; }
    // Tenths of a degree, counter-clockwise.
    void SetFontRotation(int Value) { m_font.Rotation = Value; }

    TColor TextBKColor() const { return m_textBKColor; }
    void SetTextBKColor(TColor Value) { m_textBKColor = Value; }
    TBKMode TextBKMode() const { return m_textBKMode; }
    void SetTextBKMode(TBKMode Value) { m_textBKMode = Value; }

    // The current text line, in device pixels from the printable area's top.
    int LineTop() const { return m_lineTop; }
    int LineBottom() const { return m_lineTop + LineHeight(); }
    // Places the current line by its top or its bottom, at Y in report units.
    void SetLineTop(double Y) { m_lineTop = YU2D(Y); }
    void SetLineBottom(double Y) { m_lineTop = YU2D(Y) - LineHeight(); }
    // The height of one line of the current font, in device pixels.
    virtual int LineHeight() const = 0;

    // Pages count from 1 within a job.
    int CurrentPage() const { return m_currentPage; }
    // Ends the current sheet and starts the next one.
    void StartNewPage();

protected:
    // A new surface: its resolution and unprintable margins; the pen, brush,
    // font, text background and current line start afresh on page 1.
    void BeginSheets(int XDpi, int YDpi, const QMarginsF &Unprintable);
    virtual void NewSheet() = 0;

private:
    QString m_statusFormat = QStringLiteral("Printing page %p");
    QString m_title = QStringLiteral("ReportPrinter Report");
    TPrintUnits m_units = unInch;
    double m_unitsFactor = 1.0;
    double m_scaleX = 100.0;
    double m_scaleY = 100.0;

    int m_xDpi = 96;
    int m_yDpi = 96;
    QMarginsF m_unprintable;

    TReportPen m_pen;
    TReportBrush m_brush;
    TReportFont m_font;
    TColor m_textBKColor = clWhite;
    TBKMode m_textBKMode = bkTransparent;
    int m_lineTop = 0;
    int m_currentPage = 1;
};
