#include "StoredSet.h"

#include "CalendarPage.h"
#include "LumImage.h"
#include "LumSuperText.h"
#include "StreamReader.h"
#include "StreamWriter.h"

#include <QBuffer>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The share of the cover's height inside the margins the picture takes; the
// title takes the rest.
constexpr int CoverPicturePercent = 80;
// The title's size in points.
constexpr int CoverTitlePoints = 72;

// The form written; a reader takes a later form as far as it knows it, and
// ignores what follows the values it knows. The second form appends the
// pictures' arranged order, and is written only for a set that has one, so
// that other sets keep their bytes.
constexpr int StoredSetVersion = 1;
constexpr int OrderedPicturesVersion = 2;

void WriteDate(TStreamWriter &out, QDate date)
{
    out.WriteInteger(date.isValid() ? date.year() : 0);
    out.WriteInteger(date.isValid() ? date.month() : 0);
    out.WriteInteger(date.isValid() ? date.day() : 0);
}

// A date, or an invalid one for the page's own period (0, 0, 0).
std::optional<QDate> ReadDate(TStreamReader &in)
{
    const auto year = in.ReadInteger();
    const auto month = in.ReadInteger();
    const auto day = in.ReadInteger();
    if (!year || !month || !day)
        return std::nullopt;
    if (*year == 0 && *month == 0 && *day == 0)
        return QDate();
    const QDate date(*year, *month, *day);
    if (!date.isValid() || *year < 1 || *year > 9999)
        return std::nullopt;
    return date;
}

void WritePictureOrder(TStreamWriter &out, const QStringList &files)
{
    out.WriteListBegin();
    for (const QString &file : files)
        out.WriteString(file);
    out.WriteListEnd();
}

std::optional<QStringList> ReadPictureOrder(TStreamReader &in)
{
    QStringList files;
    if (!in.ReadListBegin())
        return std::nullopt;
    while (!in.Failed() && !in.AtListEnd()) {
        if (files.size() == MaxSetPages) {
            in.Fail(u"more pictures than pages"_s);
            return std::nullopt;
        }
        std::optional<QString> file = in.ReadString();
        if (!file)
            return std::nullopt;
        files.append(std::move(*file));
    }
    if (!in.ReadListEnd())
        return std::nullopt;
    return files;
}

} // namespace

QByteArray WriteStoredSet(const TStoredSet &set)
{
    const TSetChoice &choice = set.Choice;
    TStreamWriter out;
    const bool ordered = !choice.PictureOrder.isEmpty();
    out.WriteInteger(ordered ? OrderedPicturesVersion : StoredSetVersion);
    out.WriteBoolean(choice.WholeSet);
    WriteDate(out, choice.Start);
    out.WriteInteger(choice.Count);
    out.WriteInteger(int(choice.Fill));
    out.WriteString(choice.FillName);
    out.WriteBoolean(choice.ShowAges);
    out.WriteString(choice.Pictures);
    out.WriteBoolean(choice.Cover);
    out.WriteBinary(set.CoverDesign);
    if (ordered)
        WritePictureOrder(out, choice.PictureOrder);
    return out.Data();
}

std::optional<TStoredSet> ReadStoredSet(const QByteArray &bytes)
{
    TStreamReader in(bytes);
    TStoredSet set;
    TSetChoice &choice = set.Choice;
    const auto version = in.ReadInteger();
    const auto whole = in.ReadBoolean();
    const auto start = ReadDate(in);
    const auto count = in.ReadInteger();
    const auto fill = in.ReadInteger();
    auto fillName = in.ReadString();
    const auto ages = in.ReadBoolean();
    auto pictures = in.ReadString();
    const auto cover = in.ReadBoolean();
    auto design = in.ReadBinary();
    std::optional<QStringList> order;
    // A later form written without the order ends here.
    if (version && *version >= OrderedPicturesVersion && !in.Failed() && in.BytesLeft() > 0)
        order = ReadPictureOrder(in);
    if (in.Failed() || !version || *version < 1 || !start || *count < 1 || *count > MaxSetPages ||
        *fill < int(TFillKind::None) || *fill > int(TFillKind::ICalendar))
        return std::nullopt;
    choice.WholeSet = *whole;
    choice.Start = *start;
    choice.Count = *count;
    choice.Fill = TFillKind(*fill);
    choice.FillName = std::move(*fillName);
    choice.ShowAges = *ages;
    choice.Pictures = std::move(*pictures);
    choice.Cover = *cover;
    set.CoverDesign = std::move(*design);
    choice.PictureOrder = order.value_or(QStringList());
    return set;
}

std::optional<TStoredSet> StoredSetOf(const TCalendarPage &document)
{
    if (document.StoredSet().isEmpty())
        return std::nullopt;
    return ReadStoredSet(document.StoredSet());
}

void StoreSet(TCalendarPage &document, const std::optional<TStoredSet> &set)
{
    document.SetStoredSet(set ? WriteStoredSet(*set) : QByteArray());
}

TStoredSet DefaultStoredSet(const TCalendarPage &document)
{
    TStoredSet set;
    set.Choice.WholeSet = true;
    set.Choice.Count =
        PagesInYear(SetUnitOfKind(document.LayoutKind()), document.CalendarLayout() == lo2Week);
    return set;
}

void SetCover(TCalendarPage &document, const TCalendarPage &cover)
{
    TStoredSet set = StoredSetOf(document).value_or(DefaultStoredSet(document));
    if (!set.Choice.Cover)
        set.Choice.Count = std::min(set.Choice.Count + 1, MaxSetPages);
    set.Choice.Cover = true;
    set.CoverDesign = CoverDesignOf(cover);
    StoreSet(document, set);
}

QByteArray CoverDesignOf(const TCalendarPage &page)
{
    QBuffer design;
    design.open(QIODevice::WriteOnly);
    // A set the page keeps is written too; a cover page is read without it.
    page.SaveToDevice(design);
    return design.data();
}

std::unique_ptr<TCalendarPage> CoverPage(const QByteArray &design)
{
    if (design.isEmpty())
        return nullptr;
    auto page = std::make_unique<TCalendarPage>();
    QByteArray bytes = design;
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    page->SetLoading(true);
    if (page->LoadPageFromDevice(device))
        return nullptr;
    page->SetLoading(false);
    page->SetCalendarHidden(true);
    return page;
}

QByteArray NewCoverDesign(const TCalendarPage &document)
{
    TCalendarPage cover;
    cover.AssignStyle(document);
    cover.SetPaperSize(document.PaperSize());
    cover.SetMainCalYear(document.MainCalYear());
    cover.SetCalendarHidden(true);
    const TRect area = cover.BorderRect();
    const int pictureHeight = area.Height() * CoverPicturePercent / 100;
    auto picture = std::make_unique<TLumImage>();
    picture->SetObjectBounds(area.Left, area.Top, area.Width(), pictureHeight);
    picture->SetFit(ifFill);
    picture->SetPicturePerPage(true);
    picture->FinishLoad();
    cover.Objects().Insert(std::move(picture));
    auto title = std::make_unique<TLumSuperText>();
    title->SetObjectBounds(area.Left, area.Top + pictureHeight, area.Width(),
                           area.Height() - pictureHeight);
    const TFontDesc &font = document.TitleFont();
    title->SetFont({font.Name, CoverTitlePoints, font.Style, font.Color});
    title->SetCaption(QString::number(document.MainCalYear()));
    title->FinishLoad();
    cover.Objects().Insert(std::move(title));
    return CoverDesignOf(cover);
}
