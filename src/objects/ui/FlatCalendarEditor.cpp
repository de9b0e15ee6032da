#include "FlatCalendarEditor.h"

#include "ColorButton.h"
#include "LanguageNames.h"
#include "ModalDialog.h"
#include "Numbers.h"
#include "RadioGroupBox.h"
#include "WeekNumbers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int FirstYear = 1950;
constexpr int LastYear = 2500;
// The year the spinner shows when the clock cannot be read.
constexpr int FallbackYear = 1998;

QComboBox *MakeList(const QString &name, const QStringList &items, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    return combo;
}

QStringList BorderItems()
{
    return {TFlatCalendarEditor::tr("None"), TFlatCalendarEditor::tr("All"),
            TFlatCalendarEditor::tr("Top"), TFlatCalendarEditor::tr("Bottom"),
            TFlatCalendarEditor::tr("Top & Bottom")};
}

QStringList MonthItems()
{
    const auto &months = InterfaceLanguageNames().Months;
    return QStringList(months.begin(), months.end());
}

template <class W> W *Named(W *widget, const QString &name)
{
    widget->setObjectName(name);
    return widget;
}

} // namespace

// The sample on the white scroll box, drawn as on the page.
class TFlatCalendarEditor::TSampleView : public QWidget
{
public:
    TSampleView(const TLumFlatCalendar &sample, QWidget *parent) : QWidget(parent), m_sample(sample)
    {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        m_sample.Paint(painter);
    }

private:
    const TLumFlatCalendar &m_sample;
};

