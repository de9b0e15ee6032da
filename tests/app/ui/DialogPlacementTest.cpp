#include "FlatCalendarEditor.h"
#include "LumFlatCalendar.h"
#include "MainWindowTestSupport.h"
#include "ScreenFit.h"
#include "ToolSpeedButton.h"

#include <QBoxLayout>
#include <QDialog>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(DialogPlacementTest, EveryDialogOpensWhollyOnTheScreenOfTheMainWindow)
{
    // Regression: Floating Calendar Properties opened at the click point,
    // partly off the screen.
    TMainWindowRun run;
    TCalendarMain &window = run.StartActive();
    const QRect area = window.screen()->availableGeometry();
    // The main window hangs over the screen's bottom right corner.
    window.move(area.right() - 300, area.bottom() - 200);
    window.Button(u"PSpeedButton1"_s)->click();
    QTest::mousePress(window.Parts().CalendarPanel, Qt::LeftButton, {}, QPoint(40, 40));
    QTest::mouseRelease(window.Parts().CalendarPanel, Qt::LeftButton, {}, QPoint(140, 120));
    ASSERT_EQ(window.Parts().CalendarPage->Objects().Count(), 1);
    auto &calendar =
        dynamic_cast<TLumFlatCalendar &>(*window.Parts().CalendarPage->Objects().At(0));

    QStringList seen;
    SetModalAnswerer(PassingSetDialogs([&](QDialog &dialog) {
        seen.append(dialog.windowTitle());
        EXPECT_TRUE(area.contains(dialog.frameGeometry()))
            << dialog.windowTitle().toStdString() << " at " << dialog.x() << "," << dialog.y();
        return int(QDialog::Rejected);
    }));
    window.Parts().FlatCalendarEditor->Properties(calendar);
    window.mnuPropertiesClick();
    window.mnuUserTitleClick();
    window.About1Click();
    SetModalAnswerer({});
    EXPECT_EQ(seen, (QStringList{u"Floating Calendar Properties"_s, u"Calendar Properties"_s,
                                 u"User Defined Title"_s, u"About Datewright"_s}));
}

TEST(DialogPlacementTest, ADialogLargerThanTheScreenScrollsItsContents)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QSize tall(300, area.height() + 200);
    const struct
    {
        const char *name;
        bool laidOut;
    } kinds[] = {{"controls placed by position", false}, {"controls in a layout", true}};
    for (const auto &kind : kinds) {
        QDialog dialog;
        auto *label = new QLabel(u"Bottom"_s);
        label->setObjectName(u"Bottom"_s);
        if (kind.laidOut) {
            auto *layout = new QVBoxLayout(&dialog);
            layout->addSpacing(tall.height());
            layout->addWidget(label, 3);
        } else {
            label->setParent(&dialog);
            label->move(10, tall.height() - 30);
            dialog.setFixedSize(tall);
        }
        dialog.move(area.topLeft() + QPoint(50, 50));
        FitOnScreen(dialog);
        EXPECT_TRUE(area.contains(dialog.frameGeometry())) << kind.name;
        const auto *scroll = dialog.findChild<QScrollArea *>(u"ScreenFitScroll"_s);
        ASSERT_NE(scroll, nullptr) << kind.name;
        EXPECT_TRUE(scroll->widget()->isAncestorOf(label)) << kind.name;
        const QWidget *contents = scroll->widget();
        EXPECT_GE(std::max(contents->minimumHeight(), contents->minimumSizeHint().height()),
                  tall.height())
            << kind.name;
        if (kind.laidOut) {
            const auto *moved = qobject_cast<QBoxLayout *>(contents->layout());
            ASSERT_NE(moved, nullptr);
            EXPECT_EQ(moved->stretch(1), 3) << "the layout's stretches go with it";
        }
        // A dialog fitted again (opened a second time) scrolls as it did.
        FitOnScreen(dialog);
        EXPECT_EQ(dialog.findChildren<QScrollArea *>().size(), 1) << kind.name;
        EXPECT_TRUE(area.contains(dialog.frameGeometry())) << kind.name;
        // A dialog that fits is left as it is.
        QDialog small;
        small.resize(200, 100);
        small.move(area.topLeft() + QPoint(20, 20));
        FitOnScreen(small);
        EXPECT_EQ(small.pos(), area.topLeft() + QPoint(20, 20));
        EXPECT_EQ(small.findChild<QScrollArea *>(), nullptr);
    }
}
