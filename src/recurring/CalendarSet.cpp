#include "CalendarSet.h"

#include "CalendarDates.h"
#include "CalendarPage.h"
#include "CalendarPagePaint.h"
#include "LumGraphicControl.h"
#include "LumImage.h"
#include "LumLabelObjectFiler.h"
#include "LumSuperText.h"
#include "PdfExport.h"
#include "PictureFiles.h"
#include "RtfStorage.h"
#include "StoredSet.h"
#include "StreamWriter.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <utility>

namespace {

constexpr int LastYear = 9999;

bool IsWeekKind(int kind)
{
    return kind == 2 || kind == 3;
}

bool IsDayKind(int kind)
{
    return kind >= 4;
}

// The placed objects of page as the object clipboard holds them, at zoom 1.
QByteArray ObjectRecords(const TCalendarPage &page)
{
    TStreamWriter records;
    records.WriteListBegin();
    for (const TLumGraphicControl *object : page.Objects().Objects())
        WritePlacedObject(records, *object);
    records.WriteListEnd();
    return records.Data();
}

// The pictures of page's picture objects.
std::shared_ptr<const TKnownPictures> PicturesOfObjects(const TCalendarPage &page)
{
    auto pictures = std::make_shared<TKnownPictures>();
    for (const TLumGraphicControl *object : page.Objects().Objects()) {
        if (const auto *image = dynamic_cast<const TLumImage *>(object))
            pictures->Add(image->Picture());
    }
    return pictures;
}

// A page with the style and dates of source (and its paper, border and
// title), blank cells and the placed objects of records, their pictures
// taken from pictures. It is made on the thread that draws it: nothing in it
// is shared with another page but pictures. Whoever draws it gives the zoom.
std::unique_ptr<TCalendarPage> CopyOfPage(const TCalendarPage &source, const QByteArray &records,
                                          const std::shared_ptr<const TKnownPictures> &pictures)
{
    auto page = std::make_unique<TCalendarPage>();
    page->AssignStyle(source);
    page->SetPaperSize(source.PaperSize());
    page->SetPlannerStartTime(source.PlannerStartTime());
    {
        const TKnownPicturesReading reading(page->ObjectClasses(), pictures);
        TLumLabelObjectFiler(*page).ReadObjectsFrom(records);
    }
    return page;
}

// The date each fillable cell shows, by cell index: the days of the month
// of a month grid, the day rows of a week planner, the notes row of a day
// planner (its hours have no day of their own). Mini pages have none.
// Special-effect text that is the cover's own year shows the year of the
// set's first period, so that one cover serves every year.
void FollowYear(TCalendarPage &cover, int year)
{
    const QString own = QString::number(cover.MainCalYear());
    for (TLumGraphicControl *object : cover.Objects().Objects()) {
        auto *text = dynamic_cast<TLumSuperText *>(object);
        if (text && text->Caption().trimmed() == own)
            text->SetCaption(QString::number(year));
    }
}

std::map<int, QDate> CellDates(const TCalendarPage &page, QDate periodStart)
{
    std::map<int, QDate> dates;
    const int kind = page.LayoutKind();
    if (kind == 0) {
        for (int index = 1; index <= CellCount; ++index) {
            const int day =
                DayInCell(index, page.MainCalMonth(), page.MainCalYear(), page.StartOfWeek());
            if (day > 0)
                dates[index] = QDate(page.MainCalYear(), page.MainCalMonth(), day);
        }
    } else if (IsWeekKind(kind)) {
        const int days = page.CalendarLayout() == lo2Week ? 14 : 7;
        for (int row = 1; row <= days; ++row)
            dates[row] = periodStart.addDays(row - 1);
    } else if (IsDayKind(kind)) {
        const int hours = page.CalendarLayout() == loDay15 ? 15 : 10;
        dates[hours + 1] = periodStart;
    }
    return dates;
}

} // namespace

TSetUnit SetUnitOfKind(int layoutKind)
{
    if (IsWeekKind(layoutKind))
        return TSetUnit::Week;
    return IsDayKind(layoutKind) ? TSetUnit::Day : TSetUnit::Month;
}

