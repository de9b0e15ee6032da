#include "CalendarDates.h"
#include "CalendarPage.h"
#include "LanguageNames.h"
#include "Translations.h"

#include <QLocale>
#include <QTextDocument>

namespace {

bool IsCellIndex(int index)
{
    return index >= 1 && index <= CellCount;
}

} // namespace

const TCellGeometry &TCalendarPage::Geometry(int Index) const
{
    return m_mainAttributes.CellGeometry[Index - 1];
}

void TCalendarPage::GetCellText(int Index, TWPRtfStorage &Document) const
{
    if (IsCellIndex(Index))
        Document.Assign(m_cells[Index - 1]);
}

void TCalendarPage::SetCellText(int Index, const TWPRtfStorage &Source)
{
    if (!IsCellIndex(Index))
        return;
    m_cells[Index - 1].Assign(Source);
    Repaint(TPageChange::Cells);
}

void TCalendarPage::EditCellText(int Index, const std::function<void(TWPRTFTextPaint &)> &edit)
{
    if (!IsCellIndex(Index))
        return;
    TWPRTFTextPaint &cell = m_cells[Index - 1].RtfText();
    QTextDocument &document = cell.Document();
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    edit(cell);
    document.setUndoRedoEnabled(undo);
    Repaint(TPageChange::Cells);
}

const TWPRTFTextPaint *TCalendarPage::CellDocument(int Index) const
{
    return IsCellIndex(Index) ? &m_cells[Index - 1].RtfText() : nullptr;
}

int TCalendarPage::CellDay(int Index) const
{
    return IsCellIndex(Index) ? Geometry(Index).iDay : 0;
}

int TCalendarPage::CellOfDay(int Day) const
{
    for (int index = 1; index <= CellCount; ++index) {
        if (Geometry(index).iDay == Day)
            return index;
    }
    return -1;
}

int TCalendarPage::CellAt(int X, int Y) const
{
    for (int index = 1; index <= CellCount; ++index) {
        if (Geometry(index).rTotal.Contains(X, Y))
            return index;
    }
    return 0;
}

bool TCalendarPage::PointInCell(int X, int Y) const
{
    return CellAt(X, Y) != 0;
}

void TCalendarPage::RaiseCellEventFor(int Index)
{
    if (!ClickedInCellEvent)
        return;
    const TCellGeometry &cell = Geometry(Index);
    ClickedInCellEvent(cell.rTotal, cell.rFree, Index, CellDay(Index), m_cells[Index - 1]);
}

void TCalendarPage::ClickCellAt(int X, int Y)
{
    const int index = CellAt(X, Y);
    if (index != 0)
        RaiseCellEventFor(index);
}

void TCalendarPage::RaiseCellEvent(int Index)
{
    if (IsCellIndex(Index))
        RaiseCellEventFor(Index);
}

void TCalendarPage::MoveToPreviousCell(int Index)
{
    if (Index > 1 && Index <= CellCount && !Geometry(Index - 1).rFree.IsZero())
        RaiseCellEventFor(Index - 1);
}

void TCalendarPage::MoveToNextCell(int Index)
{
    if (Index >= 1 && Index < CellCount && !Geometry(Index + 1).rFree.IsZero())
        RaiseCellEventFor(Index + 1);
}

void TCalendarPage::ClearCells()
{
    for (int index = 1; index <= CellCount; ++index) {
        m_cells[index - 1].Assign(m_blankCell);
        TCellGeometry &cell = m_mainAttributes.CellGeometry[index - 1];
        cell.rTotal = {};
        cell.rFree = {};
    }
}

bool TCalendarPage::HasCellContent() const
{
    for (const TWPRtfStorage &cell : m_cells) {
        if (!cell.IsEmpty())
            return true;
    }
    return false;
}

QString TCalendarPage::GetMonthName(int I, const QString &Default) const
{
    return I >= 1 && I <= 12 ? m_monthNames[I - 1] : Default;
}

QString TCalendarPage::GetDayName(int I, const QString &Default) const
{
    return I >= 1 && I <= 7 ? m_dayNames[I - 1] : Default;
}

void TCalendarPage::SetMonthName(int I, const QString &S)
{
    if (I >= 1 && I <= 12)
        m_monthNames[I - 1] = S;
}

void TCalendarPage::SetDayName(int I, const QString &S)
{
    if (I >= 1 && I <= 7)
        m_dayNames[I - 1] = S;
}

void TCalendarPage::ResetToLocaleNames()
{
    // An interface in another language than English names the months and
    // days in it, as its button on the Language tab does.
    if (InterfaceLanguage() != InterfaceLanguages().constFirst()) {
        const TLanguageNames &names = InterfaceLanguageNames();
        m_monthNames = names.Months;
        m_dayNames = names.Days;
        return;
    }
    // Standalone forms: the names stand alone in titles and headers.
    const QLocale locale = QLocale::system();
    for (int month = 1; month <= 12; ++month)
        m_monthNames[month - 1] = locale.standaloneMonthName(month, QLocale::LongFormat);
    // The page counts days from Sunday, the locale from Monday.
    for (int day = 1; day <= 7; ++day)
        m_dayNames[day - 1] = locale.standaloneDayName(day == 1 ? 7 : day - 1, QLocale::LongFormat);
}

void TCalendarPage::RecordCellDays()
{
    // The month grid shows the days of the main month; the planners number
    // their rows as they draw them.
    if (LayoutKind() != 0)
        return;
    for (int index = 1; index <= CellCount; ++index)
        m_mainAttributes.CellGeometry[index - 1].iDay =
            DayInCell(index, m_mainCalMonth, m_mainCalYear, m_startOfWeek);
}

void TCalendarPage::Click(int X, int Y)
{
    if (!Pointing())
        return;
    const int index = CellAt(X, Y);
    if (m_mainAttributes.TitleRect.Contains(X, Y) && OnClickedHeader)
        OnClickedHeader();
    if (m_mainAttributes.DayNamesRect.Contains(X, Y) && OnClickedDaysArea)
        OnClickedDaysArea();
    if (index != 0 && (ShowMonthGrid() || ShowPlanner())) {
        if (!Objects().AnyContains(X, Y))
            RaiseCellEventFor(index);
    } else if (OnClick) {
        OnClick();
    }
}
