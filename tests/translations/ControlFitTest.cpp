#include "ControlFit.h"

#include "CalendarMain.h"
#include "CalendarPage.h"
#include "CalendarProperties.h"
#include "CalendarSetDialog.h"
#include "EditRecurringDateFormula.h"
#include "EditRecurringDates.h"
#include "FlatCalendarEditor.h"
#include "FloatingPalette.h"
#include "FontColorDialog.h"
#include "GetHolidays.h"
#include "GetLabelText.h"
#include "HelpViewer.h"
#include "LumFont3DEffects.h"
#include "LumImageBrowser.h"
#include "LumSuperText.h"
#include "ProgramFolder.h"
#include "RichTextLabelEditor.h"
#include "SelectRecurringDates.h"
#include "SetTimeDialog.h"
#include "SplashForm.h"
#include "SuperTextBrushImageBrowser.h"
#include "SuperTextGetSymbol.h"
#include "SuperTextProperties.h"
#include "Translations.h"
#include "UserTitleForm.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string_view>

using namespace Qt::StringLiterals;

namespace {

const QString programFolder = QStringLiteral(DW_PROGRAM_DIR);

// Each window of the program, made as the program first shows it.
struct TWindowMaker
{
    const char *Name;
    std::function<std::unique_ptr<QWidget>()> Make;
};

template <typename T> std::unique_ptr<QWidget> Made(std::unique_ptr<T> window)
{
    return window;
}

const std::vector<TWindowMaker> &Windows()
{
    static const TCalendarPage page;
    static const TLumSuperText superText;
    static const std::vector<TWindowMaker> windows{
        {"TCalendarMain", [] { return Made(std::make_unique<TCalendarMain>()); }},
        {"TCalendarProperties", [] { return Made(std::make_unique<TCalendarProperties>()); }},
        {"TCalendarSetDialog",
         [] {
             return Made(std::make_unique<TCalendarSetDialog>(page, programFolder, u"Print"_s));
         }},
        {"TSetTimeDialog", [] { return Made(std::make_unique<TSetTimeDialog>()); }},
        {"TEditRecurringDates",
         [] { return Made(std::make_unique<TEditRecurringDates>(QStringList{}, programFolder)); }},
        {"TEditRecurringDateFormula",
         [] { return Made(std::make_unique<TEditRecurringDateFormula>()); }},
        {"TSelectRecurringDates",
         [] { return Made(std::make_unique<TSelectRecurringDates>(QStringList{})); }},
        {"TGetHolidays", [] { return Made(std::make_unique<TGetHolidays>(programFolder)); }},
        {"TFlatCalendarEditor", [] { return Made(std::make_unique<TFlatCalendarEditor>()); }},
        {"TLumFont3DEffects", [] { return Made(std::make_unique<TLumFont3DEffects>()); }},
        {"TSuperTextProperties",
         [] { return Made(std::make_unique<TSuperTextProperties>(TLabelDialogHooks{})); }},
        {"TSuperTextGetSymbol",
         [] { return Made(std::make_unique<TSuperTextGetSymbol>(QStringList{u"OpenSymbol"_s})); }},
        {"TSuperTextBrushImageBrowser",
         [] { return Made(std::make_unique<TSuperTextBrushImageBrowser>(superText, QString())); }},
        {"TGetLabelText", [] { return Made(std::make_unique<TGetLabelText>()); }},
        {"TRichTextLabelEditor", [] { return Made(std::make_unique<TRichTextLabelEditor>()); }},
        {"TLumImageBrowser",
         [] { return Made(std::make_unique<TLumImageBrowser>(TImageBrowserHooks{})); }},
        {"TUserTitleForm", [] { return Made(std::make_unique<TUserTitleForm>()); }},
        {"TSplashform", [] { return Made(std::make_unique<TSplashform>()); }},
        {"TFloatingPalette", [] { return Made(std::make_unique<TFloatingPalette>()); }},
        {"TFontColorDialog",
         [] { return Made(std::make_unique<TFontColorDialog>(QFont(), clBlack)); }},
        {"THelpViewer", [] { return Made(std::make_unique<THelpViewer>()); }},
    };
    return windows;
}

TEST(ControlFaults, FindCutTextsOverlapsAndControlsPastTheirParentAndPassWhatFits)
{
    QWidget window;
    window.resize(300, 200);
    auto *cut = new QLabel(u"A label far wider than its room"_s, &window);
    cut->setGeometry(10, 10, 40, 20);
    auto *left = new QPushButton(u"Left"_s, &window);
    left->setGeometry(10, 40, 80, 26);
    auto *right = new QPushButton(u"Right"_s, &window);
    right->setGeometry(85, 40, 80, 26);
    auto *box = new QCheckBox(u"Past the edge"_s, &window);
    box->setGeometry(250, 100, 120, 20);
    const QStringList faults = ControlFaults(window);
    ASSERT_EQ(faults.size(), 3) << faults.join(u"\n"_s).toStdString();
    EXPECT_TRUE(faults[0].startsWith(u"QCheckBox \"Past the edge\" reaches past"_s));
    EXPECT_TRUE(faults[1].startsWith(u"QLabel \"A label far wider than its room\" "_s));
    EXPECT_EQ(faults[2], u"QPushButton \"Left\" and QPushButton \"Right\" overlap by 5x26"_s);

    cut->resize(cut->sizeHint());
    right->move(95, 40);
    box->move(150, 100);
    EXPECT_EQ(ControlFaults(window), QStringList{});
}

class ControlsFit : public testing::TestWithParam<QString>
{};

TEST_P(ControlsFit, EveryTextOfEveryWindowIsWholeAndNoControlsOverlap)
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settings;
    SetProgramFolder(settings.path());
    const TInstalledTranslations installed(GetParam(), programFolder + u"/translations"_s);
    ASSERT_EQ(InterfaceLanguage(), GetParam());
    for (const TWindowMaker &maker : Windows()) {
        const std::unique_ptr<QWidget> window = maker.Make();
        const QStringList faults = ControlFaults(*window);
        // The properties dialog as each language shows it, to look at.
        if (maker.Name == std::string_view("TCalendarProperties"))
            window->grab().save(
                u"%1/properties_%2_%3.png"_s.arg(QStringLiteral(DW_PICTURES_DIR), GetParam())
                    .arg(qRound(window->devicePixelRatioF() * 100)));
        EXPECT_TRUE(faults.isEmpty())
            << maker.Name << " at " << QGuiApplication::primaryScreen()->devicePixelRatio() * 100
            << " %:\n  " << faults.join(u"\n  "_s).toStdString();
    }
    SetProgramFolder(QString());
    QStandardPaths::setTestModeEnabled(false);
}

INSTANTIATE_TEST_SUITE_P(Languages, ControlsFit,
                         testing::Values(u"en"_s, u"de"_s, u"fr"_s, u"it"_s, u"es"_s),
                         [](const testing::TestParamInfo<QString> &info) {
                             return info.param.toStdString();
                         });

} // namespace
