#include "DesignFixture.h"
#include "PlacedObjects.h"
#include "ProgramFolder.h"

#include <QFileInfo>
#include <QTemporaryDir>

using Panel_ = DesignPanel;

namespace {

QStringList Captions(const TDesignMenu &menu, bool enabled)
{
    QStringList captions;
    for (const TDesignMenuItem &item : menu) {
        if (!item.IsSeparator() && item.Enabled == enabled)
            captions.append(item.Caption);
    }
    return captions;
}

} // namespace

TEST_F(Panel_, ARubberBandSelectsWhatItTouchesEitherWayRound)
{
    TTestObject &a = Place(10, 10, 20, 20);
    TTestObject &b = Place(100, 100, 20, 20);
    Place(200, 200, 20, 20);
    for (const auto &[from, to] :
         {std::pair{QPoint(5, 5), QPoint(125, 125)}, std::pair{QPoint(125, 125), QPoint(5, 5)}}) {
        Panel.MouseDown(Qt::LeftButton, Qt::NoModifier, from.x(), from.y());
        ASSERT_TRUE(Panel.RubberBand());
        Panel.MouseMove(Qt::LeftButton, Qt::NoModifier, to.x(), to.y());
        EXPECT_EQ(*Panel.RubberBand(), (TRect{5, 5, 125, 125}));
        Panel.MouseUp(Qt::LeftButton, Qt::NoModifier, to.x(), to.y());
        EXPECT_FALSE(Panel.RubberBand());
        EXPECT_EQ(Panel.Objects().Selection().size(), 2);
        EXPECT_TRUE(Panel.Objects().IsSelected(&a) && Panel.Objects().IsSelected(&b));
        // A drag is no click on the page.
        EXPECT_TRUE(Panel.Clicks.isEmpty());
    }
}

TEST_F(Panel_, AShiftRubberBandTogglesAgainstTheSelection)
{
    TTestObject &a = Place(10, 10, 20, 20);
    TTestObject &b = Place(50, 10, 20, 20);
    Panel.Handle().Add(&a);
    Panel.SelectInRect({0, 0, 100, 40}, true);
    EXPECT_EQ(Panel.Objects().Selection(), (QList<TLumGraphicControl *>{&b}));
    Panel.SelectInRect({0, 0, 100, 40}, false);
    EXPECT_EQ(Panel.Objects().Selection().size(), 2);
}

TEST_F(Panel_, AClickOnEmptyAreaDeselectsAndClicksThePage)
{
    TTestObject &a = Place(10, 10, 20, 20);
    Panel.Handle().Add(&a);
    Panel.MouseDown(Qt::LeftButton, Qt::NoModifier, 200, 200);
    Panel.MouseUp(Qt::LeftButton, Qt::NoModifier, 201, 200);
    EXPECT_TRUE(Panel.Objects().Selection().isEmpty());
    EXPECT_FALSE(Panel.Handle().Visible());
    EXPECT_EQ(Panel.Clicks, (QList<QPoint>{QPoint(201, 200)}));
}

TEST_F(Panel_, ACreationDragGivesItsNormalisedRectangle)
{
    QList<TRect> dropped;
    Panel.DroppedObjectEvent = [&](const TRect &r) { dropped.append(r); };
    View.ToolOn = 2;
    Panel.MouseDown(Qt::LeftButton, Qt::NoModifier, 90, 80);
    Panel.MouseMove(Qt::LeftButton, Qt::NoModifier, 30, 20);
    Panel.MouseUp(Qt::LeftButton, Qt::NoModifier, 30, 20);
    EXPECT_EQ(Panel.Created, (QList<TRect>{{30, 20, 90, 80}}));
    EXPECT_EQ(dropped, Panel.Created);
    EXPECT_TRUE(Panel.Clicks.isEmpty());
    // The view is told, and goes back to selecting.
    EXPECT_EQ(View.CreationsEnded, 1);
    EXPECT_TRUE(Panel.Pointing());
    // A creation drag may start on an object.
    View.ToolOn = 2;
    TTestObject &a = Place(100, 100, 50, 50);
    Press(a, 5, 5);
    Panel.MouseUp(Qt::LeftButton, Qt::NoModifier, 140, 140);
    EXPECT_EQ(Panel.Created.last(), (TRect{105, 105, 140, 140}));
    EXPECT_FALSE(Panel.Objects().IsSelected(&a));
}

