// Building the calendar properties dialog: its notebook pages, the preview
// and the buttons, each control named as the program refers to it.

#include "BorderList.h"
#include "CalendarPanel32.h"
#include "CalendarProperties.h"
#include "ColorButton.h"
#include "LanguageNames.h"
#include "ProgramFolder.h"
#include "RadioGroupBox.h"
#include "StoredPageValues.h"
#include "WeekNumbers.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTabBar>

namespace {

constexpr int PageWidth = 308;
constexpr int PageHeight = 290;
constexpr int DialogWidth = 632;
constexpr int TabRowTop = PageHeight + 6;
constexpr int ZoomRowTop = TabRowTop + 30;
constexpr int ButtonRowTop = ZoomRowTop + 32;
constexpr int DialogHeight = ButtonRowTop + 32;
// The grey behind the preview page.
constexpr TColor PreviewBackground = 9342606;

// Shows hint as the control's tooltip; "\r" in a hint breaks the line.
template <typename Widget> Widget *Named(Widget *widget, const QString &name, const QString &hint)
{
    widget->setObjectName(name);
    widget->setToolTip(QString(hint).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    return widget;
}

QLabel *Caption(const QString &text, const QRect &bounds, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(bounds);
    return label;
}

QPushButton *Button(const QString &caption, const QRect &bounds, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setGeometry(bounds);
    return button;
}

QGroupBox *Group(const QString &title, const QRect &bounds, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    group->setGeometry(bounds);
    return group;
}

QStringList LayoutListItems()
{
    return {
        QCoreApplication::translate("TCalendarProperties", "1 Month Calendar "),
        QCoreApplication::translate("TCalendarProperties", "1 Month Calendar, 2 Mini Calendars"),
        QCoreApplication::translate("TCalendarProperties",
                                    "1 Month Calendar, 6 Mini Calendars Before & After "),
        QCoreApplication::translate("TCalendarProperties",
                                    "1 Month Calendar, 12 Mini Calendars After "),
        QCoreApplication::translate("TCalendarProperties", "6 Month Calendar (Mini Calendars)"),
        QCoreApplication::translate("TCalendarProperties", "12 Month Calendar (Mini Calendars)"),
        QCoreApplication::translate("TCalendarProperties", "24 Month Calendar (Mini Calendars)"),
        QCoreApplication::translate("TCalendarProperties", "48 Month Calendar (Mini Calendars)"),
        QCoreApplication::translate("TCalendarProperties", "60 Month Calendar (Mini Calendars)"),
        QCoreApplication::translate("TCalendarProperties", "One Week Planner"),
        QCoreApplication::translate("TCalendarProperties", "Two Week Planner"),
        QCoreApplication::translate("TCalendarProperties", "Day Planner (10 hours) "),
        QCoreApplication::translate("TCalendarProperties", "Day Planner (15 hours) ")};
}

QStringList HeaderStyleItems()
{
    return {QCoreApplication::translate("TCalendarProperties", "First Character"),
            QCoreApplication::translate("TCalendarProperties", "First Three Characters"),
            QCoreApplication::translate("TCalendarProperties", "Whole Word")};
}

} // namespace

void TCalendarProperties::CreateFrame()
{
    setWindowTitle(tr("Calendar Properties"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(DialogWidth, DialogHeight);

    m_notebook = new QStackedWidget(this);
    m_notebook->setObjectName(QStringLiteral("Notebook"));
    m_notebook->setGeometry(4, 4, PageWidth, PageHeight);
    m_notebook->setFrameStyle(QFrame::Panel | QFrame::Raised);

    m_tabSet = Named(new QTabBar(this), QStringLiteral("TabSet1"),
                     tr("Click a tab to work with a different aspect of "
                        "\rthis calendar's properties"));
    // One row under the page and the preview, where every tab shows.
    m_tabSet->setGeometry(4, TabRowTop, DialogWidth - 8, 26);
    m_tabSet->setShape(QTabBar::RoundedSouth);
    m_tabSet->setUsesScrollButtons(true);
    m_tabSet->setExpanding(false);
    m_tabSet->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 6px; }"));
    for (const char *tab :
         {QT_TR_NOOP("Layout"), QT_TR_NOOP("Date"), QT_TR_NOOP("Fonts, Colors"),
          QT_TR_NOOP("Mini Fonts, Colors"), QT_TR_NOOP("Headers"), QT_TR_NOOP("Lines"),
          QT_TR_NOOP("Planners"), QT_TR_NOOP("Language"), QT_TR_NOOP("Margins")})
        m_tabSet->addTab(tr(tab));
    connect(m_tabSet, &QTabBar::currentChanged, m_notebook, &QStackedWidget::setCurrentIndex);

    CreateLayoutPage();
    CreateDatePage();
    CreateFontsPage();
    CreateMiniFontsPage();
    CreateHeadersPage();
    CreateLinesPage();
    CreatePlannerPage();
    CreateLanguagePage();
    CreateMarginsPage();
    CreateBordersPage();
    CreatePreview();
    CreateButtons();
}

QWidget *TCalendarProperties::AddPage(const QString &title, QLabel **titleLabel)
{
    auto *page = new QWidget(m_notebook);
    QLabel *label = Caption(title, QRect(8, 6, PageWidth - 16, 22), page);
    if (titleLabel)
        *titleLabel = label;
    QFont titleFont(QStringLiteral("Times New Roman"), 12);
    titleFont.setBold(true);
    titleFont.setItalic(true);
    label->setFont(titleFont);
    m_notebook->addWidget(page);
    return page;
}

void TCalendarProperties::CreateLayoutPage()
{
    QWidget *page = AddPage(tr("Select Layout"));
    m_layoutList = Named(new QListWidget(page), QStringLiteral("LayoutList"),
                         tr("Select a layout for the calendar from this list"));
    m_layoutList->setGeometry(8, 32, PageWidth - 16, 170);
    m_layoutList->addItems(LayoutListItems());
    connect(m_layoutList, &QListWidget::currentRowChanged, this,
            &TCalendarProperties::LayoutChanged);

    m_orientation =
        Named(new TRadioGroupBox(tr("Orientation"), {tr("Portrait"), tr("Landscape")}, page),
              QStringLiteral("rOrientation"), tr("Select the orientation of the printed calendar"));
    m_orientation->setGeometry(8, 210, 140, 60);
    connect(m_orientation, &TRadioGroupBox::ItemIndexChanged, this,
            &TCalendarProperties::LayoutChanged);

    m_paperSize = Named(new TRadioGroupBox(tr("Paper"), {tr("Letter"), tr("A4")}, page),
                        QStringLiteral("PaperSize"),
                        tr("Select the size of paper the calendar is printed on"));
    m_paperSize->setGeometry(160, 210, 140, 60);
    connect(m_paperSize, &TRadioGroupBox::ItemIndexChanged, this,
            &TCalendarProperties::LayoutChanged);
}

void TCalendarProperties::CreateDatePage()
{
    QWidget *page = AddPage(SelectDateCaption(loFullCalendar), &m_selectMonthYearLabel);
    m_selectMonthYearLabel->setObjectName(QStringLiteral("SelectMonthYearLabel"));

    m_calendar = Named(new QCalendarWidget(page), QStringLiteral("Calendar"),
                       tr("Click on a date to select it"));
    m_calendar->setGeometry(8, 30, PageWidth - 16, 130);
    m_calendar->setFirstDayOfWeek(Qt::Sunday);
    m_calendar->setNavigationBarVisible(false);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    connect(m_calendar, &QCalendarWidget::selectionChanged, this,
            &TCalendarProperties::CalendarChange);

    struct Step
    {
        const char *name, *caption, *hint;
        int months, years;
    };
    static constexpr Step steps[] = {
        {"Button8", "<<", QT_TR_NOOP("Go back one year"), 0, -1},
        {"Button9", "<", QT_TR_NOOP("Go back one month"), -1, 0},
        {"Button10", QT_TR_NOOP("Now"), QT_TR_NOOP("Go to today's date"), 0, 0},
        {"Button11", ">", QT_TR_NOOP("Go forward one month"), 1, 0},
        {"Button12", ">>", QT_TR_NOOP("Go forward one year"), 0, 1},
    };
    for (int i = 0; i < 5; ++i) {
        const Step &step = steps[i];
        QPushButton *button = Named(Button(tr(step.caption), QRect(8 + i * 58, 164, 54, 22), page),
                                    QString::fromLatin1(step.name), tr(step.hint));
        connect(button, &QPushButton::clicked, this, [this, step] {
            const QDate now = m_calendar->selectedDate();
            MoveCalendar(step.months == 0 && step.years == 0
                             ? QDate::currentDate()
                             : now.addYears(step.years).addMonths(step.months));
        });
    }
    m_dateLabel = Caption(QString(), QRect(8, 190, PageWidth - 16, 16), page);
    m_dateLabel->setObjectName(QStringLiteral("DateLabel"));
    m_dateLabel->setAlignment(Qt::AlignCenter);

    m_weekStartsOn = Named(
        new TRadioGroupBox(tr("Week Starts On"), {tr("Sunday"), tr("Monday")}, page),
        QStringLiteral("WeekStartsOn"), tr("Select the day that the calendar week starts on"));
    m_weekStartsOn->setGeometry(8, 210, 130, 60);
    connect(m_weekStartsOn, &TRadioGroupBox::ItemIndexChanged, this, [this](int index) {
        if (!m_suppress)
            ExamplePage().SetStartOfWeek(index + 1);
    });

    m_titleShowYear =
        Named(new QCheckBox(tr("Show Year in Title"), page), QStringLiteral("TitleShowYearCheck"),
              tr("Check to show the year in the calendar's title"));
    m_titleShowYear->setGeometry(146, 220, 156, 18);
    connect(m_titleShowYear, &QCheckBox::toggled, this, [this](bool checked) {
        if (!m_suppress)
            ExamplePage().SetTitleShowYear(checked);
    });
    m_miniShowYear = Named(new QCheckBox(tr("Show Year in Mini Title"), page),
                           QStringLiteral("MiniShowYearCheck"),
                           tr("Check to show the year in the mini calendars' titles"));
    m_miniShowYear->setGeometry(146, 244, 156, 18);
    connect(m_miniShowYear, &QCheckBox::toggled, this, [this](bool checked) {
        if (!m_suppress)
            ExamplePage().SetMiniShowYear(checked);
    });
    m_monthGridControls.push_back(m_titleShowYear);
    m_miniControls.push_back(m_miniShowYear);
}

QPushButton *TCalendarProperties::FontButton(const QString &name, QWidget *group,
                                             const TFontDesc &(TCalendarPage::*get)() const,
                                             void (TCalendarPage::*set)(const TFontDesc &))
{
    QPushButton *button = Named(Button(tr("Font"), QRect(10, 18, 80, 24), group), name,
                                tr("Click to choose the font"));
    connect(button, &QPushButton::clicked, this, [this, get, set] {
        const TFontDesc &current = (ExamplePage().*get)();
        const std::optional<TFontDesc> chosen =
            m_prompts.ChooseFont ? m_prompts.ChooseFont(current) : AskFont(this, current);
        if (chosen)
            (ExamplePage().*set)(*chosen);
        m_example->update();
    });
    return button;
}

TColorButton *TCalendarProperties::ColorButton(const QString &name, QWidget *group,
                                               TColor (TCalendarPage::*get)() const,
                                               void (TCalendarPage::*set)(TColor))
{
    auto *button = Named(new TColorButton(tr("Color"), group), name,
                         tr("Click to choose the background color"));
    button->setGeometry(100, 18, 80, 24);
    connect(button, &TColorButton::clicked, this, [this, button] {
        const std::optional<TColor> chosen = m_prompts.ChooseColor
                                                 ? m_prompts.ChooseColor(button->Color())
                                                 : AskColor(this, button->Color());
        if (chosen)
            button->SetColor(*chosen);
    });
    connect(button, &TColorButton::ColorChanged, this, [this, set](TColor value) {
        if (!m_suppress)
            (ExamplePage().*set)(value);
        m_example->update();
    });
    m_colorButtons.emplace_back(button, get);
    return button;
}

void TCalendarProperties::CreateFontsPage()
{
    QWidget *page = AddPage(tr("Fonts & Colors"));
    QGroupBox *title = Group(tr("Title"), QRect(8, 34, PageWidth - 16, 52), page);
    m_headerControls.push_back(FontButton(QStringLiteral("TitleFontbutton"), title,
                                          &TCalendarPage::TitleFont, &TCalendarPage::SetTitleFont));
    m_monthGridControls.push_back(ColorButton(QStringLiteral("TitleBGColor"), title,
                                              &TCalendarPage::TitleBGColor,
                                              &TCalendarPage::SetTitleBGColor));
    QGroupBox *header = Group(tr("Header"), QRect(8, 94, PageWidth - 16, 52), page);
    m_headerControls.push_back(FontButton(QStringLiteral("HeaderFontButton"), header,
                                          &TCalendarPage::HeadersFont,
                                          &TCalendarPage::SetHeadersFont));
    m_headerControls.push_back(ColorButton(QStringLiteral("HeaderBGColor"), header,
                                           &TCalendarPage::HeadersBGColor,
                                           &TCalendarPage::SetHeadersBGColor));
    QGroupBox *cells = Group(tr("Number Cells"), QRect(8, 154, PageWidth - 16, 52), page);
    m_monthGridControls.push_back(FontButton(QStringLiteral("NumberFontButton"), cells,
                                             &TCalendarPage::CellFont,
                                             &TCalendarPage::SetCellFont));
}

void TCalendarProperties::CreateMiniFontsPage()
{
    QWidget *page = AddPage(tr("Mini Fonts & Colors"));
    QGroupBox *title = Group(tr("Mini Title"), QRect(8, 34, PageWidth - 16, 52), page);
    m_miniControls.push_back(FontButton(QStringLiteral("Minititlefontbutton"), title,
                                        &TCalendarPage::MiniTitleFont,
                                        &TCalendarPage::SetMiniTitleFont));
    QGroupBox *header = Group(tr("Mini Header"), QRect(8, 92, PageWidth - 16, 52), page);
    m_miniControls.push_back(FontButton(QStringLiteral("MiniHeaderFontButton"), header,
                                        &TCalendarPage::MiniHeadersFont,
                                        &TCalendarPage::SetMiniHeadersFont));
    m_miniControls.push_back(ColorButton(QStringLiteral("MiniHeadersBGColorButton"), header,
                                         &TCalendarPage::MiniHeadersBGColor,
                                         &TCalendarPage::SetMiniHeadersBGColor));
    QGroupBox *cells = Group(tr("Mini Number Cells"), QRect(8, 150, PageWidth - 16, 52), page);
    m_miniControls.push_back(FontButton(QStringLiteral("MiniCellFontButton"), cells,
                                        &TCalendarPage::MiniCellFont,
                                        &TCalendarPage::SetMiniCellFont));
    QGroupBox *background =
        Group(tr("Mini Calendar Background Color"), QRect(8, 208, PageWidth - 16, 52), page);
    TColorButton *color =
        ColorButton(QStringLiteral("MiniCalBGColorButton"), background,
                    &TCalendarPage::MiniCalBGColor, &TCalendarPage::SetMiniCalBGColor);
    color->move(10, 18);
    m_miniControls.push_back(color);
}

QComboBox *TCalendarProperties::StyleList(const QString &name, const QStringList &items,
                                          const std::function<void(int)> &apply)
{
    auto *list = new QComboBox;
    list->setObjectName(name);
    list->addItems(items);
    connect(list, &QComboBox::activated, this, [this, apply](int index) {
        if (m_suppress)
            return;
        apply(index);
        m_example->update();
    });
    return list;
}

void TCalendarProperties::CreateHeadersPage()
{
    QWidget *page = AddPage(tr("Header Styles"));
    Caption(tr("Header Style"), QRect(8, 40, 200, 16), page);
    m_headersStyle =
        StyleList(QStringLiteral("CalHeaderStyleCombo"), HeaderStyleItems(),
                  [this](int i) { ExamplePage().SetHeadersStyle(TCalHeadersStyle(i)); });
    m_headersStyle->setParent(page);
    m_headersStyle->setGeometry(8, 58, 200, 22);
    m_headersStyle->setToolTip(tr("Select how the day names are written"));
    m_headerControls.push_back(m_headersStyle);

    Caption(tr("Mini Header Style"), QRect(8, 96, 200, 16), page);
    m_miniHeadersStyle =
        StyleList(QStringLiteral("MiniHeadersStyleCombo"), HeaderStyleItems(),
                  [this](int i) { ExamplePage().SetMiniHeadersStyle(TCalHeadersStyle(i)); });
    m_miniHeadersStyle->setParent(page);
    m_miniHeadersStyle->setGeometry(8, 114, 200, 22);
    m_miniHeadersStyle->setToolTip(tr("Select how the mini calendars' day names are written"));
    m_miniControls.push_back(m_miniHeadersStyle);

    m_weekNumbers = StyleList(QStringLiteral("WeekNumbersCombo"), WeekNumbersItems(),
                              [this](int i) { ExamplePage().SetWeekNumbers(TWeekNumbers(i)); });
    m_weekNumbers->setParent(page);
    m_weekNumbers->setGeometry(8, 170, 200, 22);
    m_weekNumbers->setToolTip(tr("Select whether the calendars show week numbers, and which"));
    Caption(tr("&Week Numbers"), QRect(8, 152, 200, 16), page)->setBuddy(m_weekNumbers);
}

void TCalendarProperties::CreateLinesPage()
{
    QWidget *page = AddPage(tr("Line Styles"));
    Caption(tr("Calendar Line Style"), QRect(8, 40, 200, 16), page);
    m_lineLayout = StyleList(QStringLiteral("CalendarLineLayoutCombo"),
                             {tr("Full"), tr("Headers & Cells"), tr("Cells Only")}, [this](int i) {
                                 ExamplePage().SetCalendarLineLayout(TCalendarLineLayout(i));
                             });
    m_lineLayout->setParent(page);
    m_lineLayout->setGeometry(8, 58, 200, 22);
    m_lineLayout->setToolTip(tr("Select the lines drawn on the calendar"));
    m_monthGridControls.push_back(m_lineLayout);

    Caption(tr("Mini-Calendar Line Style"), QRect(8, 96, 200, 16), page);
    m_miniLineLayout = StyleList(
        QStringLiteral("MiniCalendarLineLayoutCombo"), {tr("Full"), tr("Boxed"), tr("Minimal")},
        [this](int i) { ExamplePage().SetMiniCalendarLineLayout(TMiniCalendarLineLayout(i)); });
    m_miniLineLayout->setParent(page);
    m_miniLineLayout->setGeometry(8, 114, 200, 22);
    m_miniLineLayout->setToolTip(tr("Select the lines drawn on the mini calendars"));
    m_miniControls.push_back(m_miniLineLayout);
}

void TCalendarProperties::CreatePlannerPage()
{
    QWidget *page = AddPage(tr("Day Planner"));
    QGroupBox *group =
        Group(tr("Starting Time (for day planners)"), QRect(8, 34, PageWidth - 16, 60), page);
    m_startingTimeButton = Named(Button(tr("Set Time"), QRect(10, 22, 90, 26), group),
                                 QStringLiteral("StartingtimeButton"),
                                 tr("Click to set the time of the first hour of the day planners"));
    connect(m_startingTimeButton, &QPushButton::clicked, this,
            &TCalendarProperties::StartingTimeClick);
    m_timeLabel = Caption(QString(), QRect(112, 26, 170, 18), group);
    m_timeLabel->setObjectName(QStringLiteral("TimeLabel"));
    QLabel *note = Caption(tr("*(Note: This setting only applies if you have "
                              "selected one of the two Day Planners from the "
                              "Layout tab)"),
                           QRect(8, 104, PageWidth - 16, 48), page);
    note->setWordWrap(true);
}

void TCalendarProperties::CreateLanguagePage()
{
    QWidget *page = AddPage(tr("Month and Day Names"));
    Caption(tr("Month Names"), QRect(8, 32, 140, 16), page);
    m_monthNames = Named(new QPlainTextEdit(page), QStringLiteral("MonthNames"),
                         tr("Type in the month names, starting with January,\r"
                            "or click one of the buttons below"));
    m_monthNames->setGeometry(8, 48, 140, 196);
    Caption(tr("Day Names"), QRect(160, 32, 140, 16), page);
    m_dayNames = Named(new QPlainTextEdit(page), QStringLiteral("DayNames"),
                       tr("Type in the day names, starting with Sunday,\r"
                          "or click one of the buttons below"));
    m_dayNames->setGeometry(160, 48, 140, 120);
    for (QPlainTextEdit *memo : {m_monthNames, m_dayNames}) {
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->installEventFilter(this);
    }
    const auto &tables = LanguageTables();
    for (int i = 0; i < LanguageCount; ++i) {
        QPushButton *button = Named(Button(tables[i].Caption, QRect(8 + i * 59, 254, 56, 24), page),
                                    tables[i].ButtonName,
                                    tr("Click to use the month and day names of this language"));
        connect(button, &QPushButton::clicked, this, [this, i] { LanguageClick(i); });
    }
}

void TCalendarProperties::CreateMarginsPage()
{
    QWidget *page = AddPage(tr("Margins"));
    QGroupBox *group = Group(tr("Select Page Margins"), QRect(8, 34, PageWidth - 16, 150), page);
    static constexpr const char *names[4] = {"LeftMarginInchcombo", "TopMarginInchcombo",
                                             "RightMarginInchcombo", "BottomMarginInchcombo"};
    static constexpr const char *captions[4] = {QT_TR_NOOP("Left Margin"), QT_TR_NOOP("Top Margin"),
                                                QT_TR_NOOP("Right Margin"),
                                                QT_TR_NOOP("Bottom Margin")};
    static constexpr const char *hints[4] = {
        QT_TR_NOOP("Select the left margin for the printed calendar"),
        QT_TR_NOOP("Select the top margin for the printed calendar"),
        QT_TR_NOOP("Select the right margin for the printed calendar"),
        QT_TR_NOOP("Select the bottom margin for the printed calendar")};
    for (int i = 0; i < 4; ++i) {
        Caption(tr(captions[i]), QRect(12, 24 + i * 30, 90, 18), group);
        auto *list = Named(new QComboBox(group), QString::fromLatin1(names[i]), tr(hints[i]));
        list->setGeometry(110, 22 + i * 30, 110, 22);
        list->addItems(InchMarginItems());
        connect(list, &QComboBox::activated, this,
                [this, i](int index) { MarginChosen(i, index); });
        m_marginLists[i] = list;
    }
    m_useInches = Named(new QRadioButton(tr("Use Inches"), page), QStringLiteral("useInches"),
                        tr("Show the margins in inches"));
    m_useInches->setGeometry(16, 196, 130, 18);
    m_useInches->setChecked(true);
    m_useMillimeters =
        Named(new QRadioButton(tr("Use Millimeters"), page), QStringLiteral("UseMillimeters"),
              tr("Show the margins in millimeters"));
    m_useMillimeters->setGeometry(16, 218, 130, 18);
    connect(m_useInches, &QRadioButton::toggled, this, &TCalendarProperties::MarginUnitsClick);
}

void TCalendarProperties::CreateBordersPage()
{
    m_tabSet->addTab(tr("Borders"));
    QWidget *page = AddPage(tr("Calendar Borders"));
    m_borderFiles = Named(new QListWidget(page), QStringLiteral("BorderFiles"),
                          tr("Select a border to print around the calendar"));
    m_borderFiles->setGeometry(8, 32, PageWidth - 16, PageHeight - 44);
    FillBorderList();
    connect(m_borderFiles, &QListWidget::currentRowChanged, this,
            &TCalendarProperties::BorderChosen);
}

void TCalendarProperties::FillBorderList()
{
    const std::optional<QStringList> entries = BorderListEntries(ProgramFolder());
    if (!entries) {
        m_borderFiles->setEnabled(false);
        return;
    }
    m_borderFiles->addItems(*entries);
}

void TCalendarProperties::CreatePreview()
{
    m_scrollBox = new QScrollArea(this);
    m_scrollBox->setObjectName(QStringLiteral("ScrollBox1"));
    m_scrollBox->setGeometry(318, 4, 310, 290);
    QPalette grey = m_scrollBox->palette();
    grey.setColor(QPalette::Window, ToQColor(PreviewBackground));
    m_scrollBox->setPalette(grey);
    m_scrollBox->setBackgroundRole(QPalette::Window);
    m_scrollBox->viewport()->setPalette(grey);
    m_scrollBox->viewport()->setAutoFillBackground(true);

    m_example = Named(new TCalendarPanel32, QStringLiteral("ExampleCalendar"),
                      tr("This is an example calendar"));
    ApplyExamplePageValues(ExamplePage());
    m_scrollBox->setWidget(m_example);
    m_scrollBox->setWidgetResizable(false);

    QPushButton *zoomOut =
        Named(Button(QStringLiteral("-"), QRect(318, ZoomRowTop, 26, 24), this),
              QStringLiteral("ZoomOutbutton"), tr("Click to zoom out (make the calendar smaller)"));
    connect(zoomOut, &QPushButton::clicked, this, [this] { ZoomClick(false); });
    QPushButton *zoomIn =
        Named(Button(QStringLiteral("+"), QRect(348, ZoomRowTop, 26, 24), this),
              QStringLiteral("ZoomInButton"), tr("Click to zoom in (make the calendar larger)"));
    connect(zoomIn, &QPushButton::clicked, this, [this] { ZoomClick(true); });
    m_zoomLabel = Caption(QStringLiteral("100%"), QRect(382, ZoomRowTop + 4, 60, 16), this);
    m_zoomLabel->setObjectName(QStringLiteral("ZoomLabel"));
}

void TCalendarProperties::CreateButtons()
{
    struct Plan
    {
        const char *name, *caption, *hint;
        int width;
        void (TCalendarProperties::*click)();
    };
    static constexpr Plan plans[] = {
        {"okbutton", QT_TR_NOOP("&Ok"), QT_TR_NOOP("Click to use these settings for the calendar"),
         70, &TCalendarProperties::OkClick},
        {"CancelButton", QT_TR_NOOP("&Cancel"),
         QT_TR_NOOP("Click to close without changing the calendar"), 70,
         &TCalendarProperties::reject},
        {"SaveAsStyleSheetButton", QT_TR_NOOP("&Save As Style Sheet"),
         QT_TR_NOOP("Click to save these settings as a style sheet"), 124,
         &TCalendarProperties::SaveStyleSheetClick},
        {"LoadStyleSheetButton", QT_TR_NOOP("&Load Style Sheet"),
         QT_TR_NOOP("Click to load settings from a style sheet"), 116,
         &TCalendarProperties::LoadStyleSheetClick},
        {"Defaultbutton", QT_TR_NOOP("&Default Style"),
         QT_TR_NOOP("Click to go back to the default style"), 104,
         &TCalendarProperties::DefaultStyleClick},
        {"Helpbutton", QT_TR_NOOP("&Help"), QT_TR_NOOP("Click for help on this page"), 70,
         &TCalendarProperties::HelpClick},
    };
    int left = 8;
    for (const Plan &plan : plans) {
        QPushButton *button =
            Named(Button(tr(plan.caption), QRect(left, ButtonRowTop, plan.width, 26), this),
                  QString::fromLatin1(plan.name), tr(plan.hint));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, click = plan.click] { (this->*click)(); });
        left += plan.width + 8;
    }
    findChild<QPushButton *>(QStringLiteral("okbutton"))->setDefault(true);
}
