#include "CalendarPage.h"
#include "TestObject.h"

#include <QTextDocument>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Records every notice the page sends, in order.
class TRecorder : public TPageObserver
{
public:
    QList<TPageChanges> Notices;
    std::function<void()> OnNotice;

    void PageChanged(TPageChanges changes) override
    {
        Notices.append(changes);
        if (OnNotice)
            OnNotice();
    }
};

using C = TPageChange;

struct TSetterCase
{
    const char *Name;
    std::function<void(TCalendarPage &)> Change;
    QList<TPageChanges> Expected;
};

} // namespace

TEST(PageObserver, EverySetterTellsWhatChangedOnceAndAnUnchangedValueNothing)
{
    const QList<TSetterCase> cases{
        {"title colour", [](TCalendarPage &p) { p.SetTitleBGColor(clRed); }, {C::Style}},
        {"same title colour", [](TCalendarPage &p) { p.SetTitleBGColor(clWhite); }, {}},
        {"cell font",
         [](TCalendarPage &p) {
             p.SetCellFont({"Arial", 9, {}, clBlack});
         },
         {C::Style}},
        {"user title", [](TCalendarPage &p) { p.SetUserTitle("Ours"); }, {C::Style}},
        {"line layout", [](TCalendarPage &p) { p.SetCalendarLineLayout(llCellsOnly); }, {C::Style}},
        {"cell text",
         [](TCalendarPage &p) {
             TWPRtfStorage text;
             text.RtfText().Document().setPlainText("Swim");
             p.SetCellText(9, text);
         },
         {C::Cells}},
        {"cell edited in place",
         [](TCalendarPage &p) {
             p.EditCellText(9, [](TWPRTFTextPaint &cell) { cell.Document().setPlainText("x"); });
         },
         {C::Cells}},
        {"cell outside", [](TCalendarPage &p) { p.SetCellText(43, {}); }, {}},
        {"margin", [](TCalendarPage &p) { p.SetLeftMarginInch(0.5f); }, {C::Size, C::Layout}},
        {"month", [](TCalendarPage &p) { p.SetMainCalMonth(7); }, {C::Size, C::Layout}},
        {"impossible month", [](TCalendarPage &p) { p.SetMainCalMonth(13); }, {}},
        {"layout", [](TCalendarPage &p) { p.SetCalendarLayout(loWeek); }, {C::Size, C::Layout}},
        // The zoom and the tool are the view's: the page does not change.
        {"zoom and tool of a view",
         [](TCalendarPage &p) {
             TRecordingView view(p);
             view.SetZoom(0.5f);
             view.ToolOn = psLabel;
             p.SetView(nullptr);
         },
         {}},
    };
    for (const TSetterCase &test : cases) {
        TCalendarPage page;
        TRecorder recorder;
        page.AddObserver(recorder);
        test.Change(page);
        EXPECT_EQ(recorder.Notices, test.Expected) << test.Name;
        page.RemoveObserver(recorder);
    }
}

TEST(PageObserver, AZoomKeepsTheLayoutAtOneHundredPercent)
{
    TCalendarPage page;
    const int width = page.PageWidth();
    const TRect main = page.MainRect();
    TRecordingView view(page);
    view.SetZoom(0.5f);
    EXPECT_EQ(page.PageWidth(), width);
    EXPECT_EQ(page.MainRect(), main);
    EXPECT_EQ(page.Width(), width / 2);
}

TEST(PageObserver, EveryObserverIsToldUntilItIsRemoved)
{
    TCalendarPage page;
    TRecorder first, second;
    page.AddObserver(first);
    page.AddObserver(second);
    page.SetUserTitle("One");
    page.RemoveObserver(first);
    page.SetUserTitle("Two");
    page.RemoveObserver(second);
    page.SetUserTitle("Three");
    EXPECT_EQ(first.Notices.size(), 1);
    EXPECT_EQ(second.Notices.size(), 2);
}

// Observers that go while the page tells of a change (a view closed by it):
// the rest are still told, and one removed meanwhile is not told any more.
TEST(PageObserver, ObserversRemovedWhileToldLeaveTheOthersTold)
{
    TCalendarPage page;
    TRecorder leaving, staying, removed;
    leaving.OnNotice = [&] {
        page.RemoveObserver(leaving);
        page.RemoveObserver(removed);
    };
    page.AddObserver(leaving);
    page.AddObserver(staying);
    page.AddObserver(removed);
    page.SetUserTitle("One");
    page.SetUserTitle("Two");
    EXPECT_EQ(leaving.Notices.size(), 1);
    EXPECT_EQ(staying.Notices.size(), 2);
    EXPECT_EQ(removed.Notices.size(), 0);
}