TEST_F(Panel_, PlacedObjectsGetAMinimumSizeAndFreeNames)
{
    TLumGraphicControl &first = Panel.PlaceObject(std::make_unique<TTestObject>(), {5, 6, 8, 9});
    EXPECT_EQ(first.Bounds(), (TBounds{5, 6, 10, 15}));
    EXPECT_EQ(first.Name(), "Special1");
    EXPECT_EQ(first.Parent(), &Panel);
    TLumGraphicControl &second =
        Panel.PlaceObject(std::make_unique<TTestObject>(), {5, 6, 105, 66});
    EXPECT_EQ(second.Bounds(), (TBounds{5, 6, 100, 60}));
    EXPECT_EQ(second.Name(), "Special2");
    EXPECT_EQ(Changes, 2);
    first.SetName("special3");
    EXPECT_EQ(Panel.UniqueObjectName("Special"), "Special1");
    for (int n = 1; n <= 1000; ++n)
        Panel.Objects().Insert(MakeTestObject(0, 0, 1, 1)).SetName(QStringLiteral("X%1").arg(n));
    EXPECT_EQ(Panel.UniqueObjectName("X"), "");
}

TEST_F(Panel_, ZoomingTwiceToTheSameScaleChangesNothingTheSecondTime)
{
    TTestObject &a = Place(11, 13, 21, 3);
    View.SetZoom(0.5f);
    // Halves round to even: 5.5 to 6, 6.5 to 6, 10.5 to 10, 1.5 to 2.
    EXPECT_EQ(a.Bounds(), (TBounds{6, 6, 10, 2}));
    EXPECT_EQ(Panel.Width(), 200);
    EXPECT_EQ(a.Scale(), 0.5f);
    View.SetZoom(0.5f);
    EXPECT_EQ(a.Bounds(), (TBounds{6, 6, 10, 2}));
    EXPECT_EQ(Changes, 0); // zooming is no change of the document
    // Back at 100 % the object is where it was.
    View.SetZoom(1.0f);
    EXPECT_EQ(a.Bounds(), (TBounds{11, 13, 21, 3}));
    EXPECT_EQ(Changes, 0);
}

TEST_F(Panel_, ChangesAreNotReportedWhileLoading)
{
    TTestObject &a = Place(10, 10, 20, 20);
    Panel.SetLoading(true);
    a.SetLocked(true);
    Panel.SetLoading(false);
    EXPECT_EQ(Changes, 0);
    a.SetLocked(false);
    EXPECT_EQ(Changes, 1);
}

TEST_F(Panel_, AlignRightWithOneObjectMovesNothingAndWithTwoAlignsBoth)
{
    TTestObject &a = Place(10, 10, 20, 20);
    TTestObject &b = Place(50, 40, 40, 20);
    Panel.Handle().Add(&a);
    Panel.AlignRight();
    EXPECT_EQ(a.Left(), 10);
    Panel.Handle().Add(&b);
    Panel.AlignRight();
    EXPECT_EQ(a.Left(), 70);
    EXPECT_EQ(b.Left(), 50);
    Panel.AlignLeft();
    EXPECT_EQ(a.Left(), 50);
    Panel.AlignTops();
    EXPECT_EQ(b.Top(), 10);
    Panel.AlignBottoms();
    EXPECT_EQ(a.Top(), 10);
    b.SetLocked(true); // alignment moves locked objects too
    Panel.CenterHorizontally();
    EXPECT_EQ(a.Left(), 190);
    EXPECT_EQ(b.Left(), 180);
    Panel.CenterVertically();
    EXPECT_EQ(a.Top(), 140);
}