TFlatCalendarEditor::TFlatCalendarEditor(QWidget *parent)
    : QDialog(parent), m_sample(std::make_unique<TLumFlatCalendar>())
{
    setObjectName(u"FlatCalendarEditor"_s);
    setWindowTitle(tr("Floating Calendar Properties"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::CustomizeWindowHint);
    m_sample->SetObjectBounds(0, 0, 160, 140);
    m_sample->FinishLoad();

    SampleBox = Named(new QScrollArea(this), u"SampleBox"_s);
    SampleBox->setBackgroundRole(QPalette::Base);
    QPalette white = SampleBox->palette();
    white.setColor(QPalette::Base, Qt::white);
    SampleBox->setPalette(white);
    SampleBox->setMinimumSize(240, 220);
    m_view = new TSampleView(*m_sample, SampleBox);
    m_view->resize(m_sample->Width(), m_sample->Height());
    SampleBox->setWidget(m_view);

    auto *layout = new QHBoxLayout(this);
    layout->addWidget(CreateControls());
    layout->addWidget(SampleBox, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ConnectControls();
    ShowSample();
}

TFlatCalendarEditor::~TFlatCalendarEditor() = default;

QWidget *TFlatCalendarEditor::CreateControls()
{
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);
    auto *dates = new QFormLayout;
    YearSpinner = Named(new QSpinBox(panel), u"YearSpinner"_s);
    YearSpinner->setRange(FirstYear, LastYear);
    const QDate today = QDate::currentDate();
    YearSpinner->setValue(today.isValid() ? today.year() : FallbackYear);
    MonthCombo = MakeList(u"MonthCombo"_s, MonthItems(), panel);
    dates->addRow(tr("Year"), YearSpinner);
    dates->addRow(tr("Month"), MonthCombo);
    grid->addLayout(dates, 0, 0);
    WeekStartsOn =
        Named(new TRadioGroupBox(tr("Week Starts On"), {tr("Sunday"), tr("Monday")}, panel),
              u"WeekStartsOn"_s);
    WeekStartsOn->setToolTip(tr("Select the day that the calendar week starts on"));
    grid->addWidget(WeekStartsOn, 0, 1);
    grid->addWidget(CreateMiscellaneous(), 1, 0);
    grid->addWidget(CreateFonts(), 1, 1);
    grid->addWidget(CreateBorders(), 2, 0);
    grid->addWidget(CreateColors(), 2, 1);
    grid->addWidget(CreateShadow(), 3, 0);
    TransparentCheck = Named(new QCheckBox(tr("Transparent"), panel), u"TransparentCheck"_s);
    grid->addWidget(TransparentCheck, 3, 1);

    auto *buttons = new QHBoxLayout;
    OKButton = Named(new QPushButton(tr("Ok"), panel), u"OKButton"_s);
    OKButton->setDefault(true);
    Cancelbutton = Named(new QPushButton(tr("Cancel"), panel), u"Cancelbutton"_s);
    Helpbutton = Named(new QPushButton(tr("Help"), panel), u"Helpbutton"_s);
    buttons->addWidget(OKButton);
    buttons->addWidget(Cancelbutton);
    buttons->addWidget(Helpbutton);
    grid->addLayout(buttons, 4, 0, 1, 2);
    return panel;
}

QWidget *TFlatCalendarEditor::CreateMiscellaneous()
{
    auto *group = new QGroupBox(tr("Miscellaneous"), this);
    auto *form = new QFormLayout(group);
    ShowtitleInyearCheck =
        Named(new QCheckBox(tr("Show Year in Title"), group), u"ShowtitleInyearCheck"_s);
    form->addRow(ShowtitleInyearCheck);
    HeadersStyleCombo =
        MakeList(u"HeadersStyleCombo"_s,
                 {tr("First Character"), tr("First Three Characters"), tr("Whole Word")}, group);
    form->addRow(tr("Header Style"), HeadersStyleCombo);
    LanguageCombo =
        MakeList(u"LanguageCombo"_s,
                 {u"English"_s, u"Deutsch"_s, u"Français"_s, u"L'italiano"_s, u"Español"_s}, group);
    form->addRow(tr("Language"), LanguageCombo);
    WeekNumbersCombo = MakeList(u"WeekNumbersCombo"_s, WeekNumbersItems(), group);
    form->addRow(tr("Week Numbers"), WeekNumbersCombo);
    return group;
}

QWidget *TFlatCalendarEditor::CreateFonts()
{
    auto *group = new QGroupBox(tr("Fonts"), this);
    auto *column = new QVBoxLayout(group);
    TitleFontbutton = Named(new QPushButton(tr("Title Font"), group), u"TitleFontbutton"_s);
    HeaderFontbutton = Named(new QPushButton(tr("Header Font"), group), u"HeaderFontbutton"_s);
    CellFontbutton = Named(new QPushButton(tr("Cell Font"), group), u"CellFontbutton"_s);
    column->addWidget(TitleFontbutton);
    column->addWidget(HeaderFontbutton);
    column->addWidget(CellFontbutton);
    return group;
}

QWidget *TFlatCalendarEditor::CreateBorders()
{
    auto *group = new QGroupBox(tr("Borders"), this);
    auto *form = new QFormLayout(group);
    CalendarBorderCombo = MakeList(u"CalendarBorderCombo"_s, BorderItems(), group);
    HeaderBorderCombo = MakeList(u"HeaderBorderCombo"_s, BorderItems(), group);
    CellBorderCombo = MakeList(u"CellBorderCombo"_s, BorderItems(), group);
    form->addRow(tr("Calendar"), CalendarBorderCombo);
    form->addRow(tr("Header"), HeaderBorderCombo);
    form->addRow(tr("Cells"), CellBorderCombo);
    return group;
}

QWidget *TFlatCalendarEditor::CreateColors()
{
    auto *group = new QGroupBox(tr("Colors"), this);
    auto *column = new QVBoxLayout(group);
    TitleBackgroundbutton =
        Named(new TColorButton(tr("Title Background"), group), u"TitleBackgroundbutton"_s);
    HeaderBackgroundButton =
        Named(new TColorButton(tr("Header Background "), group), u"HeaderBackgroundButton"_s);
    Bodybackgroundbutton =
        Named(new TColorButton(tr("Body Background "), group), u"Bodybackgroundbutton"_s);
    column->addWidget(TitleBackgroundbutton);
    column->addWidget(HeaderBackgroundButton);
    column->addWidget(Bodybackgroundbutton);
    return group;
}

QWidget *TFlatCalendarEditor::CreateShadow()
{
    auto *group = new QGroupBox(tr("Shadow"), this);
    auto *form = new QFormLayout(group);
    ShadowColorButton = Named(new TColorButton(tr("Color"), group), u"ShadowColorButton"_s);
    form->addRow(ShadowColorButton);
    ShadowOrientationCombo =
        MakeList(u"ShadowOrientationCombo"_s,
                 {tr("Lower Right"), tr("Lower Left"), tr("UpperRight"), tr("UpperLeft")}, group);
    form->addRow(tr("Orientation"), ShadowOrientationCombo);
    ShadowDepthSpinner = Named(new QSpinBox(group), u"ShadowDepthSpinner"_s);
    ShadowDepthSpinner->setRange(0, MaxShadowDepth);
    form->addRow(tr("Depth"), ShadowDepthSpinner);
    return group;
}

void TFlatCalendarEditor::ConnectControls()
{
    TLumFlatCalendar &s = *m_sample;
    const auto apply = [this](auto change) {
        return [this, change](auto value) {
            if (m_showing)
                return;
            change(value);
            SampleChanged();
        };
    };
    connect(YearSpinner, &QSpinBox::valueChanged, this, apply([&s](int v) { s.SetYear(v); }));
    connect(MonthCombo, &QComboBox::currentIndexChanged, this,
            apply([&s](int v) { s.SetMonth(v + 1); }));
    connect(WeekStartsOn, &TRadioGroupBox::ItemIndexChanged, this,
            apply([&s](int v) { s.SetStartOfWeek(v + 1); }));
    connect(ShowtitleInyearCheck, &QCheckBox::toggled, this,
            apply([&s](bool v) { s.SetShowYear(v); }));
    connect(HeadersStyleCombo, &QComboBox::currentIndexChanged, this,
            apply([&s](int v) { s.SetDayNameStyle(TFlatCalHeadersStyle(v)); }));
    connect(LanguageCombo, &QComboBox::currentIndexChanged, this,
            apply([&s](int v) { s.SetLanguage(TFlatCalLanguage(v)); }));
    connect(WeekNumbersCombo, &QComboBox::currentIndexChanged, this,
            apply([&s](int v) { s.SetWeekNumbers(TWeekNumbers(v)); }));
    connect(CalendarBorderCombo, &QComboBox::currentIndexChanged, this,
            apply([&s](int v) { s.SetCalendarBorderStyle(TFlatCalBorderStyle(v)); }));
    connect(HeaderBorderCombo, &QComboBox::currentIndexChanged, this,
            apply([&s](int v) { s.SetDayNameBorderStyle(TFlatCalBorderStyle(v)); }));
    connect(CellBorderCombo, &QComboBox::currentIndexChanged, this,
            apply([&s](int v) { s.SetCellBorderStyle(TFlatCalBorderStyle(v)); }));
    connect(ShadowOrientationCombo, &QComboBox::currentIndexChanged, this,
            apply([&s](int v) { s.SetShadowPosition(TFlatShadowPosition(v)); }));
    connect(ShadowDepthSpinner, &QSpinBox::valueChanged, this,
            apply([&s](int v) { s.SetShadowDepth(v); }));
    connect(TransparentCheck, &QCheckBox::toggled, this,
            apply([&s](bool v) { s.SetCalTransparent(v); }));
    ConnectColor(TitleBackgroundbutton, &TLumFlatCalendar::SetTitleBGcolor);
    ConnectColor(HeaderBackgroundButton, &TLumFlatCalendar::SetDayNameBGColor);
    ConnectColor(Bodybackgroundbutton, &TLumFlatCalendar::SetBackgroundcolor);
    ConnectColor(ShadowColorButton, &TLumFlatCalendar::SetShadowColor);
    ConnectFont(TitleFontbutton, &TLumFlatCalendar::TitleFont, &TLumFlatCalendar::SetTitleFont);
    ConnectFont(HeaderFontbutton, &TLumFlatCalendar::DayNameFont,
                &TLumFlatCalendar::SetDayNameFont);
    ConnectFont(CellFontbutton, &TLumFlatCalendar::CellFont, &TLumFlatCalendar::SetCellFont);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancelbutton, &QPushButton::clicked, this, &QDialog::reject);
    connect(Helpbutton, &QPushButton::clicked, this, &TFlatCalendarEditor::HelpClick);
}

