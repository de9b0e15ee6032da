// The set kept with a document: its choices and cover written after the
// placed objects, read back alike, and skipped by a reader that knows no
// sets; the cover as the set's first page.

#include "StoredSet.h"

#include "CalendarPage.h"
#include "CalendarSet.h"
#include "LumImage.h"
#include "LumSuperText.h"
#include "RtfStorage.h"
#include "StoredPageValues.h"
#include "StreamWriter.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTextDocument>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QByteArray Bytes(const TCalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    page.SaveToDevice(buffer);
    return buffer.data();
}

std::optional<ReadError> Load(TCalendarPage &page, QByteArray bytes, bool older = false)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return older ? page.LoadPageFromDevice(buffer) : page.LoadFromDevice(buffer);
}

TLumImage &AddPicture(TCalendarPage &page, QColor colour, int left, bool perPage)
{
    QImage bitmap(8, 8, QImage::Format_RGB32);
    bitmap.fill(colour);
    auto image = std::make_unique<TLumImage>();
    image->SetObjectBounds(left, 40, 60, 50);
    image->SetPicture(TLumPicture::FromBitmap(bitmap));
    image->SetPicturePerPage(perPage);
    image->FinishLoad();
    return static_cast<TLumImage &>(page.Objects().Insert(std::move(image)));
}

// January 2027 with a cell of text and a picture taking the pages' pictures.
void MakeDocument(TCalendarPage &page)
{
    ApplyMainPageValues(page);
    page.SetMainCalDay(1);
    page.SetMainCalYear(2027);
    page.SetMainCalMonth(1);
    TWPRtfStorage cell;
    cell.RtfText().Document().setPlainText(u"Dentist"_s);
    page.SetCellText(page.CellOfDay(12), cell);
    AddPicture(page, Qt::yellow, 10, true);
    // As read from a file, its objects named.
    QByteArray bytes = Bytes(page);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    page.DeleteAllObjects();
    page.LoadFromDevice(buffer);
}

// Every choice away from its default, one case each.
std::vector<TStoredSet> EveryChoice()
{
    std::vector<TStoredSet> sets(11);
    sets[1].Choice.WholeSet = true;
    sets[2].Choice.Start = QDate(2027, 2, 28);
    sets[3].Choice.Count = MaxSetPages;
    sets[4].Choice.Fill = TFillKind::HolidaySet;
    sets[4].Choice.FillName = u"United Kingdom"_s;
    sets[5].Choice.Fill = TFillKind::ICalendar;
    sets[5].Choice.FillName = u"/home/anna/Календарь.ics"_s;
    sets[5].Choice.ShowAges = true;
    sets[6].Choice.Pictures = u"/home/anna/Pictures/2027 — Sommer"_s;
    sets[7].Choice.Cover = true;
    sets[8].CoverDesign = QByteArray("\x00\x01 any bytes\xff", 14);
    // The fewest pages a set may have.
    sets[9].Choice.Count = 1;
    sets[10].Choice.Pictures = u"/photos"_s;
    sets[10].Choice.PictureOrder = {u"/photos/3.jpg"_s, u"/photos/1.jpg"_s,
                                    u"/home/anna/Фото/море.png"_s};
    return sets;
}

void ExpectSame(const TStoredSet &read, const TStoredSet &written)
{
    const TSetChoice &a = read.Choice, &b = written.Choice;
    EXPECT_EQ(a.WholeSet, b.WholeSet);
    EXPECT_EQ(a.Start, b.Start);
    EXPECT_EQ(a.Count, b.Count);
    EXPECT_EQ(a.Fill, b.Fill);
    EXPECT_EQ(a.FillName, b.FillName);
    EXPECT_EQ(a.ShowAges, b.ShowAges);
    EXPECT_EQ(a.Pictures, b.Pictures);
    EXPECT_EQ(a.Cover, b.Cover);
    EXPECT_EQ(a.PictureOrder, b.PictureOrder);
    EXPECT_EQ(read.CoverDesign, written.CoverDesign);
}

QString WritePicture(const QTemporaryDir &folder, const QString &name, QColor colour)
{
    QImage bitmap(8, 8, QImage::Format_RGB32);
    bitmap.fill(colour);
    const QString path = folder.filePath(name);
    EXPECT_TRUE(bitmap.save(path, "BMP"));
    return path;
}

// The colour of the first picture marked to take the pages' pictures.
QColor PageColour(const TCalendarPage &page)
{
    for (const TLumGraphicControl *object : page.Objects().Objects()) {
        const auto *image = dynamic_cast<const TLumImage *>(object);
        if (image && image->PicturePerPage())
            return image->Picture().Image().pixelColor(4, 4);
    }
    return {};
}

} // namespace

