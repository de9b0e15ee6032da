#include "UndoHistory.h"

#include "CalendarPage.h"
#include "LabelPrompts.h"
#include "LumBaseLabel.h"
#include "PageGestures.h"
#include "PaxRichBaseLabel.h"
#include "ProgramFolder.h"
#include "RtfDocument.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <functional>
#include <map>

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

void Move(TLumGraphicControl &o, int dx, int dy)
{
    o.SetObjectBounds(o.Left() + dx, o.Top() + dy, o.Width(), o.Height());
}

// A copy of the selection pasted back (the clipboard file lives in the
// program folder the test sets).
void CopyAndPaste(TCalendarPage &page)
{
    page.ClipboardAction(caCopy);
    page.ClipboardAction(caPaste);
}

using TIdentities = std::map<quint64, const TLumGraphicControl *>;

TIdentities Identities(const TCalendarPage &page)
{
    TIdentities objects;
    for (const TLumGraphicControl *object : page.Objects().Objects())
        objects.emplace(page.Objects().IdOf(object), object);
    return objects;
}

QList<quint64> SelectedIds(const TCalendarPage &page)
{
    QList<quint64> ids;
    for (const TLumGraphicControl *object : page.Objects().Selection())
        ids.append(page.Objects().IdOf(object));
    return ids;
}

// The identities whose object is the same before and after a change.
QList<quint64> Untouched(const TPageSnapshot &before, const TPageSnapshot &after)
{
    QList<quint64> ids;
    for (const auto &[id, state] : before.Objects) {
        const auto found = after.Objects.find(id);
        if (found != after.Objects.end() && found->second == state)
            ids.append(id);
    }
    return ids;
}

// Undo or redo keeps every object the step did not touch (the very same
// object) and the selection, less the objects that went (objects that come
// back are not selected).
void ExpectOthersKept(const TCalendarPage &page, const TIdentities &shown,
                      const QList<quint64> &untouched, const QList<quint64> &selected,
                      const TIdentities &present)
{
    const TIdentities now = Identities(page);
    for (const quint64 id : untouched) {
        ASSERT_TRUE(now.contains(id)) << id;
        EXPECT_EQ(now.at(id), shown.at(id)) << "object " << id << " was made again";
    }
    QList<quint64> kept;
    for (const quint64 id : selected) {
        if (now.contains(id) && present.contains(id) && !now.at(id)->Unselectable())
            kept.append(id);
    }
    EXPECT_EQ(SelectedIds(page), kept);
}

struct TChangeKind
{
    const char *Name;
    std::function<void(TCalendarPage &)> Change;
};

class UndoEveryChange : public ::testing::TestWithParam<TChangeKind>
{
protected:
    UndoEveryChange() { SetProgramFolder(m_folder.path()); }
    ~UndoEveryChange() override
    {
        SetLabelPrompts({});
        SetProgramFolder(QString());
    }

private:
    QTemporaryDir m_folder;
};

} // namespace

