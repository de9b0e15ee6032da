#include "UndoHistory.h"

#include "CalendarPage.h"
#include "LabelPrompts.h"
#include "LumBaseLabel.h"
#include "PageGestures.h"
#include "PaxRichBaseLabel.h"
#include "RtfDocument.h"

#include <QBuffer>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray DocumentBytes(const TCalendarPage &page)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(page.SaveToDevice(buffer).has_value());
    return buffer.data();
}

TWPRtfStorage CellWith(const QString &text)
{
    TWPRtfStorage cell;
    QTextCursor(&cell.RtfText().Document()).insertText(text);
    return cell;
}

// A page with text in two cells, a title, a label and a rich-text label.
void MakePage(TCalendarPage &page)
{
    page.ResetStyle(QDate(2026, 3, 1));
    page.SetCellText(3, CellWith(QStringLiteral("Dentist")));
    page.SetCellText(17, CellWith(QStringLiteral("Pay rent")));
    page.SetUserTitle(QStringLiteral("March"));
    PlaceBothLabels(page, QStringLiteral("Bring plates"));
}

TLumGraphicControl &First(TCalendarPage &page)
{
    return *page.Objects().At(0);
}

void SelectFirst(TCalendarPage &page)
{
    page.Handle().Clear();
    page.Handle().Add(&First(page));
}

struct TChangeKind
{
    const char *Name;
    std::function<void(TCalendarPage &)> Change;
};

class UndoEveryChange : public ::testing::TestWithParam<TChangeKind>
{
protected:
    ~UndoEveryChange() override { SetLabelPrompts({}); }
};

} // namespace

TEST_P(UndoEveryChange, UndoAndRedoRestoreTheSameBytes)
{
    TCalendarPage page;
    MakePage(page);
    TUndoHistory history;
    history.Reset(page, true);
    const QByteArray before = DocumentBytes(page);

    GetParam().Change(page);
    const QByteArray after = DocumentBytes(page);
    ASSERT_NE(after, before) << "the change changed nothing";
    ASSERT_TRUE(history.Record(page));
    EXPECT_FALSE(history.IsSaved());
    EXPECT_FALSE(history.UndoText().isEmpty());

    ASSERT_TRUE(history.Undo(page));
    EXPECT_EQ(DocumentBytes(page), before);
    EXPECT_TRUE(history.IsSaved());
    // Nothing differs from what the history saw after the undo.
    EXPECT_FALSE(history.Record(page));
    ASSERT_TRUE(history.Redo(page));
    EXPECT_EQ(DocumentBytes(page), after);
    EXPECT_FALSE(history.IsSaved());
    ASSERT_TRUE(history.Undo(page));
    EXPECT_EQ(DocumentBytes(page), before);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UndoEveryChange,
    ::testing::Values(
        TChangeKind{"CellText",
                    [](TCalendarPage &p) { p.SetCellText(9, CellWith(QStringLiteral("Swim"))); }},
        TChangeKind{"CellEdited",
                    [](TCalendarPage &p) { p.SetCellText(3, CellWith(QStringLiteral("Doctor"))); }},
        TChangeKind{"ClearAll", [](TCalendarPage &p) { p.ClearCells(); }},
        TChangeKind{"Properties",
                    [](TCalendarPage &p) {
                        p.SetCalendarOrientation(coLandscape);
                        p.SetTitleBGColor(clRed);
                        p.SetMainCalMonth(7);
                        p.SetStartOfWeek(2);
                        p.SetPlannerStartTime(QTime(6, 30));
                    }},
        TChangeKind{"StyleSheet", [](TCalendarPage &p) { p.ResetStyle(QDate(2020, 2, 29)); }},
        TChangeKind{"UserTitle", [](TCalendarPage &p) { p.SetUserTitle(QStringLiteral("Mai")); }},
        TChangeKind{"ObjectCreated",
                    [](TCalendarPage &p) {
                        p.SetPanelState(psLabel);
                        DragOnPage(p, {400, 300}, {480, 340});
                    }},
        TChangeKind{"ObjectDeleted",
                    [](TCalendarPage &p) {
                        SelectFirst(p);
                        p.ClipboardAction(caDelete);
                    }},
        TChangeKind{"ObjectCloned", [](TCalendarPage &p) { First(p).Clone(); }},
        TChangeKind{"ObjectMoved",
                    [](TCalendarPage &p) {
                        TLumGraphicControl &o = First(p);
                        o.SetObjectBounds(o.Left() + 40, o.Top() + 12, o.Width(), o.Height());
                    }},
        TChangeKind{"ObjectResized",
                    [](TCalendarPage &p) {
                        TLumGraphicControl &o = First(p);
                        o.SetObjectBounds(o.Left(), o.Top(), o.Width() + 33, o.Height() + 7);
                    }},
        TChangeKind{"ObjectNudged",
                    [](TCalendarPage &p) {
                        SelectFirst(p);
                        p.Handle().KeyDown(Qt::Key_Right, Qt::NoModifier);
                        p.Handle().KeyUp(Qt::Key_Right, Qt::NoModifier);
                    }},
        TChangeKind{"Aligned",
                    [](TCalendarPage &p) {
                        p.SelectAll();
                        p.AlignTops();
                    }},
        TChangeKind{"Restacked",
                    [](TCalendarPage &p) {
                        SelectFirst(p);
                        p.BringToFront();
                    }},
        TChangeKind{"Locked", [](TCalendarPage &p) { p.LockAll(); }},
        TChangeKind{"Unselectable", [](TCalendarPage &p) { p.MarkAllUnselectable(); }},
        TChangeKind{"ObjectDialog",
                    [](TCalendarPage &p) {
                        dynamic_cast<TPaxLabel &>(First(p)).SetCaption(QStringLiteral("Fair"));
                    }}),
    [](const ::testing::TestParamInfo<TChangeKind> &info) { return info.param.Name; });

