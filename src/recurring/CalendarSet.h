#pragma once

#include "CalendarTypes.h"
#include "CellAppend.h"
#include "DayFill.h"
#include "LumPicture.h"
#include "PrintSheet.h"
#include "RtfDocument.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

#include <array>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class TCalendarPage;
class TKnownPictures;
struct TCalendarAttributes;

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

    // The pages: the cover, when there is one, and the periods.
    int Count() const { return m_count + (HasCover() ? 1 : 0); }
    TSetUnit Unit() const { return m_unit; }
    // The first day of period index, 0 to the periods' count - 1.
    QDate PeriodStart(int index) const;

    // The set starts with a page of design (a document's bytes, see
    // CoverDesignOf), drawn without a calendar; empty for none. The periods
    // follow it, and the cover takes the first of the page pictures.
    void SetCover(const QByteArray &design);
    bool HasCover() const { return !m_cover.isEmpty(); }
    // Whether page index is the cover.
    bool IsCover(int index) const { return HasCover() && index == 0; }

    // A new page index: the cover, or a copy of the document's page moved to
    // its period. It holds no zoom: whoever draws it draws it at the zoom it
    // wants.
    std::unique_ptr<TCalendarPage> Page(int index) const;
    // Moves page, a copy of the document's page that Page made, to page
    // index (not the cover): its dates, its cells and their fill, and its
    // own pictures. Lets one page be drawn again and again for a long set.
    void MovePage(TCalendarPage &page, int index) const;
    // Gives use every page in order with the geometry its cells' text
    // breaks by, that of a screen at scale: the cover made on its own, then
    // one page moved from period to period. Stops when use returns false,
    // and then returns false.
    bool EachPage(float scale,
                  const std::function<bool(TCalendarPage &page, const TCalendarAttributes &screen,
                                           int index)> &use) const;
    // The document's page as the set took it: its style, paper and dates.
    const TCalendarPage &Design() const { return *m_document; }

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
    QByteArray m_cover;
    // The pictures of the objects marked PicturePerPage, in object order.
    std::vector<TLumPicture> m_ownPictures;
    mutable std::mutex m_unreadLock;
    mutable QStringList m_unread;
};

// Writes set's pages as one PDF file titled title, on the document's paper
// (see SavePagesAsPdf). Before each page proceed (when given) is asked with
// the page's number, from 1; when it says no, nothing is written. Returns why
// it failed or stopped. With sheet, the pages are laid out for a print
// service. Cells' text breaks as on a screen at scale.
std::optional<QString> SaveSetPagesAsPdf(const TCalendarSet &set, const QString &fileName,
                                         const QString &title,
                                         const std::function<bool(int number)> &proceed = {},
                                         const std::optional<TPrintSheet> &sheet = std::nullopt,
                                         float scale = 1.0f);
