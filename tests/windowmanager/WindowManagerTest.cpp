#include "CalendarProperties.h"
#include "FlatCalendarEditor.h"
#include "LumFlatCalendar.h"
#include "MainWindowTestSupport.h"
#include "ToolSpeedButton.h"

#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int FrameWaitMs = 5000;

// Waits until the window manager has framed window and the frame has
// settled; false when it never was framed.
bool WaitFramed(QWidget &window)
{
    const bool framed = QTest::qWaitFor(
        [&window] {
            return window.isVisible() && window.windowHandle() &&
                   window.windowHandle()->isExposed() &&
                   window.windowHandle()->frameMargins().top() > 0;
        },
        FrameWaitMs);
    QTest::qWait(200);
    return framed;
}

QRect ScreenArea(const QWidget &window)
{
    return window.screen()->availableGeometry();
}

// Waits until window's frame lies inside the screen; whether it came to.
bool WaitOnScreen(QWidget &window)
{
    return QTest::qWaitFor(
        [&window] { return ScreenArea(window).contains(window.frameGeometry()); }, FrameWaitMs);
}

// A dialog the answerer shows to see where its frame goes, then closes.
int ShowAndCheckOnScreen(QDialog &dialog, int &checked)
{
    dialog.show();
    EXPECT_TRUE(WaitFramed(dialog)) << dialog.windowTitle().toStdString();
    EXPECT_TRUE(WaitOnScreen(dialog))
        << dialog.windowTitle().toStdString() << ": the frame lies beyond the screen";
    ++checked;
    dialog.hide();
    return int(QDialog::Rejected);
}

} // namespace

TEST(WindowManager, TheMainWindowsFrameComesBackWhereItWasInsideTheScreen)
{
    // Regression: at every restart under a window manager the title bar sat
    // above the top of the screen: the client area was put at 0,0.
    TMainWindowRun run;
    TCalendarMain &first = run.Start();
    ASSERT_TRUE(WaitFramed(first));
    EXPECT_TRUE(WaitOnScreen(first)) << "a first start fills the screen, frame and all";
    first.resize(700, 450);
    first.move(ScreenArea(first).topLeft() + QPoint(60, 40));
    ASSERT_TRUE(QTest::qWaitFor([&first] { return first.frameGeometry().width() < 800; }));
    QTest::qWait(200);
    const QRect frame = first.frameGeometry();
    first.close();

    TCalendarMain &second = run.Start();
    ASSERT_TRUE(WaitFramed(second));
    EXPECT_EQ(second.frameGeometry(), frame);
    second.close();

    // A placement as large as the screen, client area at 0,0, as the faulty
    // start wrote it: the frame is moved and made smaller to fit.
    const QRect screen = second.screen()->geometry();
    run.WriteIni("[TCalendarMain_Placement]\r\nLeft=0\r\nTop=0\r\nRight=" +
                 QByteArray::number(screen.width()) +
                 "\r\nBottom=" + QByteArray::number(screen.height()) + "\r\n");
    TCalendarMain &third = run.Start();
    ASSERT_TRUE(WaitFramed(third));
    EXPECT_TRUE(WaitOnScreen(third)) << "frame " << third.frameGeometry().top();
    EXPECT_GE(third.frameGeometry().top(), ScreenArea(third).top());
}

TEST(WindowManager, DialogsOpenWhollyOnTheScreen)
{
    // Regression: Floating Calendar Properties opened partly off the screen.
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    ASSERT_TRUE(WaitFramed(window));
    // The main window low in the screen's right corner.
    const QRect area = ScreenArea(window);
    window.resize(640, 420);
    window.move(area.right() - 660, area.bottom() - 440);
    QTest::qWait(300);

    window.Button(u"PSpeedButton1"_s)->click();
    QTest::mousePress(window.Parts().CalendarPanel, Qt::LeftButton, {}, QPoint(300, 300));
    QTest::mouseMove(window.Parts().CalendarPanel, QPoint(400, 380));
    QTest::mouseRelease(window.Parts().CalendarPanel, Qt::LeftButton, {}, QPoint(400, 380));
    ASSERT_EQ(window.Parts().CalendarPage->Objects().Count(), 1);
    auto &calendar =
        dynamic_cast<TLumFlatCalendar &>(*window.Parts().CalendarPage->Objects().At(0));

    int checked = 0;
    SetModalAnswerer(PassingSetDialogs(
        [&checked](QDialog &dialog) { return ShowAndCheckOnScreen(dialog, checked); }));
    window.Parts().FlatCalendarEditor->Properties(calendar);
    window.mnuPropertiesClick();
    window.About1Click();
    SetModalAnswerer({});
    EXPECT_EQ(checked, 3);
}