TEST_F(Panel_, StackingCommands)
{
    TTestObject &a = Place(10, 10, 20, 20);
    TTestObject &b = Place(20, 20, 20, 20);
    Panel.Handle().Add(&a);
    Panel.BringToFront();
    EXPECT_EQ(Panel.Objects().IndexOf(&a), 1);
    EXPECT_TRUE(Panel.Objects().IsSelected(&a)); // Bring To Front keeps the selection
    Panel.SendToBack();
    EXPECT_EQ(Panel.Objects().IndexOf(&a), 0);
    EXPECT_TRUE(Panel.Objects().Selection().isEmpty()); // Send To Back clears it
    EXPECT_FALSE(Panel.Handle().Visible());
    EXPECT_EQ(Panel.Objects().IndexOf(&b), 1);
    EXPECT_EQ(Changes, 2);
}

TEST_F(Panel_, RestackingRepaintsTheObjectThatMoved)
{
    TTestObject &a = Place(10, 10, 20, 20);
    Place(20, 20, 20, 20);
    View.Invalidated.clear();
    Panel.Objects().BringToFront(&a);
    // The object and the selection squares 3 pixels around it.
    EXPECT_EQ(View.Invalidated, (QList<TRect>{{7, 7, 33, 33}}));
}

TEST_F(Panel_, HeldChangeNoticesWaitAndTellWhetherOneCame)
{
    TTestObject &a = Place(10, 10, 20, 20);
    Panel.HoldChangeNotices();
    EXPECT_FALSE(Panel.ReleaseChangeNotices());
    Panel.HoldChangeNotices();
    a.SetObjectBounds(30, 10, 20, 20);
    EXPECT_EQ(Changes, 0);
    EXPECT_TRUE(Panel.ReleaseChangeNotices());
    EXPECT_FALSE(Panel.ReleaseChangeNotices());
    a.SetObjectBounds(40, 10, 20, 20);
    EXPECT_EQ(Changes, 1);
}

TEST_F(Panel_, LocksAndSelectability)
{
    TTestObject &a = Place(10, 10, 20, 20);
    TTestObject &b = Place(20, 20, 20, 20);
    Panel.LockAll();
    EXPECT_TRUE(a.Locked() && b.Locked());
    Panel.UnlockAll();
    EXPECT_FALSE(a.Locked() || b.Locked());
    EXPECT_EQ(Changes, 4);
    Panel.SelectAll();
    EXPECT_EQ(Panel.Objects().Selection().size(), 2);
    Panel.MarkAllUnselectable();
    EXPECT_TRUE(Panel.Objects().Selection().isEmpty());
    EXPECT_FALSE(Panel.Handle().Visible());
    Panel.SelectAll();
    EXPECT_TRUE(Panel.Objects().Selection().isEmpty());
    Panel.MarkAllSelectable();
    Panel.SelectAll();
    EXPECT_EQ(Panel.Objects().Selection(), (QList<TLumGraphicControl *>{&a, &b}));
}

TEST_F(Panel_, MarkingTheOnlySelectedObjectUnselectableHidesTheHandle)
{
    TTestObject &a = Place(10, 10, 20, 20);
    Panel.Handle().Add(&a);
    a.SetUnselectable(true);
    EXPECT_FALSE(Panel.Handle().Visible());
    // Clicks on it now start a rubber band.
    Press(a, 5, 5);
    EXPECT_TRUE(Panel.RubberBand());
}

TEST_F(Panel_, TheContextMenuEnablesWhatCanBeDone)
{
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    const TDesignMenu empty = Panel.PanelMenu();
    EXPECT_EQ(Captions(empty, true),
              (QStringList{"Mark All Selectable", "Mark All Unselectable", "Select All"}));
    EXPECT_EQ(empty.size(), 25);
    TTestObject &a = Place(10, 10, 20, 20);
    EXPECT_EQ(Captions(Panel.PanelMenu(), true),
              (QStringList{"Lock All", "Unlock All", "Mark All Selectable", "Mark All Unselectable",
                           "Select All"}));
    Panel.Handle().Add(&a);
    Panel.ClipboardAction(caCopy);
    EXPECT_EQ(Captions(Panel.PanelMenu(), false), QStringList{});
    SetProgramFolder(QString());
}