TEST(StoredSet, EveryChoiceReadsBackInTheDocument)
{
    for (const TStoredSet &written : EveryChoice()) {
        SCOPED_TRACE(written.Choice.FillName.toStdString() + written.Choice.Pictures.toStdString());
        const std::optional<TStoredSet> read = ReadStoredSet(WriteStoredSet(written));
        ASSERT_TRUE(read);
        ExpectSame(*read, written);

        TCalendarPage document;
        MakeDocument(document);
        StoreSet(document, written);
        TCalendarPage reopened;
        ASSERT_FALSE(Load(reopened, Bytes(document)));
        const std::optional<TStoredSet> kept = StoredSetOf(reopened);
        ASSERT_TRUE(kept);
        ExpectSame(*kept, written);
        EXPECT_EQ(Bytes(reopened), Bytes(document)) << "written back byte for byte";
    }
}

TEST(StoredSet, DamagedSetsAreNotTaken)
{
    TStoredSet set = EveryChoice()[5];
    set.CoverDesign = "cover";
    const QByteArray whole = WriteStoredSet(set);
    for (qsizetype size = 0; size < whole.size(); ++size)
        EXPECT_FALSE(ReadStoredSet(whole.left(size))) << "cut at " << size;

    const auto with = [](auto change) {
        TStoredSet damaged;
        change(damaged.Choice);
        return WriteStoredSet(damaged);
    };
    for (const QByteArray &bad : {with([](TSetChoice &c) { c.Count = 0; }),
                                  with([](TSetChoice &c) { c.Count = MaxSetPages + 1; }),
                                  with([](TSetChoice &c) { c.Fill = TFillKind(4); }),
                                  with([](TSetChoice &c) { c.Fill = TFillKind(-1); })})
        EXPECT_FALSE(ReadStoredSet(bad));

    // The start and the version, as a writer that knows no calendar could
    // write them.
    const struct
    {
        int version, year, month, day;
        bool read;
    } starts[] = {{1, 0, 0, 0, true},      {2, 2027, 2, 28, true}, {1, 2027, 2, 30, false},
                  {1, 10000, 1, 1, false}, {1, 0, 1, 1, false},    {0, 2027, 1, 1, false}};
    for (const auto &start : starts) {
        TStreamWriter out;
        out.WriteInteger(start.version);
        out.WriteBoolean(true);
        for (const int value : {start.year, start.month, start.day, 12, 0})
            out.WriteInteger(value);
        out.WriteString({});
        out.WriteBoolean(false);
        out.WriteString({});
        out.WriteBoolean(false);
        out.WriteBinary({});
        EXPECT_EQ(ReadStoredSet(out.Data()).has_value(), start.read)
            << start.version << " " << start.year << "-" << start.month << "-" << start.day;
    }
}

TEST(StoredSet, TheArrangedPicturesAreATailThatOlderReadersLeaveAside)
{
    TStoredSet plain = EveryChoice()[10];
    const TStoredSet ordered = plain;
    plain.Choice.PictureOrder.clear();
    const QByteArray before = WriteStoredSet(plain), after = WriteStoredSet(ordered);
    // The version is the second byte; all else the first form wrote comes
    // first, unchanged.
    ASSERT_GT(after.size(), before.size());
    EXPECT_EQ(before[1], 1) << "a set without an order keeps the first form";
    EXPECT_EQ(after[1], 2);
    EXPECT_EQ(after.mid(2, before.size() - 2), before.mid(2));
    // A reader of the first form stops after the cover design and takes the
    // set in the folder's order.
    QByteArray firstForm = after;
    firstForm[1] = 1;
    const std::optional<TStoredSet> older = ReadStoredSet(firstForm);
    ASSERT_TRUE(older);
    ExpectSame(*older, plain);

    // A tail cut short, too long or of other values is not taken.
    for (qsizetype size = before.size() + 1; size < after.size(); ++size)
        EXPECT_FALSE(ReadStoredSet(after.left(size))) << "cut at " << size;
    const auto withTail = [&before](const std::function<void(TStreamWriter &)> &tail) {
        TStreamWriter out;
        tail(out);
        QByteArray bytes = before;
        bytes[1] = 2;
        return bytes + out.Data();
    };
    const QByteArray tooMany = withTail([](TStreamWriter &out) {
        out.WriteListBegin();
        for (int page = 0; page <= MaxSetPages; ++page)
            out.WriteString(u"p.jpg"_s);
        out.WriteListEnd();
    });
    const QByteArray notNames = withTail([](TStreamWriter &out) {
        out.WriteListBegin();
        out.WriteInteger(7);
        out.WriteListEnd();
    });
    const QByteArray notAList = withTail([](TStreamWriter &out) { out.WriteString(u"a"_s); });
    for (const QByteArray &bad : {tooMany, notNames, notAList})
        EXPECT_FALSE(ReadStoredSet(bad));
    const std::optional<TStoredSet> most = ReadStoredSet(withTail([](TStreamWriter &out) {
        out.WriteListBegin();
        for (int page = 0; page < MaxSetPages; ++page)
            out.WriteString(u"p.jpg"_s);
        out.WriteListEnd();
    }));
    ASSERT_TRUE(most);
    EXPECT_EQ(most->Choice.PictureOrder.size(), MaxSetPages);
}