TCalendarSet::TCalendarSet(const TCalendarPage &document, QDate start, int count, TDayFill fill,
                           TDefaultFont defaultFont)
    : m_objectRecords(ObjectRecords(document)), m_objectPictures(PicturesOfObjects(document)),
      m_documentPeriod(PeriodOf(document)), m_unit(SetUnitOfKind(document.LayoutKind())),
      m_fill(std::move(fill)), m_defaultFont(std::move(defaultFont))
{
    // The style alone: the objects are read anew for every page, and the
    // cells are taken as values; all share the document's pictures.
    m_document = CopyOfPage(document, {}, {});
    for (const TLumGraphicControl *object : document.Objects().Objects()) {
        const auto *image = dynamic_cast<const TLumImage *>(object);
        if (image && image->PicturePerPage())
            m_ownPictures.push_back(image->Picture());
    }
    for (int index = 1; index <= CellCount; ++index)
        m_documentCells[size_t(index - 1)] = document.CellDocument(index)->Content();
    if (!start.isValid())
        start = m_documentPeriod;
    start = std::min(start, QDate(LastYear, 12, 31));
    if (m_unit == TSetUnit::Month) {
        m_start = QDate(start.year(), start.month(), 1);
        const int monthsLeft = (LastYear - m_start.year()) * 12 + (12 - m_start.month()) + 1;
        m_count = std::clamp(count, 1, monthsLeft);
    } else {
        m_start = start;
        m_stepDays = m_unit == TSetUnit::Day ? 1 : (document.CalendarLayout() == lo2Week ? 14 : 7);
        const qint64 daysLeft = m_start.daysTo(QDate(LastYear, 12, 31));
        m_count = int(std::clamp<qint64>(count, 1, daysLeft / m_stepDays + 1));
    }
}

TCalendarSet::~TCalendarSet() = default;

QDate TCalendarSet::PeriodOf(const TCalendarPage &page)
{
    const int month = page.MainCalMonth();
    const int year = page.MainCalYear();
    if (SetUnitOfKind(page.LayoutKind()) == TSetUnit::Month)
        return QDate(year, month, 1);
    // As the planners draw it: a page that never had a day set starts on
    // the 1st, and a day past the month's end (a damaged file) on its last.
    const int day = std::clamp(page.MainCalDay(), 1, DaysInMonth(month, year));
    return QDate(year, month, day);
}

QDate TCalendarSet::PeriodStart(int index) const
{
    if (m_unit == TSetUnit::Month)
        return m_start.addMonths(index);
    return m_start.addDays(qint64(index) * m_stepDays);
}

std::unique_ptr<TCalendarPage> TCalendarSet::Page(int index) const
{
    if (IsCover(index)) {
        if (std::unique_ptr<TCalendarPage> cover = CoverPage(m_cover)) {
            // Dated as the set's first period, so that what follows the
            // date follows the set.
            FollowYear(*cover, PeriodStart(0).year());
            SetPageDate(*cover, PeriodStart(0));
            ShowPagePicture(*cover, 0);
            return cover;
        }
    }
    auto page = CopyOfPage(*m_document, m_objectRecords, m_objectPictures);
    MovePage(*page, index);
    return page;
}

bool TCalendarSet::EachPage(
    float scale,
    const std::function<bool(TCalendarPage &page, const TCalendarAttributes &screen, int index)>
        &use) const
{
    int index = 0;
    if (HasCover() && !use(*Page(index++), TCalendarAttributes(), 0))
        return false;
    const std::unique_ptr<TCalendarPage> page = Page(index);
    bool measured = false;
    TCalendarAttributes screen;
    for (; index < Count(); ++index) {
        MovePage(*page, index);
        // Cells' text breaks where it breaks on a screen at scale; that
        // geometry does not depend on the dates, so once is enough.
        if (!measured && page->HasCellContent()) {
            screen = DrawingGeometryAt(*page, scale);
            measured = true;
        }
        if (!use(*page, screen, index))
            return false;
    }
    return true;
}

void TCalendarSet::SetCover(const QByteArray &design)
{
    m_cover = design;
}

void TCalendarSet::MovePage(TCalendarPage &page, int index) const
{
    index = std::clamp(index, 0, Count() - 1);
    const QDate period = PeriodStart(std::max(0, index - (HasCover() ? 1 : 0)));
    if (m_unit == TSetUnit::Month) {
        // The document's day where the month has it, else the month's last;
        // a page without a day keeps none.
        const int day = m_document->MainCalDay();
        SetPageDate(page,
                    QDate(period.year(), period.month(), std::clamp(day, 1, period.daysInMonth())));
        if (day == 0)
            page.SetMainCalDay(0);
    } else {
        SetPageDate(page, period);
    }
    RestoreCells(page, period == m_documentPeriod);
    Fill(page);
    ShowPagePicture(page, index);
}

