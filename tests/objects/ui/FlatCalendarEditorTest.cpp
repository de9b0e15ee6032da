#include "FlatCalendarEditor.h"

#include "ColorButton.h"
#include "ModalDialog.h"
#include "RadioGroupBox.h"
#include "TestObject.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

class FlatCalendarEditor : public ::testing::Test
{
protected:
    FlatCalendarEditor()
    {
        // Shown at 150 %: 200 x 160 at zoom 1.
        Calendar.SetObjectBounds(30, 40, 300, 240);
        Calendar.SetMonth(2);
        Calendar.SetYear(2024);
        Calendar.SetLanguage(fclSpanish);
        Calendar.SetShadowDepth(3);
        Calendar.SetShadowPosition(fcpUpperRight);
        Calendar.SetCellBorderStyle(fcbTop);
        Calendar.SetWeekNumbers(wnIso);
    }
    ~FlatCalendarEditor() override { SetModalAnswerer({}); }

    // Runs Properties with answer filling in the dialog.
    bool Run(const std::function<int(TFlatCalendarEditor &)> &answer)
    {
        SetModalAnswerer([this, answer](QDialog &) { return answer(Editor); });
        return Editor.Properties(Calendar);
    }

    TFlatCalendarEditor Editor;
    TZoomedPanel Shown{1.5f};
    TLumFlatCalendar &Calendar = Shown.Place(std::make_unique<TLumFlatCalendar>());
};

} // namespace

TEST_F(FlatCalendarEditor, HasItsCaptionAndControls)
{
    EXPECT_EQ(Editor.windowTitle(), "Floating Calendar Properties");
    EXPECT_EQ(Editor.YearSpinner->minimum(), 1950);
    EXPECT_EQ(Editor.YearSpinner->maximum(), 2500);
    EXPECT_EQ(Editor.ShadowDepthSpinner->maximum(), 10);
    EXPECT_EQ(Editor.MonthCombo->count(), 12);
    EXPECT_EQ(Editor.MonthCombo->itemText(11), "December");
    EXPECT_EQ(Editor.LanguageCombo->itemText(2), QString::fromUtf8("Français"));
    EXPECT_EQ(Editor.LanguageCombo->itemText(3), "L'italiano");
    EXPECT_EQ(Editor.CellBorderCombo->itemText(4), "Top & Bottom");
    EXPECT_EQ(Editor.ShadowOrientationCombo->itemText(3), "UpperLeft");
    EXPECT_EQ(Editor.HeadersStyleCombo->itemText(1), "First Three Characters");
    EXPECT_EQ(Editor.WeekNumbersCombo->itemText(1), "ISO 8601 (weeks from Monday)");
    EXPECT_EQ(Editor.WeekStartsOn->toolTip(), "Select the day that the calendar week starts on");
    EXPECT_EQ(Editor.OKButton->text(), "Ok");
    EXPECT_EQ(Editor.HeaderBackgroundButton->text(), "Header Background ");
}

TEST_F(FlatCalendarEditor, ShowsTheCalendarsValuesOnASampleOfItsUnzoomedSize)
{
    Run([](TFlatCalendarEditor &editor) {
        EXPECT_EQ(editor.Sample().Width(), 200);
        EXPECT_EQ(editor.Sample().Height(), 160);
        EXPECT_EQ(editor.Sample().Scale(), 1.0f);
        EXPECT_EQ(editor.YearSpinner->value(), 2024);
        EXPECT_EQ(editor.MonthCombo->currentIndex(), 1);
        EXPECT_EQ(editor.LanguageCombo->currentIndex(), int(fclSpanish));
        EXPECT_EQ(editor.ShadowDepthSpinner->value(), 3);
        EXPECT_EQ(editor.ShadowOrientationCombo->currentIndex(), int(fcpUpperRight));
        EXPECT_EQ(editor.CellBorderCombo->currentIndex(), int(fcbTop));
        EXPECT_EQ(editor.WeekStartsOn->ItemIndex(), 0);
        EXPECT_EQ(editor.WeekNumbersCombo->currentIndex(), int(wnIso));
        return int(QDialog::Rejected);
    });
}

