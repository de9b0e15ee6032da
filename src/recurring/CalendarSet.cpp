#include "CalendarSet.h"

#include "CalendarDates.h"
#include "CalendarPage.h"
#include "LumGraphicControl.h"
#include "LumImage.h"
#include "LumLabelObjectFiler.h"
#include "PictureFiles.h"
#include "RtfStorage.h"
#include "StreamWriter.h"

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
    page->SetVisible(source.Visible());
    {
        const TKnownPicturesReading reading(page->ObjectClasses(), pictures);
        TLumLabelObjectFiler(*page).ReadObjectsFrom(records);
    }
    return page;
}

// The date each fillable cell shows, by cell index: the days of the month
// of a month grid, the day rows of a week planner, the notes row of a day
// planner (its hours have no day of their own). Mini pages have none.
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
    auto page = CopyOfPage(*m_document, m_objectRecords, m_objectPictures);
    MovePage(*page, index);
    return page;
}

void TCalendarSet::MovePage(TCalendarPage &page, int index) const
{
    const QDate period = PeriodStart(std::clamp(index, 0, m_count - 1));
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
    ShowPagePicture(page, std::clamp(index, 0, m_count - 1));
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
    if (m_pagePictures.isEmpty() || m_ownPictures.empty())
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
    size_t next = 0;
    for (TLumGraphicControl *object : page.Objects().Objects()) {
        auto *image = dynamic_cast<TLumImage *>(object);
        if (!image || !image->PicturePerPage() || next == m_ownPictures.size())
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