TEST(UndoHistory, UnlockingIsUndoneToLocked)
{
    TCalendarPage page;
    MakePage(page);
    page.LockAll();
    TUndoHistory history;
    history.Reset(page, true);
    const QByteArray locked = DocumentBytes(page);
    page.UnlockAll();
    ASSERT_TRUE(history.Record(page));
    ASSERT_TRUE(history.Undo(page));
    EXPECT_EQ(DocumentBytes(page), locked);
    EXPECT_TRUE(First(page).Locked());
}

TEST(UndoHistory, StepsAreNamedAfterWhatChanged)
{
    TCalendarPage page;
    page.ResetStyle(QDate(2026, 3, 1));
    TUndoHistory history;
    history.Reset(page, true);
    page.SetCellText(4, CellWith(QStringLiteral("Gym")));
    history.Record(page);
    EXPECT_EQ(history.UndoText(), QStringLiteral("Cell Text"));
    page.SetTitleBGColor(clRed);
    history.Record(page);
    EXPECT_EQ(history.UndoText(), QStringLiteral("Properties"));
    page.SetCellText(5, CellWith(QStringLiteral("Run")));
    history.Record(page, QStringLiteral("Clear All"));
    EXPECT_EQ(history.UndoText(), QStringLiteral("Clear All"));
    history.Undo(page);
    EXPECT_EQ(history.RedoText(), QStringLiteral("Clear All"));
}

TEST(UndoHistory, SavedPointFollowsUndoRedoAndANewChangeDropsTheRedoList)
{
    TCalendarPage page;
    page.ResetStyle(QDate(2026, 3, 1));
    TUndoHistory history;
    history.Reset(page, true);
    page.SetCellText(1, CellWith(QStringLiteral("a")));
    history.Record(page);
    history.MarkSaved();
    page.SetCellText(2, CellWith(QStringLiteral("b")));
    history.Record(page);
    EXPECT_FALSE(history.IsSaved());
    history.Undo(page);
    EXPECT_TRUE(history.IsSaved());
    history.Undo(page);
    EXPECT_FALSE(history.IsSaved());
    history.Redo(page);
    EXPECT_TRUE(history.IsSaved());
    page.SetCellText(9, CellWith(QStringLiteral("c")));
    history.Record(page);
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.Count(), 2);
    EXPECT_FALSE(history.IsSaved());
}

TEST(UndoHistory, ANewDocumentIsNeverTheSavedState)
{
    TCalendarPage page;
    TUndoHistory history;
    history.Reset(page, false);
    EXPECT_FALSE(history.IsSaved());
    page.SetCellText(1, CellWith(QStringLiteral("a")));
    history.Record(page);
    history.Undo(page);
    EXPECT_FALSE(history.IsSaved());
}

TEST(UndoHistory, MemoryIsBoundedByDroppingTheOldestSteps)
{
    TCalendarPage page;
    page.ResetStyle(QDate(2026, 3, 1));
    const qsizetype limit = 40 * 1024;
    TUndoHistory history(limit);
    history.Reset(page, true);
    const QString filler(400, QLatin1Char('x'));
    for (int step = 1; step <= 60; ++step) {
        page.SetCellText(step % CellCount + 1, CellWith(filler + QString::number(step)));
        ASSERT_TRUE(history.Record(page));
        EXPECT_LE(history.Bytes(), limit);
    }
    EXPECT_LT(history.Count(), 60);
    EXPECT_GT(history.Count(), 5);
    // The saved state was dropped: no undo reaches it any more.
    int undone = 0;
    while (history.Undo(page))
        ++undone;
    EXPECT_EQ(undone, history.Count());
    EXPECT_FALSE(history.IsSaved());
    // The newest step is what was kept last: redo all brings it back.
    while (history.Redo(page)) {
    }
    EXPECT_TRUE(page.CellDocument(60 % CellCount + 1)->Document().toPlainText().endsWith(u"60"));
}

TEST(UndoHistory, ASingleStepLargerThanTheLimitStays)
{
    TCalendarPage page;
    TUndoHistory history(16);
    history.Reset(page, true);
    page.SetCellText(1, CellWith(QStringLiteral("longer than sixteen bytes")));
    history.Record(page);
    EXPECT_EQ(history.Count(), 1);
    EXPECT_TRUE(history.Undo(page));
    EXPECT_TRUE(page.CellDocument(1)->IsEmpty());
}
