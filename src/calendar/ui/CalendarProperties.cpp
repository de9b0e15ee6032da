#include "CalendarProperties.h"

#include "BorderList.h"
#include "CalendarPanel32.h"
#include "ColorButton.h"
#include "LanguageNames.h"
#include "Messages.h"
#include "RadioGroupBox.h"
#include "SetTimeDialog.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabBar>

#include <algorithm>

namespace {

using TMarginSetter = void (TCalendarPage::*)(float);
using TMarginGetter = float (TCalendarPage::*)() const;

// Left, top, right and bottom, in the order of the margin lists.
constexpr std::array<TMarginGetter, 4> MarginGetters{
    &TCalendarPage::LeftMarginInch, &TCalendarPage::TopMarginInch, &TCalendarPage::RightMarginInch,
    &TCalendarPage::BottomMarginInch};
constexpr std::array<TMarginSetter, 4> MarginSetters{
    &TCalendarPage::SetLeftMarginInch, &TCalendarPage::SetTopMarginInch,
    &TCalendarPage::SetRightMarginInch, &TCalendarPage::SetBottomMarginInch};

// The page's date for the month grid control: a day the month does not have
// (0 on a page that never had one) shows as the nearest day it has.
QDate PageDate(const TCalendarPage &page)
{
    const QDate first(page.MainCalYear(), page.MainCalMonth(), 1);
    if (!first.isValid())
        return QDate::currentDate();
    return first.addDays(std::clamp(page.MainCalDay(), 1, first.daysInMonth()) - 1);
}

QString JoinedLines(const auto &names)
{
    QStringList lines;
    for (const QString &name : names)
        lines.append(name);
    return lines.join(QLatin1Char('\n'));
}

std::optional<QTime> RunSetTimeDialog(QWidget *parent, QTime time,
                                      const std::function<void(QWidget &)> &centerForm)
{
    TSetTimeDialog dialog(parent);
    dialog.SetTime(time);
    if (centerForm)
        centerForm(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Time();
}

} // namespace

TCalendarProperties::TCalendarProperties(QWidget *parent) : QDialog(parent)
{
    CreateFrame();
    m_tabSet->setCurrentIndex(0);
    m_notebook->setCurrentIndex(0);
}

void TCalendarProperties::SetDocumentState(int layoutKind, bool hasCellContent, bool hasObjects)
{
    m_layoutKind = layoutKind;
    m_hasCellContent = hasCellContent;
    m_hasObjects = hasObjects;
}

void TCalendarProperties::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TCalendarProperties::FormActivate()
{
    if (m_activated)
        return;
    m_activated = true;
    if (m_hooks.RestorePlacement)
        m_hooks.RestorePlacement(*this);
    m_zoomLabel->setText(ZoomText(m_example->Zoom()));
    if (m_resetOnActivate)
        ExamplePage().ResetStyle();
    DetermineSettings();
    m_suppress = false;
    LayoutChanged();
    SelectBorderEntry();
    m_frameAtActivation = PreviewFrame();
}

void TCalendarProperties::done(int result)
{
    if (m_hooks.SavePlacement)
        m_hooks.SavePlacement(*this);
    QDialog::done(result);
}

bool TCalendarProperties::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusOut && (watched == m_monthNames || watched == m_dayNames))
        NamesExit(static_cast<QPlainTextEdit *>(watched));
    return QDialog::eventFilter(watched, event);
}

void TCalendarProperties::DetermineSettings()
{
    const TCalendarPage &page = ExamplePage();
    const TCalendarLayout layout = page.CalendarLayout();
    m_layoutList->setCurrentRow(LayoutListIndex(layout));
    m_orientation->SetItemIndex(OrientationIndex(layout));
    m_paperSize->SetItemIndex(page.PaperSize());
    m_planner = IsPlannerLayout(layout);
    m_selectMonthYearLabel->setText(SelectDateCaption(layout));
    m_calendar->setSelectedDate(PageDate(page));
    std::array<QString, 12> months;
    for (int i = 0; i < 12; ++i)
        months[i] = page.GetMonthName(i + 1);
    std::array<QString, 7> days;
    for (int i = 0; i < 7; ++i)
        days[i] = page.GetDayName(i + 1);
    m_monthNames->setPlainText(JoinedLines(months));
    m_dayNames->setPlainText(JoinedLines(days));
    // The page counts any week start but Sunday's as Monday's.
    m_weekStartsOn->SetItemIndex(page.StartOfWeek() == 1 ? 0 : 1);
    for (const auto &[button, get] : m_colorButtons)
        button->SetColor((page.*get)());
    m_headersStyle->setCurrentIndex(page.HeadersStyle());
    m_miniHeadersStyle->setCurrentIndex(page.MiniHeadersStyle());
    m_weekNumbers->setCurrentIndex(page.WeekNumbers());
    m_lineLayout->setCurrentIndex(page.CalendarLineLayout());
    m_miniLineLayout->setCurrentIndex(page.MiniCalendarLineLayout());
    m_dateLabel->setText(DateLabelText(m_calendar->selectedDate(), false));
    m_timeLabel->setText(ShortTimeText(page.PlannerStartTime()));
    m_titleShowYear->setChecked(page.TitleShowYear());
    m_miniShowYear->setChecked(page.MiniShowYear());
    for (int i = 0; i < 4; ++i)
        m_marginLists[i]->setCurrentIndex(MarginIndex((page.*MarginGetters[i])()));
}