TEST_P(UndoEveryChange, UndoAndRedoRestoreTheSameBytes)
{
    TCalendarPage page;
    MakePage(page);
    TUndoHistory history;
    history.Reset(page, true);
    const struct
    {
        QByteArray Bytes;
        TPageSnapshot Snapshot;
    } before{DocumentBytes(page), CapturePage(page)};

    GetParam().Change(page);
    const QByteArray after = DocumentBytes(page);
    ASSERT_NE(after, before.Bytes) << "the change changed nothing";
    ASSERT_TRUE(history.Record(page));
    EXPECT_FALSE(history.IsSaved());
    EXPECT_FALSE(history.UndoText().isEmpty());

    const QList<quint64> untouched = Untouched(before.Snapshot, CapturePage(page));
    const TIdentities shown = Identities(page);
    const QList<quint64> selected = SelectedIds(page);

    ASSERT_TRUE(history.Undo(page));
    EXPECT_EQ(DocumentBytes(page), before.Bytes);
    EXPECT_TRUE(history.IsSaved());
    ExpectOthersKept(page, shown, untouched, selected, shown);
    // Nothing differs from what the history saw after the undo.
    EXPECT_FALSE(history.Record(page));
    const TIdentities undone = Identities(page);
    ASSERT_TRUE(history.Redo(page));
    EXPECT_EQ(DocumentBytes(page), after);
    EXPECT_FALSE(history.IsSaved());
    ExpectOthersKept(page, shown, untouched, selected, undone);
    ASSERT_TRUE(history.Undo(page));
    EXPECT_EQ(DocumentBytes(page), before.Bytes);
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
        TChangeKind{"WeekNumbers", [](TCalendarPage &p) { p.SetWeekNumbers(wnIso); }},
        TChangeKind{"ObjectCreated",
                    [](TCalendarPage &p) {
                        DragWithTool(p, psLabel, {400, 300}, {480, 340});
                    }},
        TChangeKind{"ObjectDeleted",
                    [](TCalendarPage &p) {
                        SelectFirst(p);
                        p.ClipboardAction(caDelete);
                    }},
        TChangeKind{"ObjectCloned", [](TCalendarPage &p) { First(p).Clone(); }},
        TChangeKind{"ObjectMoved", [](TCalendarPage &p) { Move(First(p), 40, 12); }},
        TChangeKind{"SelectedObjectMoved",
                    [](TCalendarPage &p) {
                        p.SelectAll();
                        Move(First(p), -30, 25);
                    }},
        TChangeKind{"SelectionDeleted",
                    [](TCalendarPage &p) {
                        p.SelectAll();
                        p.ClipboardAction(caDelete);
                    }},
        TChangeKind{"SelectionCut",
                    [](TCalendarPage &p) {
                        SelectFirst(p);
                        p.ClipboardAction(caCut);
                    }},
        TChangeKind{"Pasted",
                    [](TCalendarPage &p) {
                        p.SelectAll();
                        CopyAndPaste(p);
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
        TChangeKind{"RestackedAndMoved",
                    [](TCalendarPage &p) {
                        SelectFirst(p);
                        p.BringToFront();
                        Move(First(p), 5, 5);
                    }},
        TChangeKind{"AlignedLeftsOfSelection",
                    [](TCalendarPage &p) {
                        p.SelectAll();
                        Move(*p.Objects().At(1), 0, 45);
                        p.AlignLeft();
                    }},
        TChangeKind{"Locked", [](TCalendarPage &p) { p.LockAll(); }},
        TChangeKind{"Unselectable", [](TCalendarPage &p) { p.MarkAllUnselectable(); }},
        TChangeKind{"ObjectDialog",
                    [](TCalendarPage &p) {
                        dynamic_cast<TPaxLabel &>(First(p)).SetCaption(QStringLiteral("Fair"));
                    }},
        TChangeKind{"SelectedObjectRenamedAndRecoloured",
                    [](TCalendarPage &p) {
                        SelectFirst(p);
                        First(p).SetName(QStringLiteral("Greeting"));
                        dynamic_cast<TPaxLabel &>(First(p)).SetBackColor(clYellow);
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

TEST(UndoHistory, UndoingAMoveKeepsTheOtherObjectAndTheSelection)
{
    TCalendarPage page;
    MakePage(page);
    page.SelectAll();
    TLumGraphicControl *moved = page.Objects().At(0);
    TLumGraphicControl *other = page.Objects().At(1);
    const quint64 movedId = page.Objects().IdOf(moved);
    const TBounds place = moved->Bounds();
    TUndoHistory history;
    history.Reset(page, true);
    Move(*moved, 70, 30);
    page.Handle().Refit();
    ASSERT_TRUE(history.Record(page));

    for (const bool undo : {true, false, true}) {
        ASSERT_TRUE(undo ? history.Undo(page) : history.Redo(page));
        EXPECT_EQ(page.Objects().At(1), other);
        TLumGraphicControl *back = page.Objects().At(0);
        EXPECT_EQ(page.Objects().IdOf(back), movedId);
        EXPECT_EQ(back->Bounds().Left, place.Left + (undo ? 0 : 70));
        EXPECT_EQ(page.Objects().Selection(), (QList<TLumGraphicControl *>{back, other}));
        // The handle the user drags is around the objects where they are now.
        const TBounds handle = page.Handle().Bounds();
        for (const TLumGraphicControl *object : {back, other}) {
            EXPECT_LE(handle.Left, object->Left());
            EXPECT_GE(handle.Left + handle.Width, object->Left() + object->Width());
            EXPECT_LE(handle.Top, object->Top());
        }
    }
}

// Regression: undoing an object's change rewrote every object, so the steps
// held every object each time.
TEST(UndoHistory, AnObjectStepHoldsOnlyTheObjectItTouched)
{
    TCalendarPage page;
    MakePage(page);
    const QString many(2000, QLatin1Char('w'));
    dynamic_cast<TPaxLabel &>(First(page)).SetCaption(many);
    TUndoHistory history;
    history.Reset(page, true);
    Move(*page.Objects().At(1), 10, 0);
    ASSERT_TRUE(history.Record(page));
    EXPECT_LT(history.Bytes(), many.size());
    EXPECT_EQ(history.UndoText(), QStringLiteral("Object Change"));
}

TEST(UndoHistory, ObjectStepsAreNamedAfterWhatHappenedToTheObjects)
{
    TCalendarPage page;
    MakePage(page);
    TUndoHistory history;
    history.Reset(page, true);
    const struct
    {
        std::function<void()> Change;
        const char *Name;
    } steps[] = {
        {[&] { First(page).Clone(); }, "New Object"},
        {[&] { Move(First(page), 3, 3); }, "Object Change"},
        {[&] { page.BringToFront(); }, "Object Change"},
        {[&] {
             SelectFirst(page);
             page.ClipboardAction(caDelete);
         },
         "Delete Object"},
    };
    for (const auto &step : steps) {
        step.Change();
        ASSERT_TRUE(history.Record(page)) << step.Name;
        EXPECT_EQ(history.UndoText(), QString::fromLatin1(step.Name));
    }
}

// Seeded sequences of changes to the objects and cells, each recorded as a
// step; undoing them all and redoing them all passes through every state's
// bytes, and objects a step did not touch are never made again by it.
TEST(UndoHistory, MixedSequencesPassThroughEveryStateBothWays)
{
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    const std::function<void(TCalendarPage &, QRandomGenerator &)> changes[] = {
        [](TCalendarPage &p, QRandomGenerator &r) {
            Move(*p.Objects().At(r.bounded(p.Objects().Count())), r.bounded(-20, 20), 7);
        },
        [](TCalendarPage &p, QRandomGenerator &r) {
            p.Objects().At(r.bounded(p.Objects().Count()))->Clone();
        },
        [](TCalendarPage &p, QRandomGenerator &r) {
            if (p.Objects().Count() > 1)
                p.FreeObject(*p.Objects().At(r.bounded(p.Objects().Count())));
        },
        [](TCalendarPage &p, QRandomGenerator &r) {
            p.Handle().Clear();
            p.Handle().Add(p.Objects().At(r.bounded(p.Objects().Count())));
            CopyAndPaste(p);
        },
        [](TCalendarPage &p, QRandomGenerator &) {
            p.SelectAll();
            p.AlignBottoms();
        },
        [](TCalendarPage &p, QRandomGenerator &r) {
            p.Handle().Clear();
            p.Handle().Add(p.Objects().At(r.bounded(p.Objects().Count())));
            p.SendToBack();
        },
        [](TCalendarPage &p, QRandomGenerator &r) {
            if (auto *label = dynamic_cast<TPaxLabel *>(p.Objects().At(0)))
                label->SetCaption(QString::number(r.generate()));
        },
        [](TCalendarPage &p, QRandomGenerator &r) {
            p.SetCellText(r.bounded(1, CellCount + 1), CellWith(QString::number(r.generate())));
        },
    };
    for (const quint32 seed : {1u, 7u, 42u, 2026u}) {
        SCOPED_TRACE(seed);
        QRandomGenerator random(seed);
        TCalendarPage page;
        MakePage(page);
        TUndoHistory history;
        history.Reset(page, true);
        struct TState
        {
            QByteArray Bytes;
            TPageSnapshot Snapshot;
        };
        QList<TState> states{{DocumentBytes(page), CapturePage(page)}};
        while (states.size() <= 12) {
            changes[random.bounded(int(std::size(changes)))](page, random);
            if (history.Record(page))
                states.append({DocumentBytes(page), CapturePage(page)});
        }
        // Each undo or redo from state i to state j keeps the objects the
        // two states share unchanged.
        const auto step = [&](bool undo, qsizetype from, qsizetype to) {
            const TIdentities shown = Identities(page);
            ASSERT_TRUE(undo ? history.Undo(page) : history.Redo(page));
            ASSERT_EQ(DocumentBytes(page), states[to].Bytes) << from << " to " << to;
            const TIdentities now = Identities(page);
            for (const quint64 id : Untouched(states[from].Snapshot, states[to].Snapshot))
                EXPECT_EQ(now.contains(id) ? now.at(id) : nullptr, shown.at(id))
                    << from << " to " << to << ": " << id;
        };
        for (qsizetype i = states.size() - 1; i > 0; --i)
            step(true, i, i - 1);
        EXPECT_FALSE(history.Undo(page));
        for (qsizetype i = 1; i < states.size(); ++i)
            step(false, i - 1, i);
        EXPECT_FALSE(history.Redo(page));
    }
    SetProgramFolder(QString());
    SetLabelPrompts({});
}
