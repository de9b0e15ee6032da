#include "CalendarProperties.h"
#include "FloatingPalette.h"
#include "MainWindowTestSupport.h"
#include "ModalDialog.h"

#include <QPushButton>
#include <QTextCursor>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// What a run of the properties dialog saw and did.
struct TPropertiesRun
{
    int Shown = 0;
    float PreviewScale = 0;
    bool PaletteVisible = false;
};

// Answers the properties dialog: it is activated as when shown, change edits
// its preview, and the button named closes it.
void AnswerProperties(TMainWindowRun &run, TPropertiesRun &seen,
                      const std::function<void(TCalendarPanel32 &preview)> &change,
                      const char *button = "okbutton")
{
    SetModalAnswerer([&run, &seen, change, button](QDialog &dialog) {
        auto &properties = dynamic_cast<TCalendarProperties &>(dialog);
        ++seen.Shown;
        seen.PreviewScale = properties.ExampleCalendar().Zoom();
        seen.PaletteVisible = run.Window->Parts().IconPalette->isVisible();
        properties.FormActivate();
        if (change)
            change(properties.ExampleCalendar());
        properties.findChild<QPushButton *>(QString::fromLatin1(button))->click();
        return properties.result();
    });
}

class PropertiesCommandTest : public testing::Test
{
protected:
    // The December 1999 month page with text in the cell of the 24th.
    TCalendarMain &StartWithText()
    {
        TCalendarMain &window = run.StartActive();
        TWPRtfStorage cell;
        QTextCursor(&cell.RtfText().Document()).insertText(u"Eve"_s);
        window.Parts().CalendarPage->SetCellText(window.Parts().CalendarPage->CellOfDay(24), cell);
        return window;
    }

    TMainWindowRun run;
    TPropertiesRun seen;
};

TEST_F(PropertiesCommandTest, AnotherMonthClearsTheCellsAFontChangeKeepsThem)
{
    TCalendarMain &window = StartWithText();
    AnswerProperties(run, seen, [](TCalendarPanel32 &preview) {
        TFontDesc font = preview.Page().TitleFont();
        font.Style |= TFontStyle::fsItalic;
        preview.Page().SetTitleFont(font);
    });
    window.mnuPropertiesClick();
    EXPECT_TRUE(window.Session().PropertiesAccepted());
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Parts().CalendarPage->TitleFont().Style.testFlag(TFontStyle::fsItalic));
    EXPECT_TRUE(window.Parts().CalendarPage->HasCellContent());

    window.SetModified(false);
    AnswerProperties(run, seen,
                     [](TCalendarPanel32 &preview) { preview.Page().SetMainCalMonth(11); });
    window.Button(u"PropertiesButton"_s)->click();
    EXPECT_EQ(window.Parts().CalendarPage->MainCalMonth(), 11);
    EXPECT_FALSE(window.Parts().CalendarPage->HasCellContent());
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_EQ(seen.Shown, 2);
}

TEST_F(PropertiesCommandTest, OkWithoutChangesLeavesTheDocumentUnchanged)
{
    TCalendarMain &window = StartWithText();
    AnswerProperties(run, seen, {});
    window.mnuPropertiesClick();
    EXPECT_TRUE(window.Session().PropertiesAccepted());
    EXPECT_FALSE(window.Session().Modified());
    EXPECT_TRUE(window.Parts().CalendarPage->HasCellContent());

    // Cancel takes nothing over.
    AnswerProperties(
        run, seen, [](TCalendarPanel32 &preview) { preview.Page().SetMainCalYear(2001); },
        "CancelButton");
    window.mnuPropertiesClick();
    EXPECT_FALSE(window.Session().PropertiesAccepted());
    EXPECT_EQ(window.Parts().CalendarPage->MainCalYear(), 1999);
    EXPECT_FALSE(window.Session().Modified());
}