void TCalendarProperties::LayoutChanged()
{
    if (m_suppress)
        return;
    m_planner = false;
    ExamplePage().SetPaperSize(std::max(m_paperSize->ItemIndex(), 0));
    const TCalendarLayout layout =
        LayoutFromChoice(m_layoutList->currentRow(), m_orientation->ItemIndex());
    m_planner = IsPlannerLayout(layout);
    CalendarChange();
    ExamplePage().SetCalendarLayout(layout);
    ExamplePage().Relayout(true);
    m_example->update();
    EnableControls();
}

void TCalendarProperties::CalendarChange()
{
    const QDate date = m_calendar->selectedDate();
    m_dateLabel->setText(DateLabelText(date, m_planner));
    if (m_suppress)
        return;
    ExamplePage().SetMainCalMonth(date.month());
    ExamplePage().SetMainCalYear(date.year());
    ExamplePage().SetMainCalDay(date.day());
}

void TCalendarProperties::MoveCalendar(QDate date)
{
    m_calendar->setSelectedDate(date);
}

void TCalendarProperties::EnableControls()
{
    const TCalendarLayout layout = ExamplePage().CalendarLayout();
    const TEnabledControls enabled = EnabledControls(layout, ExamplePage().LayoutKind());
    m_orientation->setEnabled(enabled.Orientation);
    m_weekStartsOn->setEnabled(enabled.WeekStart);
    for (QWidget *control : m_monthGridControls)
        control->setEnabled(enabled.MonthGrid);
    for (QWidget *control : m_headerControls)
        control->setEnabled(enabled.Headers);
    for (QWidget *control : m_miniControls)
        control->setEnabled(enabled.Minis);
    m_startingTimeButton->setEnabled(enabled.StartingTime);
    m_selectMonthYearLabel->setText(SelectDateCaption(layout));
}

void TCalendarProperties::NamesExit(QPlainTextEdit *memo)
{
    const QStringList lines = MemoLines(memo->toPlainText());
    if (memo == m_monthNames) {
        for (int i = 0; i < std::min<int>(lines.size(), 12); ++i)
            ExamplePage().SetMonthName(i + 1, lines[i]);
    } else {
        for (int i = 0; i < std::min<int>(lines.size(), 7); ++i)
            ExamplePage().SetDayName(i + 1, lines[i]);
    }
    m_example->update();
}

void TCalendarProperties::LanguageClick(int language)
{
    const TLanguageNames &names = LanguageTables()[language];
    m_monthNames->setPlainText(JoinedLines(names.Months));
    m_dayNames->setPlainText(JoinedLines(names.Days));
    NamesExit(m_monthNames);
    NamesExit(m_dayNames);
}

void TCalendarProperties::MarginChosen(int margin, int index)
{
    if (m_suppress || index < 0)
        return;
    (ExamplePage().*MarginSetters[margin])(MarginFromIndex(index));
}

void TCalendarProperties::MarginUnitsClick()
{
    const QScopedValueRollback<bool> suppress(m_suppress, true);
    const QStringList items =
        m_useInches->isChecked() ? InchMarginItems() : MillimetreMarginItems();
    for (QComboBox *list : m_marginLists) {
        const int index = list->currentIndex();
        list->clear();
        list->addItems(items);
        list->setCurrentIndex(index);
    }
}

void TCalendarProperties::ZoomClick(bool zoomIn)
{
    const float scale = m_example->Zoom();
    m_example->SetZoom(zoomIn ? ZoomedIn(scale) : ZoomedOut(scale));
    m_zoomLabel->setText(ZoomText(m_example->Zoom()));
}