TEST(StoredSet, ADocumentWithoutASetIsWrittenAsBefore)
{
    TCalendarPage document;
    MakeDocument(document);
    const QByteArray plain = Bytes(document);
    // It ends with the end of the objects' list, as documents always did,
    // and reads back to the same bytes.
    EXPECT_EQ(plain.right(1), QByteArray(1, '\0'));
    TCalendarPage reopened;
    ASSERT_FALSE(Load(reopened, plain));
    EXPECT_TRUE(reopened.StoredSet().isEmpty());
    EXPECT_EQ(Bytes(reopened), plain);

    // A set only adds to it, and removing it gives the same bytes again.
    StoreSet(document, DefaultStoredSet(document));
    const QByteArray withSet = Bytes(document);
    EXPECT_TRUE(withSet.startsWith(plain));
    EXPECT_GT(withSet.size(), plain.size());
    StoreSet(document, std::nullopt);
    EXPECT_EQ(Bytes(document), plain);
}

// A reader that stops after the placed objects, as the build before stored
// sets does, reads a document with a set, cover and all, as its page alone:
// the same style, cells and objects as without the set.
TEST(StoredSet, AReaderWithoutSetsReadsThePageAlone)
{
    TCalendarPage document;
    MakeDocument(document);
    const QByteArray plain = Bytes(document);
    TCalendarPage cover;
    MakeDocument(cover);
    SetCover(document, cover);
    ASSERT_TRUE(StoredSetOf(document));

    TCalendarPage older;
    EXPECT_FALSE(Load(older, Bytes(document), true));
    EXPECT_TRUE(older.StoredSet().isEmpty());
    EXPECT_EQ(older.Objects().Count(), 1);
    EXPECT_EQ(Bytes(older), plain);
}

TEST(StoredSet, WhatFollowsTheObjectsAndIsNoSetIsLeftAside)
{
    TCalendarPage document;
    MakeDocument(document);
    const QByteArray plain = Bytes(document);
    StoreSet(document, DefaultStoredSet(document));
    const QByteArray withSet = Bytes(document);
    for (const QByteArray &tail :
         {QByteArray("garbage"), withSet.mid(plain.size(), 3), QByteArray(1, '\x0a')}) {
        TCalendarPage reopened;
        EXPECT_FALSE(Load(reopened, plain + tail)) << tail.toHex().toStdString();
        EXPECT_EQ(reopened.Objects().Count(), 1);
        EXPECT_FALSE(StoredSetOf(reopened));
    }
    // A set that is no set is written back as it came.
    TCalendarPage odd;
    odd.SetStoredSet("not a set");
    EXPECT_FALSE(StoredSetOf(odd));
    TCalendarPage reopened;
    ASSERT_FALSE(Load(reopened, Bytes(odd)));
    EXPECT_EQ(reopened.StoredSet(), QByteArray("not a set"));
}

TEST(StoredSet, SetCoverStartsTheSetWithTheCoverInOneCall)
{
    TCalendarPage document;
    MakeDocument(document);
    TCalendarPage cover;
    MakeDocument(cover);
    AddPicture(cover, Qt::blue, 200, false);
    SetCover(document, cover);
    std::optional<TStoredSet> set = StoredSetOf(document);
    ASSERT_TRUE(set);
    EXPECT_TRUE(set->HasCover());
    EXPECT_TRUE(set->Choice.WholeSet);
    EXPECT_EQ(set->Choice.Count, 13) << "the cover and twelve months";
    EXPECT_EQ(PeriodsOf(set->Choice), 12);
    const std::unique_ptr<TCalendarPage> page = CoverPage(set->CoverDesign);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->Objects().Count(), 2);
    EXPECT_TRUE(page->CalendarHidden());

    // Again: the same count, the new design; the other choices stay.
    set->Choice.Pictures = u"/photos"_s;
    StoreSet(document, set);
    SetCover(document, document);
    set = StoredSetOf(document);
    EXPECT_EQ(set->Choice.Count, 13);
    EXPECT_EQ(set->Choice.Pictures, u"/photos"_s);
    EXPECT_EQ(CoverPage(set->CoverDesign)->Objects().Count(), 1);
}