TEST_F(Panel_, ARightClickOpensTheMenuAtThePoint)
{
    TTestObject &a = Place(10, 10, 20, 20);
    Panel.MouseDown(Qt::RightButton, Qt::NoModifier, 200, 100);
    ASSERT_EQ(View.Menus.size(), 1);
    EXPECT_EQ(View.MenuPoints[0], QPoint(200, 100));
    EXPECT_FALSE(Panel.RubberBand());
    // On the only selected object its own menu opens.
    Press(a, 3, 4, Qt::NoModifier, Qt::RightButton);
    ASSERT_EQ(View.Menus.size(), 2);
    EXPECT_TRUE(FindMenuItem(View.Menus[1], "Clone"));
    EXPECT_EQ(View.MenuPoints[1], QPoint(13, 14));
    // On the handle over it, too; elsewhere on the handle the panel's menu.
    Panel.Handle().Add(&a);
    Panel.HandleMouseDown(Qt::RightButton, Qt::NoModifier, 5, 5);
    EXPECT_TRUE(FindMenuItem(View.Menus[2], "Clone"));
}

TEST_F(Panel_, ShiftClickOnTheHandleDeselectsWhatIsUnderIt)
{
    TTestObject &a = Place(10, 10, 20, 20);
    TTestObject &b = Place(50, 10, 20, 20);
    Panel.Handle().Add(&a);
    Panel.Handle().Add(&b);
    const TBounds h = Panel.Handle().Bounds();
    Panel.HandleMouseDown(Qt::LeftButton, Qt::ShiftModifier, 55 - h.Left, 15 - h.Top);
    EXPECT_EQ(Panel.Objects().Selection(), (QList<TLumGraphicControl *>{&a}));
    // Shift-clicking an unselected object adds it.
    Press(b, 1, 1, Qt::ShiftModifier);
    EXPECT_EQ(Panel.Objects().Selection().size(), 2);
}