void TCalendarSet::SetPagePictures(QStringList pictures)
{
    m_pagePictures = std::move(pictures);
}

QStringList TCalendarSet::UnreadPictures() const
{
    const std::scoped_lock lock(m_unreadLock);
    return m_unread;
}

void TCalendarSet::ShowPagePicture(TCalendarPage &page, int index) const
{
    const bool cover = IsCover(index);
    if (m_pagePictures.isEmpty() || (m_ownPictures.empty() && !cover))
        return;
    std::optional<TLumPicture> own;
    if (index < m_pagePictures.size()) {
        QString error;
        const QString &file = m_pagePictures[index];
        own = LoadPictureFile(file, error);
        if (!own) {
            if (!error.contains(file))
                error = QStringLiteral("%1: %2").arg(file, error);
            const std::scoped_lock lock(m_unreadLock);
            if (!m_unread.contains(error))
                m_unread.append(error);
        }
    }
    // The cover is made anew for every use and keeps its own pictures.
    if (cover && !own)
        return;
    size_t next = 0;
    for (TLumGraphicControl *object : page.Objects().Objects()) {
        auto *image = dynamic_cast<TLumImage *>(object);
        if (!image || !image->PicturePerPage())
            continue;
        if (cover) {
            image->SetPicture(*own);
            continue;
        }
        if (next == m_ownPictures.size())
            continue;
        const TLumPicture &design = m_ownPictures[next++];
        image->SetPicture(own ? *own : design);
    }
}

void TCalendarSet::SetPageDate(TCalendarPage &page, QDate date) const
{
    // The day first, so that no step passes through a day the month lacks.
    page.SetMainCalDay(std::min(date.day(), 28));
    page.SetMainCalYear(date.year());
    page.SetMainCalMonth(date.month());
    page.SetMainCalDay(date.day());
}

void TCalendarSet::RestoreCells(TCalendarPage &page, bool ownPeriod) const
{
    TWPRtfStorage cell;
    for (int index = 1; index <= CellCount; ++index) {
        if (ownPeriod)
            cell.RtfText().SetContent(m_documentCells[size_t(index - 1)]);
        else
            cell.Assign(page.BlankCell());
        page.SetCellText(index, cell);
    }
}

void TCalendarSet::Fill(TCalendarPage &page) const
{
    if (m_fill.IsEmpty())
        return;
    // The lines of each month are resolved once, for all its cells.
    std::map<std::pair<int, int>, TMonthFill> months;
    for (const auto &[index, date] : CellDates(page, PeriodOf(page))) {
        const auto key = std::pair(date.year(), date.month());
        auto found = months.find(key);
        if (found == months.end())
            found = months.emplace(key, m_fill.MonthFill(date.month(), date.year())).first;
        const TCellFill &fill = found->second[size_t(date.day())];
        if (!fill.IsEmpty()) {
            page.EditCellText(index, [&](TWPRTFTextPaint &document) {
                AppendFill(document, fill, m_defaultFont);
            });
        }
    }
}

std::optional<QString> SaveSetPagesAsPdf(const TCalendarSet &set, const QString &fileName,
                                         const QString &title,
                                         const std::function<bool(int number)> &proceed,
                                         const std::optional<TPrintSheet> &sheet, float scale)
{
    int stoppedAt = 0;
    const auto failure = SavePagesAsPdf(
        set.Design(), fileName, title,
        [&](const TPdfPagePrinter &print) {
            return set.EachPage(
                scale, [&](TCalendarPage &page, const TCalendarAttributes &screen, int index) {
                    if (proceed && !proceed(index + 1)) {
                        stoppedAt = index + 1;
                        return false;
                    }
                    print(page, screen);
                    return true;
                });
        },
        sheet);
    if (stoppedAt > 0)
        return QCoreApplication::translate("PdfExport", "stopped before page %1 of %2")
            .arg(stoppedAt)
            .arg(set.Count());
    return failure;
}
