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

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
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
    return {QStringLiteral("1 Month Calendar "),
            QStringLiteral("1 Month Calendar, 2 Mini Calendars"),
            QStringLiteral("1 Month Calendar, 6 Mini Calendars Before & After "),
            QStringLiteral("1 Month Calendar, 12 Mini Calendars After "),
            QStringLiteral("6 Month Calendar (Mini Calendars)"),
            QStringLiteral("12 Month Calendar (Mini Calendars)"),
            QStringLiteral("24 Month Calendar (Mini Calendars)"),
            QStringLiteral("48 Month Calendar (Mini Calendars)"),
            QStringLiteral("60 Month Calendar (Mini Calendars)"),
            QStringLiteral("One Week Planner"),
            QStringLiteral("Two Week Planner"),
            QStringLiteral("Day Planner (10 hours) "),
            QStringLiteral("Day Planner (15 hours) ")};
}

QStringList HeaderStyleItems()
{
    return {QStringLiteral("First Character"), QStringLiteral("First Three Characters"),
            QStringLiteral("Whole Word")};
}

} // namespace

void TCalendarProperties::CreateFrame()
{
    setWindowTitle(QStringLiteral("Calendar Properties"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(DialogWidth, DialogHeight);

    m_notebook = new QStackedWidget(this);
    m_notebook->setObjectName(QStringLiteral("Notebook"));
    m_notebook->setGeometry(4, 4, PageWidth, PageHeight);
    m_notebook->setFrameStyle(QFrame::Panel | QFrame::Raised);

    m_tabSet = Named(new QTabBar(this), QStringLiteral("TabSet1"),
                     QStringLiteral("Click a tab to work with a different aspect of "
                                    "\rthis calendar's properties"));
    // One row under the page and the preview, where every tab shows.
    m_tabSet->setGeometry(4, TabRowTop, DialogWidth - 8, 26);
    m_tabSet->setShape(QTabBar::RoundedSouth);
    m_tabSet->setUsesScrollButtons(true);
    m_tabSet->setExpanding(false);
    m_tabSet->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 6px; }"));
    for (const char *tab : {"Layout", "Date", "Fonts, Colors", "Mini Fonts, Colors", "Headers",
                            "Lines", "Planners", "Language", "Margins"})
        m_tabSet->addTab(QString::fromLatin1(tab));
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
    QWidget *page = AddPage(QStringLiteral("Select Layout"));
    m_layoutList = Named(new QListWidget(page), QStringLiteral("LayoutList"),
                         QStringLiteral("Select a layout for the calendar from this list"));
    m_layoutList->setGeometry(8, 32, PageWidth - 16, 170);
    m_layoutList->addItems(LayoutListItems());
    connect(m_layoutList, &QListWidget::currentRowChanged, this,
            &TCalendarProperties::LayoutChanged);

    m_orientation =
        Named(new TRadioGroupBox(QStringLiteral("Orientation"),
                                 {QStringLiteral("Portrait"), QStringLiteral("Landscape")}, page),
              QStringLiteral("rOrientation"),
              QStringLiteral("Select the orientation of the printed calendar"));
    m_orientation->setGeometry(8, 210, 140, 60);
    connect(m_orientation, &TRadioGroupBox::ItemIndexChanged, this,
            &TCalendarProperties::LayoutChanged);

    m_paperSize = Named(new TRadioGroupBox(QStringLiteral("Paper"),
                                           {QStringLiteral("Letter"), QStringLiteral("A4")}, page),
                        QStringLiteral("PaperSize"),
                        QStringLiteral("Select the size of paper the calendar is printed on"));
    m_paperSize->setGeometry(160, 210, 140, 60);
    connect(m_paperSize, &TRadioGroupBox::ItemIndexChanged, this,
            &TCalendarProperties::LayoutChanged);
}

void TCalendarProperties::CreateDatePage()
{
    QWidget *page = AddPage(SelectDateCaption(loFullCalendar), &m_selectMonthYearLabel);
    m_selectMonthYearLabel->setObjectName(QStringLiteral("SelectMonthYearLabel"));

    m_calendar = Named(new QCalendarWidget(page), QStringLiteral("Calendar"),
                       QStringLiteral("Click on a date to select it"));
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
        {"Button8", "<<", "Go back one year", 0, -1},
        {"Button9", "<", "Go back one month", -1, 0},
        {"Button10", "Now", "Go to today's date", 0, 0},
        {"Button11", ">", "Go forward one month", 1, 0},
        {"Button12", ">>", "Go forward one year", 0, 1},
    };
    for (int i = 0; i < 5; ++i) {
        const Step &step = steps[i];
        QPushButton *button =
            Named(Button(QString::fromLatin1(step.caption), QRect(8 + i * 58, 164, 54, 22), page),
                  QString::fromLatin1(step.name), QString::fromLatin1(step.hint));
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

    m_weekStartsOn =
        Named(new TRadioGroupBox(QStringLiteral("Week Starts On"),
                                 {QStringLiteral("Sunday"), QStringLiteral("Monday")}, page),
              QStringLiteral("WeekStartsOn"),
              QStringLiteral("Select the day that the calendar week starts on"));
    m_weekStartsOn->setGeometry(8, 210, 130, 60);
    connect(m_weekStartsOn, &TRadioGroupBox::ItemIndexChanged, this, [this](int index) {
        if (!m_suppress)
            m_example->SetStartOfWeek(index + 1);
    });

    m_titleShowYear = Named(new QCheckBox(QStringLiteral("Show Year in Title"), page),
                            QStringLiteral("TitleShowYearCheck"),
                            QStringLiteral("Check to show the year in the calendar's title"));
    m_titleShowYear->setGeometry(146, 220, 156, 18);
    connect(m_titleShowYear, &QCheckBox::toggled, this, [this](bool checked) {
        if (!m_suppress)
            m_example->SetTitleShowYear(checked);
    });
    m_miniShowYear = Named(new QCheckBox(QStringLiteral("Show Year in Mini Title"), page),
                           QStringLiteral("MiniShowYearCheck"),
                           QStringLiteral("Check to show the year in the mini calendars' titles"));
    m_miniShowYear->setGeometry(146, 244, 156, 18);
    connect(m_miniShowYear, &QCheckBox::toggled, this, [this](bool checked) {
        if (!m_suppress)
            m_example->SetMiniShowYear(checked);
    });
    m_monthGridControls.push_back(m_titleShowYear);
    m_miniControls.push_back(m_miniShowYear);
}

QPushButton *TCalendarProperties::FontButton(const QString &name, QWidget *group,
                                             const TFontDesc &(TCalendarPage::*get)() const,
                                             void (TCalendarPage::*set)(const TFontDesc &))
{
    QPushButton *button = Named(Button(QStringLiteral("Font"), QRect(10, 18, 80, 24), group), name,
                                QStringLiteral("Click to choose the font"));
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
    auto *button = Named(new TColorButton(QStringLiteral("Color"), group), name,
                         QStringLiteral("Click to choose the background color"));
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
    QWidget *page = AddPage(QStringLiteral("Fonts & Colors"));
    QGroupBox *title = Group(QStringLiteral("Title"), QRect(8, 34, PageWidth - 16, 52), page);
    m_headerControls.push_back(FontButton(QStringLiteral("TitleFontbutton"), title,
                                          &TCalendarPage::TitleFont, &TCalendarPage::SetTitleFont));
    m_monthGridControls.push_back(ColorButton(QStringLiteral("TitleBGColor"), title,
                                              &TCalendarPage::TitleBGColor,
                                              &TCalendarPage::SetTitleBGColor));
    QGroupBox *header = Group(QStringLiteral("Header"), QRect(8, 94, PageWidth - 16, 52), page);
    m_headerControls.push_back(FontButton(QStringLiteral("HeaderFontButton"), header,
                                          &TCalendarPage::HeadersFont,
                                          &TCalendarPage::SetHeadersFont));
    m_headerControls.push_back(ColorButton(QStringLiteral("HeaderBGColor"), header,
                                           &TCalendarPage::HeadersBGColor,
                                           &TCalendarPage::SetHeadersBGColor));
    QGroupBox *cells =
        Group(QStringLiteral("Number Cells"), QRect(8, 154, PageWidth - 16, 52), page);
    m_monthGridControls.push_back(FontButton(QStringLiteral("NumberFontButton"), cells,
                                             &TCalendarPage::CellFont,
                                             &TCalendarPage::SetCellFont));
}

void TCalendarProperties::CreateMiniFontsPage()
{
    QWidget *page = AddPage(QStringLiteral("Mini Fonts & Colors"));
    QGroupBox *title = Group(QStringLiteral("Mini Title"), QRect(8, 34, PageWidth - 16, 52), page);
    m_miniControls.push_back(FontButton(QStringLiteral("Minititlefontbutton"), title,
                                        &TCalendarPage::MiniTitleFont,
                                        &TCalendarPage::SetMiniTitleFont));
    QGroupBox *header =
        Group(QStringLiteral("Mini Header"), QRect(8, 92, PageWidth - 16, 52), page);
    m_miniControls.push_back(FontButton(QStringLiteral("MiniHeaderFontButton"), header,
                                        &TCalendarPage::MiniHeadersFont,
                                        &TCalendarPage::SetMiniHeadersFont));
    m_miniControls.push_back(ColorButton(QStringLiteral("MiniHeadersBGColorButton"), header,
                                         &TCalendarPage::MiniHeadersBGColor,
                                         &TCalendarPage::SetMiniHeadersBGColor));
    QGroupBox *cells =
        Group(QStringLiteral("Mini Number Cells"), QRect(8, 150, PageWidth - 16, 52), page);
    m_miniControls.push_back(FontButton(QStringLiteral("MiniCellFontButton"), cells,
                                        &TCalendarPage::MiniCellFont,
                                        &TCalendarPage::SetMiniCellFont));
    QGroupBox *background = Group(QStringLiteral("Mini Calendar Background Color"),
                                  QRect(8, 208, PageWidth - 16, 52), page);
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
    QWidget *page = AddPage(QStringLiteral("Header Styles"));
    Caption(QStringLiteral("Header Style"), QRect(8, 40, 200, 16), page);
    m_headersStyle = StyleList(QStringLiteral("CalHeaderStyleCombo"), HeaderStyleItems(),
                               [this](int i) { m_example->SetHeadersStyle(TCalHeadersStyle(i)); });
    m_headersStyle->setParent(page);
    m_headersStyle->setGeometry(8, 58, 200, 22);
    m_headersStyle->setToolTip(QStringLiteral("Select how the day names are written"));
    m_headerControls.push_back(m_headersStyle);

    Caption(QStringLiteral("Mini Header Style"), QRect(8, 96, 200, 16), page);
    m_miniHeadersStyle =
        StyleList(QStringLiteral("MiniHeadersStyleCombo"), HeaderStyleItems(),
                  [this](int i) { m_example->SetMiniHeadersStyle(TCalHeadersStyle(i)); });
    m_miniHeadersStyle->setParent(page);
    m_miniHeadersStyle->setGeometry(8, 114, 200, 22);
    m_miniHeadersStyle->setToolTip(
        QStringLiteral("Select how the mini calendars' day names are written"));
    m_miniControls.push_back(m_miniHeadersStyle);
}

void TCalendarProperties::CreateLinesPage()
{
    QWidget *page = AddPage(QStringLiteral("Line Styles"));
    Caption(QStringLiteral("Calendar Line Style"), QRect(8, 40, 200, 16), page);
    m_lineLayout = StyleList(
        QStringLiteral("CalendarLineLayoutCombo"),
        {QStringLiteral("Full"), QStringLiteral("Headers & Cells"), QStringLiteral("Cells Only")},
        [this](int i) { m_example->SetCalendarLineLayout(TCalendarLineLayout(i)); });
    m_lineLayout->setParent(page);
    m_lineLayout->setGeometry(8, 58, 200, 22);
    m_lineLayout->setToolTip(QStringLiteral("Select the lines drawn on the calendar"));
    m_monthGridControls.push_back(m_lineLayout);

    Caption(QStringLiteral("Mini-Calendar Line Style"), QRect(8, 96, 200, 16), page);
    m_miniLineLayout = StyleList(
        QStringLiteral("MiniCalendarLineLayoutCombo"),
        {QStringLiteral("Full"), QStringLiteral("Boxed"), QStringLiteral("Minimal")},
        [this](int i) { m_example->SetMiniCalendarLineLayout(TMiniCalendarLineLayout(i)); });
    m_miniLineLayout->setParent(page);
    m_miniLineLayout->setGeometry(8, 114, 200, 22);
    m_miniLineLayout->setToolTip(QStringLiteral("Select the lines drawn on the mini calendars"));
    m_miniControls.push_back(m_miniLineLayout);
}

void TCalendarProperties::CreatePlannerPage()
{
    QWidget *page = AddPage(QStringLiteral("Day Planner"));
    QGroupBox *group = Group(QStringLiteral("Starting Time (for day planners)"),
                             QRect(8, 34, PageWidth - 16, 60), page);
    m_startingTimeButton =
        Named(Button(QStringLiteral("Set Time"), QRect(10, 22, 90, 26), group),
              QStringLiteral("StartingtimeButton"),
              QStringLiteral("Click to set the time of the first hour of the day planners"));
    connect(m_startingTimeButton, &QPushButton::clicked, this,
            &TCalendarProperties::StartingTimeClick);
    m_timeLabel = Caption(QString(), QRect(112, 26, 170, 18), group);
    m_timeLabel->setObjectName(QStringLiteral("TimeLabel"));
    QLabel *note = Caption(QStringLiteral("*(Note: This setting only applies if you have "
                                          "selected one of the two Day Planners from the "
                                          "Layout tab)"),
                           QRect(8, 104, PageWidth - 16, 48), page);
    note->setWordWrap(true);
}

void TCalendarProperties::CreateLanguagePage()
{
    QWidget *page = AddPage(QStringLiteral("Month and Day Names"));
    Caption(QStringLiteral("Month Names"), QRect(8, 32, 140, 16), page);
    m_monthNames = Named(new QPlainTextEdit(page), QStringLiteral("MonthNames"),
                         QStringLiteral("Type in the month names, starting with January,\r"
                                        "or click one of the buttons below"));
    m_monthNames->setGeometry(8, 48, 140, 196);
    Caption(QStringLiteral("Day Names"), QRect(160, 32, 140, 16), page);
    m_dayNames = Named(new QPlainTextEdit(page), QStringLiteral("DayNames"),
                       QStringLiteral("Type in the day names, starting with Sunday,\r"
                                      "or click one of the buttons below"));
    m_dayNames->setGeometry(160, 48, 140, 120);
    for (QPlainTextEdit *memo : {m_monthNames, m_dayNames}) {
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->installEventFilter(this);
    }
    const auto &tables = LanguageTables();
    for (int i = 0; i < LanguageCount; ++i) {
        QPushButton *button = Named(
            Button(tables[i].Caption, QRect(8 + i * 59, 254, 56, 24), page), tables[i].ButtonName,
            QStringLiteral("Click to use the month and day names of this language"));
        connect(button, &QPushButton::clicked, this, [this, i] { LanguageClick(i); });
    }
}

void TCalendarProperties::CreateMarginsPage()
{
    QWidget *page = AddPage(QStringLiteral("Margins"));
    QGroupBox *group =
        Group(QStringLiteral("Select Page Margins"), QRect(8, 34, PageWidth - 16, 150), page);
    static constexpr const char *names[4] = {"LeftMarginInchcombo", "TopMarginInchcombo",
                                             "RightMarginInchcombo", "BottomMarginInchcombo"};
    static constexpr const char *sides[4] = {"Left", "Top", "Right", "Bottom"};
    for (int i = 0; i < 4; ++i) {
        const QString side = QString::fromLatin1(sides[i]);
        Caption(side + QStringLiteral(" Margin"), QRect(12, 24 + i * 30, 90, 18), group);
        auto *list = Named(new QComboBox(group), QString::fromLatin1(names[i]),
                           QStringLiteral("Select the ") + side.toLower() +
                               QStringLiteral(" margin for the printed calendar"));
        list->setGeometry(110, 22 + i * 30, 110, 22);
        list->addItems(InchMarginItems());
        connect(list, &QComboBox::activated, this,
                [this, i](int index) { MarginChosen(i, index); });
        m_marginLists[i] = list;
    }
    m_useInches = Named(new QRadioButton(QStringLiteral("Use Inches"), page),
                        QStringLiteral("useInches"), QStringLiteral("Show the margins in inches"));
    m_useInches->setGeometry(16, 196, 130, 18);
    m_useInches->setChecked(true);
    m_useMillimeters =
        Named(new QRadioButton(QStringLiteral("Use Millimeters"), page),
              QStringLiteral("UseMillimeters"), QStringLiteral("Show the margins in millimeters"));
    m_useMillimeters->setGeometry(16, 218, 130, 18);
    connect(m_useInches, &QRadioButton::toggled, this, &TCalendarProperties::MarginUnitsClick);
}

void TCalendarProperties::CreateBordersPage()
{
    m_tabSet->addTab(QStringLiteral("Borders"));
    QWidget *page = AddPage(QStringLiteral("Calendar Borders"));
    m_borderFiles = Named(new QListWidget(page), QStringLiteral("BorderFiles"),
                          QStringLiteral("Select a border to print around the calendar"));
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
                      QStringLiteral("This is an example calendar"));
    ApplyExamplePageValues(*m_example);
    // The stored values hide the page as the main window keeps its own until
    // a document is ready; the preview is always shown.
    m_example->SetVisible(true);
    m_scrollBox->setWidget(m_example);
    m_scrollBox->setWidgetResizable(false);

    QPushButton *zoomOut = Named(Button(QStringLiteral("-"), QRect(318, ZoomRowTop, 26, 24), this),
                                 QStringLiteral("ZoomOutbutton"),
                                 QStringLiteral("Click to zoom out (make the calendar smaller)"));
    connect(zoomOut, &QPushButton::clicked, this, [this] { ZoomClick(false); });
    QPushButton *zoomIn = Named(Button(QStringLiteral("+"), QRect(348, ZoomRowTop, 26, 24), this),
                                QStringLiteral("ZoomInButton"),
                                QStringLiteral("Click to zoom in (make the calendar larger)"));
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
        {"okbutton", "&Ok", "Click to use these settings for the calendar", 70,
         &TCalendarProperties::OkClick},
        {"CancelButton", "&Cancel", "Click to close without changing the calendar", 70,
         &TCalendarProperties::reject},
        {"SaveAsStyleSheetButton", "&Save As Style Sheet",
         "Click to save these settings as a style sheet", 124,
         &TCalendarProperties::SaveStyleSheetClick},
        {"LoadStyleSheetButton", "&Load Style Sheet", "Click to load settings from a style sheet",
         116, &TCalendarProperties::LoadStyleSheetClick},
        {"Defaultbutton", "&Default Style", "Click to go back to the default style", 104,
         &TCalendarProperties::DefaultStyleClick},
        {"Helpbutton", "&Help", "Click for help on this page", 70, &TCalendarProperties::HelpClick},
    };
    int left = 8;
    for (const Plan &plan : plans) {
        QPushButton *button = Named(Button(QString::fromUtf8(plan.caption),
                                           QRect(left, ButtonRowTop, plan.width, 26), this),
                                    QString::fromLatin1(plan.name), QString::fromUtf8(plan.hint));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, click = plan.click] { (this->*click)(); });
        left += plan.width + 8;
    }
    findChild<QPushButton *>(QStringLiteral("okbutton"))->setDefault(true);
}