void TCalendarProperties::BorderChosen(int row)
{
    if (row < 0)
        return;
    ExamplePage().SetWMFBorderFile(row == 0 ? QString() : m_borderFiles->item(row)->text());
}

void TCalendarProperties::SelectBorderEntry()
{
    if (m_borderFiles->count() == 0)
        return;
    QStringList entries;
    for (int i = 0; i < m_borderFiles->count(); ++i)
        entries.append(m_borderFiles->item(i)->text());
    const QSignalBlocker quiet(m_borderFiles);
    m_borderFiles->setCurrentRow(BorderListIndex(entries, ExamplePage().WMFBorderFile()));
}

void TCalendarProperties::StartingTimeClick()
{
    QTime time = ParseTimeText(m_timeLabel->text());
    if (!time.isValid()) {
        m_timeLabel->setText(ShortTimeText(QTime::currentTime()));
        time = ParseTimeText(m_timeLabel->text());
    }
    if (!time.isValid())
        time = QTime::currentTime();
    const std::optional<QTime> chosen = m_prompts.ChooseTime
                                            ? m_prompts.ChooseTime(time)
                                            : RunSetTimeDialog(this, time, m_hooks.CenterForm);
    if (!chosen)
        return;
    m_timeLabel->setText(ShortTimeText(*chosen));
    ExamplePage().SetPlannerStartTime(*chosen);
}

void TCalendarProperties::DefaultStyleClick()
{
    m_suppress = true;
    ExamplePage().ResetStyle();
    DetermineSettings();
    SelectBorderEntry();
    m_suppress = false;
    LayoutChanged();
}

void TCalendarProperties::SaveStyleSheetClick()
{
    const QString fileName = AskSaveStyleSheetName(this, m_fileFolder.Start());
    if (fileName.isEmpty())
        return;
    m_fileFolder.Note(fileName);
    if (!IsStyleSheetName(fileName)) {
        ShowInformation(tr("Must save as a Calendar Style Sheet (*.DWS)"));
        return;
    }
    if (const std::optional<QString> error = ExamplePage().SaveStyleSheet(fileName))
        ShowInformation(tr("Unable to save %1.\r\n%2").arg(fileName, *error));
}

void TCalendarProperties::LoadStyleSheetClick()
{
    const QString fileName = AskOpenStyleSheetName(this, m_fileFolder.Start());
    if (fileName.isEmpty())
        return;
    m_fileFolder.Note(fileName);
    if (!IsStyleSheetName(fileName)) {
        ShowInformation(tr("Must be a Calendar Style Sheet (*.DWS)"));
        return;
    }
    m_suppress = true;
    if (ExamplePage().LoadStyleSheet(fileName))
        ShowInformation(
            tr("Unable to open %1. Possibly \r\ncorrupted, possibly not a Calendar Style file")
                .arg(fileName));
    DetermineSettings();
    SelectBorderEntry();
    m_suppress = false;
    LayoutChanged();
}

void TCalendarProperties::OkClick()
{
    const QString caption = tr("WARNING");
    if (m_hasCellContent && ExamplePage().LayoutKind() != m_layoutKind &&
        !AskYesNo(tr("Warning: changing to this type of layout\rwill erase all "
                     "text and icons from the current\rcalendar. Proceed?"),
                  caption))
        return;
    if (m_hasObjects && FrameMovesObjects(m_frameAtActivation, PreviewFrame()) &&
        !AskYesNo(tr("Warning: The Calendar has one or more items\rplaced on it "
                     "using the Label, Clip Art, RichText,\rSuperText or Floating "
                     "Calendar tools.\r\rChanging Paper Size, Orientation, Layout, "
                     "Margins or Border\rmeans you will have to reposition these "
                     "items.\r\rProceed?"),
                  caption))
        return;
    accept();
}

void TCalendarProperties::HelpClick()
{
    if (m_hooks.ShowHelpContext)
        m_hooks.ShowHelpContext(HelpContextOfPage(m_notebook->currentIndex()));
}

TPageFrame TCalendarProperties::PreviewFrame() const
{
    TPageFrame frame;
    for (int i = 0; i < 4; ++i)
        frame.Margins[i] = (ExamplePage().*MarginGetters[i])();
    frame.BorderName = ExamplePage().WMFBorderFile();
    frame.Layout = ExamplePage().CalendarLayout();
    frame.PaperSize = ExamplePage().PaperSize();
    frame.Orientation = ExamplePage().CalendarOrientation();
    return frame;
}

TCalendarPage &TCalendarProperties::ExamplePage()
{
    return m_example->Page();
}

const TCalendarPage &TCalendarProperties::ExamplePage() const
{
    return m_example->Page();
}
