#pragma once

#include "CalendarTypes.h"
#include "CellAppend.h"
#include "DayFill.h"
#include "LumPicture.h"
#include "RtfDocument.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

#include <array>
#include <memory>
#include <mutex>
#include <vector>

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
// other page starts with blank cells. Picture objects marked PicturePerPage
// show a picture of each page's own, read when the page is made.
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

    // A new copy of the document's page, moved to page index; it holds no
    // zoom: whoever draws it draws it at the zoom it wants.
    std::unique_ptr<TCalendarPage> Page(int index) const;
    // Moves page, a copy Page made, to page index: its dates, its cells and
    // their fill, and its own pictures. Lets one page be drawn again and
    // again for a long set.
    void MovePage(TCalendarPage &page, int index) const;

    // Page index shows the picture file pictures[index] in every picture
    // object marked PicturePerPage; pages past the list, and pages whose
    // picture cannot be read, show the object's own picture.
    void SetPagePictures(QStringList pictures);
    // Whether the document has a picture object marked PicturePerPage.
    bool HasPicturePerPage() const { return !m_ownPictures.empty(); }
    // Why each picture that could not be read so far was not, in page order
    // of first use. Pages may be made on several threads.
    QStringList UnreadPictures() const;

private:
    void SetPageDate(TCalendarPage &page, QDate date) const;
    void RestoreCells(TCalendarPage &page, bool ownPeriod) const;
    void Fill(TCalendarPage &page) const;
    void ShowPagePicture(TCalendarPage &page, int index) const;

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
    QStringList m_pagePictures;
    // The pictures of the objects marked PicturePerPage, in object order.
    std::vector<TLumPicture> m_ownPictures;
    mutable std::mutex m_unreadLock;
    mutable QStringList m_unread;
};
