#include "CalendarPage.h"

#include "CalendarPageLabels.h"
#include "Numbers.h"
#include "Ppi.h"
#include "ProgramFolder.h"

#include <QFile>

#include <algorithm>
#include <cmath>

namespace {

TFontDesc TimesNewRoman(int size, TFontStyles style, TColor color = clWindowText)
{
    return {QStringLiteral("Times New Roman"), size, style, color};
}

// Years the page shows: the range of the toolkit's dates.
constexpr int FirstYear = 1;
constexpr int LastYear = 9999;

} // namespace

TCalendarPage::TCalendarPage()
    : m_titleFont(TimesNewRoman(26, TFontStyle::fsBold)),
      m_headersFont(TimesNewRoman(16, TFontStyle::fsBold)),
      m_cellFont(TimesNewRoman(16, TFontStyle::fsBold)),
      m_miniTitleFont(TimesNewRoman(6, TFontStyle::fsBold)),
      m_miniHeadersFont(TimesNewRoman(8, {}, clWhite)), m_miniCellFont(TimesNewRoman(6, {}))
{
    InstallLabelKinds(*this);
    RegisterObjectKinds();
    ResetToLocaleNames();
    Relayout(true);
}

void TCalendarPage::SetCalendarOrientation(TCalendarOrientation Value)
{
    if (Value == m_calendarOrientation || !InEnumRange(Value, coLandscape))
        return;
    m_calendarOrientation = Value;
    Relayout(false);
}

void TCalendarPage::SetCalendarLayout(TCalendarLayout Value)
{
    if (Value == m_calendarLayout || !InEnumRange(Value, loDay15))
        return;
    m_calendarLayout = Value;
    Relayout(false);
    // The new layout may have turned the page: load the border drawn for it.
    if (!m_wmfBorderFile.isEmpty())
        SetWMFBorderFile(m_wmfBorderFile);
}

void TCalendarPage::SetCalendarLineLayout(TCalendarLineLayout Value)
{
    if (Value == m_calendarLineLayout || !InEnumRange(Value, llCellsOnly))
        return;
    m_calendarLineLayout = Value;
    ApplyLineBorders();
    Repaint();
}

void TCalendarPage::ApplyLineBorders()
{
    switch (m_calendarLineLayout) {
    case llFull:
        m_calendarBorder = cbAll, m_headersBorder = cbAll, m_cellBorder = cbAll;
        break;
    case llHeadersAndCells:
        m_calendarBorder = cbNone, m_headersBorder = cbAll, m_cellBorder = cbAll;
        break;
    case llCellsOnly:
        m_calendarBorder = cbNone, m_headersBorder = cbNone, m_cellBorder = cbAll;
        break;
    }
}

void TCalendarPage::SetMiniCalendarLineLayout(TMiniCalendarLineLayout Value)
{
    if (Value == m_miniCalendarLineLayout || !InEnumRange(Value, mllMinimal))
        return;
    m_miniCalendarLineLayout = Value;
    ApplyMiniLineBorders();
    Repaint();
}

void TCalendarPage::ApplyMiniLineBorders()
{
    switch (m_miniCalendarLineLayout) {
    case mllFull:
        m_miniCalBorder = cbAll, m_miniCellBorder = cbAll, m_miniHeadersBorder = cbAll;
        break;
    case mllBoxed:
        m_miniCalBorder = cbAll, m_miniCellBorder = cbNone, m_miniHeadersBorder = cbTopBottom;
        break;
    case mllMinimal:
        m_miniCalBorder = cbNone, m_miniCellBorder = cbNone, m_miniHeadersBorder = cbTop;
        break;
    }
}

void TCalendarPage::SetFont(TFontDesc &font, const TFontDesc &value)
{
    if (font == value)
        return;
    font = value;
    Repaint();
}

void TCalendarPage::SetRepaintedColor(TColor &color, TColor value)
{
    if (color == value)
        return;
    color = value;
    Repaint();
}

void TCalendarPage::SetMargin(float &margin, float value)
{
    if (value == margin || !(value >= 0.0f && value <= float(MaxMarginInch)))
        return;
    margin = value;
    Relayout(false);
}

void TCalendarPage::SetBorder(TCalBorderStyle &border, TCalBorderStyle value)
{
    if (value == border || !InEnumRange(value, cbTopBottom))
        return;
    border = value;
    Repaint();
}

void TCalendarPage::SetRepaintedFlag(bool &flag, bool value)
{
    if (flag == value)
        return;
    flag = value;
    Repaint();
}

void TCalendarPage::SetMainCalDay(int Value)
{
    if (Value == m_mainCalDay || Value < 0 || Value > 31)
        return;
    m_mainCalDay = Value;
    Relayout(false);
}

void TCalendarPage::SetMainCalMonth(int Value)
{
    if (Value == m_mainCalMonth || Value < 1 || Value > 12)
        return;
    m_mainCalMonth = Value;
    Relayout(false);
}

void TCalendarPage::SetMainCalYear(int Value)
{
    if (Value == m_mainCalYear || Value < FirstYear || Value > LastYear)
        return;
    m_mainCalYear = Value;
    Relayout(false);
}

void TCalendarPage::SetStartOfWeek(int Value)
{
    if (Value == m_startOfWeek)
        return;
    m_startOfWeek = Value;
    Repaint();
}

void TCalendarPage::SetHeadersStyleOf(TCalHeadersStyle &style, TCalHeadersStyle value)
{
    if (value == style || !InEnumRange(value, dsWhole))
        return;
    style = value;
    Repaint();
}

