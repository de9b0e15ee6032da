#pragma once

#include "FlatCalendarLook.h"
#include "LumGraphicControl.h"

#include <QImage>

#include <functional>

// A floating mini calendar: a placed object that draws one month (title,
// weekday row, six weeks of day numbers) in one of five languages,
// anywhere on the page.
//
// Published after the base's properties, every one always written:
// StartOfWeek, Month, Year, TitleFont, DayNameFont, CellFont, ShowYear,
// DayNameBGColor, CalendarBorderStyle, DayNameBorderStyle, CellBorderStyle,
// DayNameStyle, TitleBGcolor, Backgroundcolor, ShadowColor, ShadowDepth,
// ShadowPosition, Language, CalTransparent.
//
// Setters store a changed value and repaint. StartOfWeek takes only 1 and
// 2, ShadowDepth nothing above 10, Month only 1 to 12 and the enumerations
// only their own values; anything else leaves the property as it was. A
// font set notifies the panel of a change as well.
class TLumFlatCalendar : public TLumGraphicControl
{
public:
    // Opens the properties dialog on a calendar; the widget layer sets it.
    using TEditor = std::function<void(TLumFlatCalendar &Calendar)>;

    // A calendar of the current month and year.
    TLumFlatCalendar();

    static const TClassInfo &Class();
    const TClassInfo &ClassInfo() const override { return Class(); }

    static void SetEditor(TEditor Editor);
    // Runs the editor on this calendar, when there is one.
    void Edit();

    const TFlatCalendarLook &Look() const { return m_look; }
    // Every property at once, as a sample is given the object's values.
    void SetLook(const TFlatCalendarLook &Value);
    // The dialog's values taken over in the order the dialog hands them on,
    // then the panel is told of the change.
    void TakeLook(const TFlatCalendarLook &Value);

    TFCDayOfWeek StartOfWeek() const { return m_look.StartOfWeek; }
    void SetStartOfWeek(TFCDayOfWeek Value);
    int Month() const { return m_look.Month; }
    void SetMonth(int Value);
    int Year() const { return m_look.Year; }
    void SetYear(int Value) { SetValue(m_look.Year, Value); }
    const TFontDesc &TitleFont() const { return m_look.TitleFont; }
    void SetTitleFont(const TFontDesc &Value) { SetFont(m_look.TitleFont, Value); }
    const TFontDesc &DayNameFont() const { return m_look.DayNameFont; }
    void SetDayNameFont(const TFontDesc &Value) { SetFont(m_look.DayNameFont, Value); }
    const TFontDesc &CellFont() const { return m_look.CellFont; }
    void SetCellFont(const TFontDesc &Value) { SetFont(m_look.CellFont, Value); }
    bool ShowYear() const { return m_look.ShowYear; }
    void SetShowYear(bool Value) { SetValue(m_look.ShowYear, Value); }
    TColor DayNameBGColor() const { return m_look.DayNameBGColor; }
    void SetDayNameBGColor(TColor Value) { SetValue(m_look.DayNameBGColor, Value); }
    TFlatCalBorderStyle CalendarBorderStyle() const { return m_look.CalendarBorderStyle; }
    void SetCalendarBorderStyle(TFlatCalBorderStyle Value);
    TFlatCalBorderStyle DayNameBorderStyle() const { return m_look.DayNameBorderStyle; }
    void SetDayNameBorderStyle(TFlatCalBorderStyle Value);
    TFlatCalBorderStyle CellBorderStyle() const { return m_look.CellBorderStyle; }
    void SetCellBorderStyle(TFlatCalBorderStyle Value);
    TFlatCalHeadersStyle DayNameStyle() const { return m_look.DayNameStyle; }
    void SetDayNameStyle(TFlatCalHeadersStyle Value);
    TColor TitleBGcolor() const { return m_look.TitleBGcolor; }
    void SetTitleBGcolor(TColor Value) { SetValue(m_look.TitleBGcolor, Value); }
    TColor Backgroundcolor() const { return m_look.Backgroundcolor; }
    void SetBackgroundcolor(TColor Value) { SetValue(m_look.Backgroundcolor, Value); }
    TColor ShadowColor() const { return m_look.ShadowColor; }
    void SetShadowColor(TColor Value) { SetValue(m_look.ShadowColor, Value); }
    int ShadowDepth() const { return m_look.ShadowDepth; }
    void SetShadowDepth(int Value);
    TFlatShadowPosition ShadowPosition() const { return m_look.ShadowPosition; }
    void SetShadowPosition(TFlatShadowPosition Value);
    TFlatCalLanguage Language() const { return m_look.Language; }
    void SetLanguage(TFlatCalLanguage Value);
    bool CalTransparent() const { return m_look.CalTransparent; }
    void SetCalTransparent(bool Value) { SetValue(m_look.CalTransparent, Value); }
    TWeekNumbers WeekNumbers() const { return m_look.WeekNumbers; }
    void SetWeekNumbers(TWeekNumbers Value);

    // The calendar drawn at the frame's size and zoom, vectors on any device.
    void Draw(QPainter &Target, const TObjectFrame &Frame) const;
    // Nothing while the panel's painting is suspended (unless it prints);
    // on bitmaps and the screen a picture kept from the last paint is put
    // down while nothing it shows changed.
    void PaintFrame(QPainter &Target, const TObjectFrame &Frame) const override;
    void AddMenuItems(TDesignMenu &Menu) override;

private:
    template <class T> void SetValue(T &field, const T &value)
    {
        if (field == value)
            return;
        field = value;
        Repaint();
    }
    void SetFont(TFontDesc &field, const TFontDesc &value);
    void Repaint();

    // What the kept picture shows.
    struct TPicture
    {
        TFlatCalendarLook Look;
        int Width = 0;
        int Height = 0;
        float Scale = 0;
        qreal PixelRatio = 0;
        QImage Image;
    };
    const QImage &KeptPicture(const TObjectFrame &frame, qreal pixelRatio) const;

    TFlatCalendarLook m_look;
    mutable TPicture m_picture;
};
