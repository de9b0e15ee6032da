#pragma once

#include "Color.h"
#include "FontDesc.h"
#include "LumFlatCalendar.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QPushButton;
class QScrollArea;
class QSpinBox;
class TColorButton;
class TRadioGroupBox;

// What the dialog needs from the program around it. Each may be left empty;
// an empty prompt answers as if cancelled.
struct TFlatCalendarEditorHooks
{
    // Centres the dialog over the main window.
    std::function<void(QWidget &dialog)> CenterForm;
    // Opens the help file at a topic number.
    std::function<void(int context)> ShowHelpContext;
    // The font and colour dialogs, starting from the current value.
    std::function<std::optional<TFontDesc>(const TFontDesc &current)> ChooseFont;
    std::function<std::optional<TColor>(TColor current)> ChooseColor;
};

// "Floating Calendar Properties": edits a sample calendar, shown at the
// object's size, and hands its values to the object when it ends with OK.
// It lives as long as the main window; every control applies to the sample
// at once.
class TFlatCalendarEditor : public QDialog
{
    Q_OBJECT

public:
    static constexpr int HelpContext = 40015;

    explicit TFlatCalendarEditor(QWidget *parent = nullptr);
    ~TFlatCalendarEditor() override;

    void SetHooks(const TFlatCalendarEditorHooks &hooks) { m_hooks = hooks; }

    // Copies the calendar into the sample, runs the dialog through the
    // modal-dialog seam and, on OK, gives the calendar the sample's values
    // (its size stays). True when it ended with OK.
    bool Properties(TLumFlatCalendar &Calendar);

    TLumFlatCalendar &Sample() { return *m_sample; }

    QSpinBox *YearSpinner;
    QComboBox *MonthCombo;
    TRadioGroupBox *WeekStartsOn;
    QCheckBox *ShowtitleInyearCheck;
    QComboBox *HeadersStyleCombo;
    QComboBox *LanguageCombo;
    QComboBox *WeekNumbersCombo;
    QPushButton *TitleFontbutton;
    QPushButton *HeaderFontbutton;
    QPushButton *CellFontbutton;
    QComboBox *CalendarBorderCombo;
    QComboBox *HeaderBorderCombo;
    QComboBox *CellBorderCombo;
    TColorButton *TitleBackgroundbutton;
    TColorButton *HeaderBackgroundButton;
    TColorButton *Bodybackgroundbutton;
    TColorButton *ShadowColorButton;
    QComboBox *ShadowOrientationCombo;
    QSpinBox *ShadowDepthSpinner;
    QCheckBox *TransparentCheck;
    QPushButton *OKButton;
    QPushButton *Cancelbutton;
    QPushButton *Helpbutton;
    QScrollArea *SampleBox;

private:
    class TSampleView;

    QWidget *CreateControls();
    QWidget *CreateMiscellaneous();
    QWidget *CreateFonts();
    QWidget *CreateBorders();
    QWidget *CreateColors();
    QWidget *CreateShadow();
    void ConnectControls();
    void ConnectColor(TColorButton *button, void (TLumFlatCalendar::*set)(TColor));
    void ConnectFont(QPushButton *button, const TFontDesc &(TLumFlatCalendar::*get)() const,
                     void (TLumFlatCalendar::*set)(const TFontDesc &));
    // The controls show the sample's values.
    void ShowSample();
    // A control changed the sample: it is drawn again.
    void SampleChanged();
    void HelpClick();

    std::unique_ptr<TLumFlatCalendar> m_sample;
    TSampleView *m_view;
    TFlatCalendarEditorHooks m_hooks;
    bool m_showing = false;
};