void TCalendarPage::SetNumberPosition(TCalendarNumberPosition Value)
{
    if (Value == m_numberPosition || !InEnumRange(Value, cnpUpperRight))
        return;
    m_numberPosition = Value;
    Repaint();
}

void TCalendarPage::SetWeekNumbers(TWeekNumbers Value)
{
    if (Value == m_weekNumbers || !InEnumRange(Value, wnUs))
        return;
    m_weekNumbers = Value;
    Repaint();
}

void TCalendarPage::SetUserTitle(const QString &Value)
{
    if (Value == m_userTitle)
        return;
    m_userTitle = Value;
    Repaint();
}

void TCalendarPage::SetWMFBorderFile(const QString &Value)
{
    if (Value.isEmpty()) {
        ClearBorder();
    } else {
        const QString extension =
            m_calendarOrientation == coPortrait ? QStringLiteral(".wpo") : QStringLiteral(".wls");
        const QString fileName =
            FindFileNoCase(ProgramFolder(), QStringLiteral("Borders/") + Value + extension);
        if (!fileName.isEmpty()) {
            m_wmfBorderFile = Value;
            if (!LoadBorderPicture(fileName))
                ClearBorder();
        }
    }
    Relayout(false);
    Repaint(TPageChange::Layout);
}

void TCalendarPage::ClearBorder()
{
    m_wmfBorderFile.clear();
    m_borderMetafile.reset();
}

bool TCalendarPage::LoadBorderPicture(const QString &fileName)
{
    // Border pictures are a few kilobytes; a file far larger is no border.
    constexpr qint64 MaxBorderFileSize = 16 * 1024 * 1024;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxBorderFileSize)
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    QString error;
    m_borderMetafile = TWmfPicture::Read(bytes, error);
    return m_borderMetafile.has_value();
}

void TCalendarPage::SetPaperSize(int Value)
{
    if (Value == m_paperSize || (Value != 0 && Value != 1))
        return;
    m_paperSize = Value;
    Relayout(false);
}

void TCalendarPage::SetPlannerStartTime(QTime Value)
{
    if (Value == m_plannerStartTime || !Value.isValid())
        return;
    m_plannerStartTime = Value;
    Relayout(false);
}

int TCalendarPage::LayoutKind() const
{
    if (m_calendarLayout <= loFC12AfterLS)
        return 0;
    if (m_calendarLayout <= loMC60MonthLS)
        return 1;
    return 2 + (m_calendarLayout - loWeek);
}

bool TCalendarPage::CellsFollowDate() const
{
    return LayoutKind() != 1;
}

void TCalendarPage::Relayout(bool ResizeMiniFonts)
{
    const TLayoutInput input{
        m_calendarLayout,  m_paperSize,        m_leftMarginInch,           m_topMarginInch,
        m_rightMarginInch, m_bottomMarginInch, !m_wmfBorderFile.isEmpty(), m_mainCalMonth,
        m_mainCalYear,     ScreenPpi()};
    LayoutCalendar(input, m_layout);
    if (m_calendarHidden) {
        m_layout.ShowMonthGrid = false;
        m_layout.ShowMinis = false;
        m_layout.ShowPlanner = false;
    }
    m_calendarOrientation = m_layout.Orientation;
    if (ResizeMiniFonts && m_layout.MiniFontSize > 0) {
        const int smallSize = MiniSmallFontSize(m_layout.MiniFontSize);
        SetFont(m_miniTitleFont, {m_miniTitleFont.Name, m_layout.MiniFontSize,
                                  m_miniTitleFont.Style, m_miniTitleFont.Color});
        SetFont(m_miniHeadersFont, {m_miniHeadersFont.Name, smallSize, m_miniHeadersFont.Style,
                                    m_miniHeadersFont.Color});
        SetFont(m_miniCellFont,
                {m_miniCellFont.Name, smallSize, m_miniCellFont.Style, m_miniCellFont.Color});
    }
    // The page's size is its layout's.
    Notify(TPageChange::Size);
    Repaint(TPageChange::Layout);
}

void TCalendarPage::SetCalendarHidden(bool Value)
{
    if (Value == m_calendarHidden)
        return;
    m_calendarHidden = Value;
    Relayout(false);
}

QSize TCalendarPage::SizeAt(float Zoom) const
{
    return {Trunc(double(m_layout.PageWidth) * double(Zoom)),
            Trunc(double(m_layout.PageHeight) * double(Zoom))};
}

TRect TCalendarPage::MiniRect(int k) const
{
    return k >= 1 && k <= MaxMinis ? m_layout.MiniRects[k - 1] : TRect{};
}

TMonthYear TCalendarPage::MiniMonth(int k) const
{
    return k >= 1 && k <= MaxMinis ? m_layout.MiniMonths[k - 1] : TMonthYear{};
}

void TCalendarPage::Repaint(TPageChanges Changes)
{
    RecordCellDays();
    Notify(Changes);
}

void TCalendarPage::AddObserver(TPageObserver &Observer)
{
    m_observers.push_back(&Observer);
}

void TCalendarPage::RemoveObserver(TPageObserver &Observer)
{
    std::erase(m_observers, &Observer);
}

void TCalendarPage::Notify(TPageChanges Changes)
{
    // An observer may add or remove observers while it is told: those there
    // at the start are told, but none removed meanwhile.
    const std::vector<TPageObserver *> observers = m_observers;
    for (TPageObserver *observer : observers)
        if (std::ranges::find(m_observers, observer) != m_observers.end())
            observer->PageChanged(Changes);
}