TEST_F(FlatCalendarEditor, ControlsChangeTheSampleAtOnceAndOkCopiesBack)
{
    const bool accepted = Run([](TFlatCalendarEditor &editor) {
        editor.YearSpinner->setValue(2030);
        editor.MonthCombo->setCurrentIndex(11);
        editor.WeekStartsOn->SetItemIndex(1);
        editor.ShowtitleInyearCheck->setChecked(true);
        editor.HeadersStyleCombo->setCurrentIndex(2);
        editor.LanguageCombo->setCurrentIndex(int(fclGerman));
        editor.CalendarBorderCombo->setCurrentIndex(int(fcbBottom));
        editor.HeaderBorderCombo->setCurrentIndex(int(fcbNone));
        editor.CellBorderCombo->setCurrentIndex(int(fcbAll));
        editor.TitleBackgroundbutton->SetColor(clAqua);
        editor.HeaderBackgroundButton->SetColor(clYellow);
        editor.Bodybackgroundbutton->SetColor(clSilver);
        editor.ShadowColorButton->SetColor(clNavy);
        editor.ShadowOrientationCombo->setCurrentIndex(int(fcpLowerLeft));
        editor.ShadowDepthSpinner->setValue(9);
        editor.TransparentCheck->setChecked(true);
        editor.WeekNumbersCombo->setCurrentIndex(int(wnUs));
        const TLumFlatCalendar &s = editor.Sample();
        EXPECT_EQ(s.Year(), 2030);
        EXPECT_EQ(s.Month(), 12);
        EXPECT_EQ(s.StartOfWeek(), 2);
        EXPECT_TRUE(s.ShowYear());
        EXPECT_EQ(s.DayNameStyle(), fdsWhole);
        EXPECT_EQ(s.Language(), fclGerman);
        EXPECT_EQ(s.CalendarBorderStyle(), fcbBottom);
        EXPECT_EQ(s.DayNameBorderStyle(), fcbNone);
        EXPECT_EQ(s.CellBorderStyle(), fcbAll);
        EXPECT_EQ(s.TitleBGcolor(), clAqua);
        EXPECT_EQ(s.DayNameBGColor(), clYellow);
        EXPECT_EQ(s.Backgroundcolor(), clSilver);
        EXPECT_EQ(s.ShadowColor(), clNavy);
        EXPECT_EQ(s.ShadowPosition(), fcpLowerLeft);
        EXPECT_EQ(s.ShadowDepth(), 9);
        EXPECT_TRUE(s.CalTransparent());
        EXPECT_EQ(s.WeekNumbers(), wnUs);
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(Calendar.Look(), Editor.Sample().Look());
    EXPECT_EQ(Calendar.Year(), 2030);
    EXPECT_EQ(Calendar.WeekNumbers(), wnUs);
    EXPECT_EQ(Calendar.BoundsRect(), (TRect{30, 40, 330, 280}));
}

TEST_F(FlatCalendarEditor, CancelChangesNothing)
{
    const TFlatCalendarLook before = Calendar.Look();
    EXPECT_FALSE(Run([](TFlatCalendarEditor &editor) {
        editor.MonthCombo->setCurrentIndex(6);
        editor.TransparentCheck->setChecked(true);
        return int(QDialog::Rejected);
    }));
    EXPECT_EQ(Calendar.Look(), before);
}

TEST_F(FlatCalendarEditor, FontAndColourButtonsAskFromTheCurrentValue)
{
    TFontDesc asked;
    TColor askedColor = 0;
    TFlatCalendarEditorHooks hooks;
    hooks.ChooseFont = [&asked](const TFontDesc &current) -> std::optional<TFontDesc> {
        asked = current;
        TFontDesc chosen = current;
        chosen.Size = 20;
        return chosen;
    };
    hooks.ChooseColor = [&askedColor](TColor current) -> std::optional<TColor> {
        askedColor = current;
        return clMaroon;
    };
    Editor.SetHooks(hooks);
    Run([](TFlatCalendarEditor &editor) {
        editor.CellFontbutton->click();
        editor.Bodybackgroundbutton->click();
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(asked.Size, 7);
    EXPECT_EQ(askedColor, clWhite);
    EXPECT_EQ(Calendar.CellFont().Size, 20);
    EXPECT_EQ(Calendar.TitleFont().Size, 8);
    EXPECT_EQ(Calendar.Backgroundcolor(), clMaroon);
    // A cancelled prompt leaves the value.
    hooks.ChooseFont = [](const TFontDesc &) { return std::optional<TFontDesc>(); };
    Editor.SetHooks(hooks);
    Run([](TFlatCalendarEditor &editor) {
        editor.TitleFontbutton->click();
        return int(QDialog::Accepted);
    });
    EXPECT_EQ(Calendar.TitleFont().Size, 8);
}

TEST_F(FlatCalendarEditor, HelpOpensItsTopic)
{
    int topic = 0;
    TFlatCalendarEditorHooks hooks;
    hooks.ShowHelpContext = [&topic](int context) { topic = context; };
    Editor.SetHooks(hooks);
    Editor.Helpbutton->click();
    EXPECT_EQ(topic, 40015);
}
