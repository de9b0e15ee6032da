#pragma once

#include "CalendarTypes.h"
#include "CellAppend.h"
#include "DayFill.h"
#include "RtfDocument.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

#include <array>
#include <memory>

class TCalendarPage;
class TKnownPictures;

// What one page of a layout covers: a month (month grids and mini pages),
// one or two weeks (week planners) or a day (day planners).
enum class TSetUnit { Month, Week, Day };

TSetUnit SetUnitOfKind(int layoutKind);

// A set: the design of one page repeated over consecutive periods, each
// page's day cells filled from recurring-date lines. The set keeps its own
// copy of the page it was made from and never touches that page again, so
// the document stays as it was, changed state and all. Cells the user wrote
// into the document's own period appear on that period's page only; every
// other page starts with blank cells.
class TCalendarSet
{
public:
    // count periods from the one holding start (clipped to the last period
    // before the year 10000; at least one), filled from fill, each line
    // appended in the cell editor's way with defaultFont.
    TCalendarSet(const TCalendarPage &document, QDate start, int count, TDayFill fill,
                 TDefaultFont defaultFont = {});
    ~TCalendarSet();

    // The first day of the period the page shows: the 1st of its month for
    // month pages, the planner's first day for the planners.
    static QDate PeriodOf(const TCalendarPage &page);

    int Count() const { return m_count; }
    TSetUnit Unit() const { return m_unit; }
    // The first day of page index's period, 0 to Count() - 1.
    QDate PeriodStart(int index) const;

    // A new copy of the document's page, moved to page index.
    std::unique_ptr<TCalendarPage> Page(int index) const;
    // Moves page, a copy Page made, to page index: its dates, its cells and
    // their fill. Lets one page be drawn again and again for a long set.
    void MovePage(TCalendarPage &page, int index) const;

private:
    void SetPageDate(TCalendarPage &page, QDate date) const;
    void RestoreCells(TCalendarPage &page, bool ownPeriod) const;
    void Fill(TCalendarPage &page) const;

    // The document's style, without cells or objects.
    std::unique_ptr<TCalendarPage> m_document;
    QByteArray m_objectRecords;
    std::shared_ptr<const TKnownPictures> m_objectPictures;
    // The document's cells, for the page of its own period.
    std::array<TWPRTFTextPaint::TContent, CellCount> m_documentCells;
    QDate m_documentPeriod;
    QDate m_start;
    int m_count = 1;
    TSetUnit m_unit = TSetUnit::Month;
    // Days a page of the unit covers: 7 or 14 for the week planners.
    int m_stepDays = 1;
    TDayFill m_fill;
    TDefaultFont m_defaultFont;
};