void TFlatCalendarEditor::ConnectColor(TColorButton *button, void (TLumFlatCalendar::*set)(TColor))
{
    connect(button, &QPushButton::clicked, this, [this, button] {
        if (!m_hooks.ChooseColor)
            return;
        if (const std::optional<TColor> chosen = m_hooks.ChooseColor(button->Color()))
            button->SetColor(*chosen);
    });
    connect(button, &TColorButton::ColorChanged, this, [this, set](TColor value) {
        if (m_showing)
            return;
        (m_sample.get()->*set)(value);
        SampleChanged();
    });
}

void TFlatCalendarEditor::ConnectFont(QPushButton *button,
                                      const TFontDesc &(TLumFlatCalendar::*get)() const,
                                      void (TLumFlatCalendar::*set)(const TFontDesc &))
{
    connect(button, &QPushButton::clicked, this, [this, get, set] {
        if (!m_hooks.ChooseFont)
            return;
        if (const std::optional<TFontDesc> chosen = m_hooks.ChooseFont((m_sample.get()->*get)())) {
            (m_sample.get()->*set)(*chosen);
            SampleChanged();
        }
    });
}

void TFlatCalendarEditor::ShowSample()
{
    const TLumFlatCalendar &s = *m_sample;
    m_showing = true;
    YearSpinner->setValue(s.Year());
    MonthCombo->setCurrentIndex(s.Month() - 1);
    WeekStartsOn->SetItemIndex(s.StartOfWeek() - 1);
    ShowtitleInyearCheck->setChecked(s.ShowYear());
    HeadersStyleCombo->setCurrentIndex(s.DayNameStyle());
    LanguageCombo->setCurrentIndex(s.Language());
    WeekNumbersCombo->setCurrentIndex(s.WeekNumbers());
    CalendarBorderCombo->setCurrentIndex(s.CalendarBorderStyle());
    HeaderBorderCombo->setCurrentIndex(s.DayNameBorderStyle());
    CellBorderCombo->setCurrentIndex(s.CellBorderStyle());
    TitleBackgroundbutton->SetColor(s.TitleBGcolor());
    HeaderBackgroundButton->SetColor(s.DayNameBGColor());
    Bodybackgroundbutton->SetColor(s.Backgroundcolor());
    ShadowColorButton->SetColor(s.ShadowColor());
    ShadowOrientationCombo->setCurrentIndex(s.ShadowPosition());
    ShadowDepthSpinner->setValue(s.ShadowDepth());
    TransparentCheck->setChecked(s.CalTransparent());
    m_showing = false;
    SampleChanged();
}

void TFlatCalendarEditor::SampleChanged()
{
    m_view->resize(m_sample->Width(), m_sample->Height());
    m_view->update();
}

void TFlatCalendarEditor::HelpClick()
{
    if (m_hooks.ShowHelpContext)
        m_hooks.ShowHelpContext(HelpContext);
}

bool TFlatCalendarEditor::Properties(TLumFlatCalendar &Calendar)
{
    m_sample->SetLook(Calendar.Look());
    const TBounds &bounds = Calendar.UnzoomedBounds();
    m_sample->SetObjectBounds(0, 0, bounds.Width, bounds.Height);
    ShowSample();
    if (m_hooks.CenterForm)
        m_hooks.CenterForm(*this);
    if (ExecModal(*this) != QDialog::Accepted)
        return false;
    Calendar.TakeLook(m_sample->Look());
    return true;
}
