#include "CalendarProperties.h"
#include "IniFile.h"
#include "ModalDialog.h"
#include "SettingsFile.h"
#include "SettingsTestSupport.h"
#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>
#include <QWidget>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A window class of its own, so its placement has its own section.
class TScaledProbe : public QWidget
{
    Q_OBJECT
};

TEST(WindowsAt200Percent, KeepAPlacementApartFromTheOneAt100Percent)
{
    // Regression: the placement at 200 % went into the section of 100 %, so
    // the next start at 100 % opened the window at half its size.
    ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 2.0);
    TSettingsFolder folder;
    {
        TIniFile ini(SettingsFileName());
        WritePlacement(ini, u"TScaledProbe_Placement"_s, {{10, 20, 210, 170}, false});
        ASSERT_TRUE(WriteSettings(ini));
    }
    TScaledProbe window;
    window.resize(300, 200);
    ASSERT_TRUE(RestorePlacement(window));
    EXPECT_EQ(window.size(), QSize(300, 200)) << "the placement of 100 % is not this one";

    window.setGeometry(30, 40, 320, 220);
    ASSERT_TRUE(SavePlacement(window));
    const TIniFile ini(SettingsFileName());
    EXPECT_EQ(ReadPlacement(ini, u"TScaledProbe_Placement192"_s, true),
              (TPlacement{{30, 40, 350, 260}, false}))
        << "stored in the pixels the window has";
    EXPECT_EQ(ReadPlacement(ini, u"TScaledProbe_Placement"_s, true).Bounds,
              (TRect{10, 20, 210, 170}));
}

TEST(WindowsAt200Percent, APropertiesDialogLargerThanTheScreenScrollsOnIt)
{
    // Regression: Calendar Properties at 200 % ran past the screen's bottom.
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    TCalendarProperties dialog;
    const QSize designed = dialog.size();
    ASSERT_FALSE(QRect(area.topLeft(), designed).intersected(area).size() == designed)
        << "the dialog is larger than the screen at 200 %";
    QSize shown;
    QRect frame;
    const QScrollArea *scroll = nullptr;
    SetModalAnswerer([&](QDialog &asked) {
        shown = asked.size();
        frame = asked.frameGeometry();
        scroll = asked.findChild<QScrollArea *>(u"ScreenFitScroll"_s);
        return int(QDialog::Rejected);
    });
    ExecModal(dialog);
    SetModalAnswerer({});
    EXPECT_TRUE(area.contains(frame))
        << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height() << " in "
        << area.width() << "x" << area.height();
    EXPECT_LE(shown.height(), area.height());
    EXPECT_LE(shown.width(), area.width());
    ASSERT_NE(scroll, nullptr);
    // The controls keep their places on a page of the designed size.
    EXPECT_EQ(scroll->widget()->size(), designed);
    EXPECT_TRUE(scroll->widget()->isAncestorOf(dialog.findChild<QWidget *>(u"okbutton"_s)));
}

} // namespace

#include "WindowFitTest.moc"
