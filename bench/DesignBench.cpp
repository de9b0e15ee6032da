#include "CalendarPanel32.h"
#include "DesignSurface.h"
#include "LumHandleWidget.h"
#include "ProgramFolder.h"
#include "TestObject.h"
#include "Yardstick.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <memory>

namespace {

// The month grid page on the screen, its 42 cells filled, with count test
// objects in rows of ten, painted once.
std::unique_ptr<TCalendarPanel32> ShownPage(int count)
{
    auto page = std::make_unique<TCalendarPanel32>();
    MakeBenchPage(page->Page(), LOFullCalendarLS, true);
    page->Page().ObjectClasses().Register(TTestObject::Class());
    for (int i = 0; i < count; ++i)
        page->Page().Objects().Insert(
            MakeTestObject(40 + 90 * (i % 10), 60 + 30 * (i / 10), 60, 20));
    page->show();
    QApplication::processEvents();
    return page;
}

void SendMouse(QWidget &widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
               Qt::MouseButtons held)
{
    QMouseEvent event(type, at, widget.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

BENCHMARK(BM_g0_BareMonthGrid);

// One step of dragging a selected object: the mouse moves over the handle,
// the outline follows and the area it left and reached is painted again.
static void BM_DragStep(benchmark::State &state)
{
    const auto page = ShownPage(20);
    qint64 now = 100000;
    page->Page().SetClock([&now] { return now; });
    page->Page().Handle().Add(page->Page().Objects().At(5));
    QWidget &handle = page->DesignSurface().HandleWidget();
    SendMouse(handle, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    now += 1000;
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 50;
        SendMouse(handle, QEvent::MouseMove, QPoint(10 + step, 10 + step), Qt::NoButton,
                  Qt::LeftButton);
        QApplication::processEvents();
    }
    SendMouse(handle, QEvent::MouseButtonRelease, QPoint(10, 10), Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_DragStep);

// Select All over 200 objects and one arrow key moving them all, painted.
static void BM_SelectAllAndNudge(benchmark::State &state)
{
    const auto page = ShownPage(200);
    int direction = 1;
    for (auto _ : state) {
        page->Page().SelectAll();
        direction = -direction;
        const int key = direction > 0 ? Qt::Key_Right : Qt::Key_Left;
        page->Page().Handle().KeyDown(key, Qt::NoModifier);
        page->Page().Handle().KeyUp(key, Qt::NoModifier);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_SelectAllAndNudge);

// Copy of 50 selected objects to the clipboard file and their paste.
static void BM_CopyPaste50(benchmark::State &state)
{
    QTemporaryDir folder;
    SetProgramFolder(folder.path());
    const auto page = ShownPage(50);
    qint64 now = 100000;
    page->Page().SetClock([&now] { return now; });
    for (auto _ : state) {
        page->Page().SelectAll();
        page->Page().ClipboardAction(caCopy);
        now += 2000;
        page->Page().ClipboardAction(caPaste);
        state.PauseTiming();
        while (page->Page().Objects().Count() > 50)
            page->Page().FreeObject(*page->Page().Objects().At(50));
        QApplication::processEvents();
        state.ResumeTiming();
    }
    SetProgramFolder(QString());
}
BENCHMARK(BM_CopyPaste50);