TEST_F(Panel_, KeysCutCopyPasteAndDelete)
{
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    TTestObject &a = Place(10, 10, 20, 20);
    Panel.Handle().Add(&a);
    Panel.KeyDown(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QFileInfo::exists(Panel.ClipboardFileName()));
    Panel.KeyDown(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Panel.Objects().Count(), 2);
    Panel.KeyDown(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(Panel.Objects().Count(), 1);
    EXPECT_FALSE(Panel.Objects().Contains(&a));
    Panel.SelectAll();
    Panel.KeyDown(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(Panel.Objects().Count(), 1);
    Panel.KeyDown(Qt::Key_Delete, Qt::NoModifier);
    EXPECT_TRUE(Panel.Objects().IsEmpty());
    EXPECT_FALSE(Panel.Handle().Visible());
    SetProgramFolder(QString());
}

TEST_F(Panel_, TheFontCommandGivesTheSelectionTheChosenFont)
{
    TTestObject &a = Place(10, 10, 20, 20);
    TTestObject &b = Place(50, 10, 20, 20);
    Panel.Handle().Add(&a);
    View.FontAnswer = TFontDesc{QStringLiteral("Liberation Serif"), 20, {}, clBlue};
    Panel.ChooseFont();
    EXPECT_EQ(a.AppliedFont.Name, "Liberation Serif");
    EXPECT_TRUE(b.AppliedFont.Name.isEmpty());
}

TEST_F(Panel_, AMovedObjectRefitsTheHandleOnceTheMoveIsOver)
{
    TTestObject &a = Place(10, 10, 20, 20);
    Panel.Handle().Add(&a);
    a.SetLeft(100);
    EXPECT_EQ(View.RefitsPosted, 1);
    EXPECT_EQ(Panel.Handle().Bounds().Left, 8);
    Panel.DeliverRefit();
    EXPECT_EQ(Panel.Handle().Bounds(), (TBounds{98, 8, 26, 26}));
}

TEST_F(Panel_, DeletingAllObjectsEmptiesTheSelection)
{
    TTestObject &a = Place(10, 10, 20, 20);
    Place(50, 10, 20, 20);
    Panel.Handle().Add(&a);
    Panel.DeleteAllObjects();
    EXPECT_TRUE(Panel.Objects().IsEmpty());
    EXPECT_FALSE(Panel.Handle().Visible());
    EXPECT_EQ(Panel.Handle().Count(), 0);
}

TEST_F(Panel_, OnlyPlacedObjectsAreTakenFromStreams)
{
    struct TOther : TComponent
    {
        const TClassInfo &ClassInfo() const override { return TTestObject::Class(); }
    };
    Panel.Objects().InsertComponent(std::make_unique<TOther>());
    EXPECT_TRUE(Panel.Objects().IsEmpty());
    Panel.Objects().InsertComponent(MakeTestObject(1, 2, 3, 4));
    ASSERT_EQ(Panel.Objects().Count(), 1);
    EXPECT_EQ(Panel.Objects().At(0)->Parent(), &Panel);
}

TEST_F(Panel_, ObjectsKeepTheirIdentityWhenReplacedRestackedOrPutBack)
{
    TTestObject &a = Place(10, 10, 20, 20);
    TTestObject &b = Place(40, 10, 20, 20);
    TTestObject &c = Place(70, 10, 20, 20);
    TPlacedObjects &objects = Panel.Objects();
    const quint64 idA = objects.IdOf(&a), idB = objects.IdOf(&b), idC = objects.IdOf(&c);
    EXPECT_TRUE(idA && idB && idC && idA != idB && idB != idC && idA != idC);
    EXPECT_EQ(objects.IdOf(nullptr), 0u);
    EXPECT_EQ(objects.WithId(idB), &b);

    // A replacement takes the place, identity and selection slot of b.
    Panel.Handle().Add(&b);
    Panel.Handle().Add(&a);
    View.Invalidated.clear();
    std::unique_ptr<TLumGraphicControl> fresh = MakeTestObject(40, 60, 25, 25);
    TLumGraphicControl *b2 = fresh.get();
    Panel.ReplaceObject(b, std::move(fresh));
    EXPECT_EQ(objects.Objects(), (QList<TLumGraphicControl *>{&a, b2, &c}));
    EXPECT_EQ(objects.IdOf(b2), idB);
    EXPECT_EQ(objects.Selection(), (QList<TLumGraphicControl *>{b2, &a}));
    EXPECT_EQ(b2->Parent(), &Panel);
    EXPECT_TRUE(View.Invalidated.contains(TRect{37, 7, 63, 33}));
    EXPECT_TRUE(View.Invalidated.contains(TRect{37, 57, 68, 88}));

    // An unselectable replacement leaves the selection.
    fresh = MakeTestObject(10, 10, 20, 20);
    fresh->SetUnselectable(true);
    TLumGraphicControl *a2 = fresh.get();
    Panel.ReplaceObject(a, std::move(fresh));
    EXPECT_EQ(objects.Selection(), (QList<TLumGraphicControl *>{b2}));
    EXPECT_EQ(objects.IdOf(a2), idA);

    // Taken and put back under its identity; a taken identity is not given
    // twice, and a new object never gets an identity that was used.
    std::unique_ptr<TLumGraphicControl> taken = objects.Take(&c);
    EXPECT_EQ(objects.WithId(idC), nullptr);
    TLumGraphicControl &back = objects.Insert(std::move(taken), idC);
    EXPECT_EQ(objects.IdOf(&back), idC);
    TLumGraphicControl &other = objects.Insert(MakeTestObject(1, 1, 5, 5), idC);
    EXPECT_GT(objects.IdOf(&other), std::max({idA, idB, idC}));
    objects.Delete(&other);
    EXPECT_GT(objects.IdOf(&Place(2, 2, 5, 5)), objects.IdOf(&back) + 1);

    // Restacked by identity; an object not named stays in front.
    TLumGraphicControl *newest = objects.At(3);
    objects.Reorder({idC, idA, idB});
    EXPECT_EQ(objects.Objects(), (QList<TLumGraphicControl *>{&back, a2, b2, newest}));
}