TEST(StoredSet, TheCoverTakesTheFirstPictureAndTheMonthsTheNext)
{
    QTemporaryDir folder;
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::cyan};
    QStringList pictures;
    for (int i = 0; i < 4; ++i)
        pictures << WritePicture(folder, QString::number(i) + u".bmp"_s, colours[i]);
    TCalendarPage document;
    MakeDocument(document);
    TCalendarPage cover;
    MakeDocument(cover);

    TCalendarSet set(document, QDate(2027, 1, 1), 4, {});
    set.SetCover(CoverDesignOf(cover));
    set.SetPagePictures(pictures.mid(0, 4));
    ASSERT_EQ(set.Count(), 5);
    QList<int> months;
    const bool whole =
        set.EachPage(1.0f, [&](TCalendarPage &page, const TCalendarAttributes &, int index) {
            EXPECT_EQ(page.CalendarHidden(), index == 0) << index;
            EXPECT_EQ(page.ShowMonthGrid(), index != 0) << index;
            // The fifth page is past the pictures: the design's own.
            EXPECT_EQ(PageColour(page), index < 4 ? colours[index] : QColor(Qt::yellow)) << index;
            months << page.MainCalMonth();
            return true;
        });
    EXPECT_TRUE(whole);
    EXPECT_EQ(months, (QList<int>{1, 1, 2, 3, 4})) << "the cover dated as the first month";
    EXPECT_EQ(PageColour(*set.Page(0)), colours[0]);
    EXPECT_EQ(PageColour(*set.Page(2)), colours[2]);

    int seen = 0;
    EXPECT_FALSE(set.EachPage(
        1.0f, [&](TCalendarPage &, const TCalendarAttributes &, int) { return ++seen < 2; }));
    EXPECT_EQ(seen, 2);
}

TEST(StoredSet, TheCoversYearFollowsTheSet)
{
    TCalendarPage cover;
    MakeDocument(cover);
    for (const QString &caption : {u"2027"_s, u"Family 2027"_s}) {
        auto title = std::make_unique<TLumSuperText>();
        title->SetObjectBounds(10, 300, 300, 80);
        title->SetCaption(caption);
        title->FinishLoad();
        cover.Objects().Insert(std::move(title));
    }
    TCalendarPage document;
    MakeDocument(document);
    TCalendarSet set(document, QDate(2029, 9, 1), 12, {});
    set.SetCover(CoverDesignOf(cover));
    const std::unique_ptr<TCalendarPage> page = set.Page(0);
    QStringList captions;
    for (const TLumGraphicControl *object : page->Objects().Objects()) {
        if (const auto *text = dynamic_cast<const TLumSuperText *>(object))
            captions << text->Caption();
    }
    EXPECT_EQ(captions, (QStringList{u"2029"_s, u"Family 2027"_s}));
    EXPECT_EQ(page->MainCalYear(), 2029);
}

TEST(StoredSet, TheNewCoverHasAPictureAboveTheYear)
{
    TCalendarPage document;
    MakeDocument(document);
    // The cover comes on the document's own paper.
    document.SetPaperSize(1 - document.PaperSize());
    const std::unique_ptr<TCalendarPage> cover = CoverPage(NewCoverDesign(document));
    ASSERT_TRUE(cover);
    EXPECT_EQ(cover->PaperSize(), document.PaperSize());
    ASSERT_EQ(cover->Objects().Count(), 2);
    const auto *picture = dynamic_cast<const TLumImage *>(cover->Objects().At(0));
    const auto *title = dynamic_cast<const TLumSuperText *>(cover->Objects().At(1));
    ASSERT_TRUE(picture && title);
    EXPECT_TRUE(picture->PicturePerPage());
    EXPECT_EQ(picture->Fit(), ifFill);
    EXPECT_EQ(title->Caption(), u"2027"_s);
    const TRect inside = cover->BorderRect();
    EXPECT_EQ(picture->Bounds().Left, inside.Left);
    EXPECT_EQ(picture->Bounds().Top, inside.Top);
    EXPECT_EQ(picture->Bounds().Width, inside.Width());
    EXPECT_EQ(title->Bounds().Top, inside.Top + picture->Bounds().Height);
    EXPECT_LE(title->Bounds().Top + title->Bounds().Height, inside.Top + inside.Height());
    EXPECT_FALSE(cover->ShowMonthGrid());
}