TEST_F(PropertiesCommandTest, TheDialogKnowsTheCellTextAndWarnsBeforeAnotherLayoutKind)
{
    TCalendarMain &window = StartWithText();
    run.AnswerYes = false;
    AnswerProperties(run, seen,
                     [](TCalendarPanel32 &preview) { preview.Page().SetCalendarLayout(loWeek); });
    window.mnuPropertiesClick();
    // The warning answered No keeps the dialog open; here it then ends unanswered.
    ASSERT_EQ(run.Questions.size(), 1);
    EXPECT_TRUE(run.Questions[0].first.startsWith(u"Warning: changing to this type of layout"_s));
    EXPECT_FALSE(window.Session().PropertiesAccepted());
    EXPECT_TRUE(window.Parts().CalendarPage->HasCellContent());

    run.AnswerYes = true;
    window.mnuPropertiesClick();
    EXPECT_TRUE(window.Session().PropertiesAccepted());
    EXPECT_EQ(window.Parts().CalendarPage->CalendarLayout(), loWeek);
    EXPECT_FALSE(window.Parts().CalendarPage->HasCellContent());
}

TEST_F(PropertiesCommandTest, PreviewZoomIsKeptAndThePaletteStepsAside)
{
    TCalendarMain &window = run.StartActive("[Zooming]\r\nProp=40\r\n");
    window.Parts().IconPalette->show();
    window.Preferences.IconToolVisible = true;
    AnswerProperties(run, seen, [](TCalendarPanel32 &preview) { preview.SetZoom(0.701f); });
    window.mnuPropertiesClick();
    EXPECT_EQ(seen.PreviewScale, 0.401f);
    EXPECT_FALSE(seen.PaletteVisible);
    EXPECT_TRUE(window.Parts().IconPalette->isVisible());
    EXPECT_EQ(window.Preferences.PropZoomPercent, 70);
    EXPECT_EQ(TIniFile(SettingsFileName()).ReadInteger(u"Zooming"_s, u"Prop"_s, 0), 70);
}

TEST_F(PropertiesCommandTest, NewThenCancelKeepsTheOldDocument)
{
    TCalendarMain &window = StartWithText();
    window.SetModified(true);
    const QString document = window.Session().FileName();
    AnswerProperties(run, seen, {}, "CancelButton");
    window.New1Click();
    ASSERT_EQ(run.Questions.size(), 1); // "Save changes?" answered No
    EXPECT_EQ(seen.Shown, 1);
    EXPECT_FALSE(window.Session().NewDocument());
    EXPECT_EQ(window.Session().FileName(), document);
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Parts().CalendarPage->HasCellContent());
}

TEST_F(PropertiesCommandTest, NewAfterChangesAsksFirstThenStartsEmptyInTheChosenStyle)
{
    TCalendarMain &window = StartWithText();
    window.SetModified(true);
    AnswerProperties(run, seen,
                     [](TCalendarPanel32 &preview) { preview.Page().SetMainCalMonth(3); });
    window.New1Click();
    ASSERT_EQ(run.Questions.size(), 1);
    EXPECT_EQ(run.Questions[0], qMakePair(u"Save changes?"_s, u"Save"_s));
    EXPECT_TRUE(window.Session().Untitled());
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_TRUE(window.Parts().CalendarPanel->PageShown());
    EXPECT_FALSE(window.Parts().CalendarPage->HasCellContent());
    EXPECT_EQ(window.Parts().CalendarPage->MainCalMonth(), 3);
    EXPECT_EQ(window.windowTitle(), u"Datewright    [60%]"_s);
    EXPECT_TRUE(window.Button(u"Savebutton"_s)->isVisibleTo(window.Parts().Panel3));
    EXPECT_FALSE(window.Button(u"CancelButton"_s)->isVisibleTo(window.Parts().Panel3));
    // The old document on disk kept what it had: No was the answer.
    TCalendarPage reread;
    ASSERT_FALSE(reread.LoadFromFile(run.Path(u"Dec1999.DWC"_s)).has_value());
    EXPECT_FALSE(reread.HasCellContent());
}

TEST_F(PropertiesCommandTest, NewStopsWhenTheChangesWereToBeSavedButWereNot)
{
    // Regression: Yes to "Save changes?" with the Save As dialog cancelled
    // went on and threw the unsaved calendar away.
    TCalendarMain &window = run.Start();
    window.Parts().CalendarPanel->ShowPage(true);
    window.Parts().CalendarPage->SetUserTitle(u"Unsaved"_s);
    window.SetModified(true);
    run.AnswerYes = true;
    run.SaveAsAnswer.clear();
    AnswerProperties(run, seen, {});
    window.New1Click();
    EXPECT_EQ(seen.Shown, 0);
    EXPECT_TRUE(window.Session().Modified());
    EXPECT_EQ(window.Parts().CalendarPage->UserTitle(), u"Unsaved"_s);
}

} // namespace
