#pragma once

#include "CalendarPage.h"
#include "PropertiesPrompts.h"
#include "PropertiesRules.h"
#include "StartFolder.h"

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

class QCalendarWidget;
class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class QCheckBox;
class TCalendarPanel32;
class TColorButton;
class TRadioGroupBox;

// What the properties dialog needs from the program around it. Each may be
// left empty.
struct TPropertiesHooks
{
    // Puts the dialog where it was last time, or centres it; at its first
    // activation.
    std::function<void(QWidget &dialog)> RestorePlacement;
    // Stores the dialog's place when it closes.
    std::function<void(QWidget &dialog)> SavePlacement;
    // Centres the set-time dialog over the main window.
    std::function<void(QWidget &dialog)> CenterForm;
    // Opens the help file at a topic number.
    std::function<void(int context)> ShowHelpContext;
};

// The calendar properties dialog: every control writes straight into its own
// page, ExamplePage, a copy of the document's style shown by a second view,
// ExampleCalendar. The caller copies the page's style into the copy before
// showing the dialog and, when it ends with OK, the copy's style back into
// the page.
class TCalendarProperties : public QDialog
{
    Q_OBJECT

public:
    explicit TCalendarProperties(QWidget *parent = nullptr);

    // The preview, in its scroll box, with its own zoom; and the page it
    // shows, which the controls edit.
    TCalendarPanel32 &ExampleCalendar() { return *m_example; }
    TCalendarPage &ExamplePage();
    const TCalendarPage &ExamplePage() const;

    // What the document holds, so that OK can warn before content is lost.
    // A new dialog assumes layout kind 1 and neither cell text nor objects.
    void SetDocumentState(int layoutKind, bool hasCellContent, bool hasObjects);
    // Resets the preview to the default style at the first activation.
    void SetResetOnActivate(bool value) { m_resetOnActivate = value; }

    void SetHooks(const TPropertiesHooks &hooks) { m_hooks = hooks; }
    // The font, colour and time prompts; empty ones show real dialogs. The
    // style-sheet file names go through the program's file-name prompt.
    TPropertiesPrompts &Prompts() { return m_prompts; }
    // Where the style-sheet dialogs open, and the last folder chosen.
    TFileFolder &FileFolder() { return m_fileFolder; }

    // Fills the controls from the preview; runs once, when the dialog is
    // first shown.
    void FormActivate();
    // True while the dialog fills its own controls, so that their change
    // notices write nothing back.
    bool Suppressed() const { return m_suppress; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Building the window.
    void CreateFrame();
    void CreateLayoutPage();
    void CreateDatePage();
    void CreateFontsPage();
    void CreateMiniFontsPage();
    void CreateHeadersPage();
    void CreateLinesPage();
    void CreatePlannerPage();
    void CreateLanguagePage();
    void CreateMarginsPage();
    void CreateBordersPage();
    void CreatePreview();
    void CreateButtons();
    QWidget *AddPage(const QString &title, QLabel **titleLabel = nullptr);
    QPushButton *FontButton(const QString &name, QWidget *group,
                            const TFontDesc &(TCalendarPage::*get)() const,
                            void (TCalendarPage::*set)(const TFontDesc &));
    TColorButton *ColorButton(const QString &name, QWidget *group,
                              TColor (TCalendarPage::*get)() const,
                              void (TCalendarPage::*set)(TColor));
    QComboBox *StyleList(const QString &name, const QStringList &items,
                         const std::function<void(int)> &apply);
    void FillBorderList();

    // What the controls do.
    void DetermineSettings();
    void LayoutChanged();
    void CalendarChange();
    void EnableControls();
    void MoveCalendar(QDate date);
    void NamesExit(QPlainTextEdit *memo);
    void LanguageClick(int language);
    void MarginChosen(int margin, int index);
    void MarginUnitsClick();
    void ZoomClick(bool zoomIn);
    void BorderChosen(int row);
    void SelectBorderEntry();
    void StartingTimeClick();
    void DefaultStyleClick();
    void SaveStyleSheetClick();
    void LoadStyleSheetClick();
    void OkClick();
    void HelpClick();
    TPageFrame PreviewFrame() const;

    // The view of the page the dialog edits; the view owns the page.
    TCalendarPanel32 *m_example = nullptr;

    QTabBar *m_tabSet = nullptr;
    QStackedWidget *m_notebook = nullptr;
    QListWidget *m_layoutList = nullptr;
    TRadioGroupBox *m_orientation = nullptr;
    TRadioGroupBox *m_paperSize = nullptr;
    QLabel *m_selectMonthYearLabel = nullptr;
    QCalendarWidget *m_calendar = nullptr;
    QLabel *m_dateLabel = nullptr;
    TRadioGroupBox *m_weekStartsOn = nullptr;
    QCheckBox *m_titleShowYear = nullptr;
    QCheckBox *m_miniShowYear = nullptr;
    QLabel *m_timeLabel = nullptr;
    QPushButton *m_startingTimeButton = nullptr;
    QPlainTextEdit *m_monthNames = nullptr;
    QPlainTextEdit *m_dayNames = nullptr;
    QComboBox *m_headersStyle = nullptr;
    QComboBox *m_miniHeadersStyle = nullptr;
    QComboBox *m_weekNumbers = nullptr;
    QComboBox *m_lineLayout = nullptr;
    QComboBox *m_miniLineLayout = nullptr;
    std::array<QComboBox *, 4> m_marginLists{};
    QRadioButton *m_useInches = nullptr;
    QRadioButton *m_useMillimeters = nullptr;
    QListWidget *m_borderFiles = nullptr;
    QScrollArea *m_scrollBox = nullptr;
    QLabel *m_zoomLabel = nullptr;
    std::vector<std::pair<TColorButton *, TColor (TCalendarPage::*)() const>> m_colorButtons;
    // The controls each enabling rule switches.
    std::vector<QWidget *> m_monthGridControls;
    std::vector<QWidget *> m_headerControls;
    std::vector<QWidget *> m_miniControls;

    TPropertiesHooks m_hooks;
    TPropertiesPrompts m_prompts;
    TFileFolder m_fileFolder;
    bool m_suppress = true;
    bool m_planner = false;
    bool m_resetOnActivate = false;
    bool m_activated = false;
    int m_layoutKind = 1;
    bool m_hasCellContent = false;
    bool m_hasObjects = false;
    TPageFrame m_frameAtActivation;
};
