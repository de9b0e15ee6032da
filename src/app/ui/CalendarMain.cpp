#include "CalendarMain.h"

#include "ButtonRules.h"
#include "CalendarPagePaint.h"
#include "CalendarPanel32.h"
#include "FlatCalendarEditor.h"
#include "FloatingPalette.h"
#include "HelpViewer.h"
#include "ImageTool.h"
#include "LumFlatCalendar.h"
#include "MRUFileList.h"
#include "MainCaption.h"
#include "MainLabelDialogs.h"
#include "Messages.h"
#include "ModalDialog.h"
#include "PagePlacement.h"
#include "ProgramArt.h"
#include "ProgramFolder.h"
#include "ProgramStyle.h"
#include "ReportPrinter.h"
#include "ScreenFit.h"
#include "SettingsFile.h"
#include "SplashForm.h"
#include "Templates.h"
#include "ToolSpeedButton.h"
#include "WPRichText.h"
#include "WPToolBar.h"
#include "WindowPlacement.h"
#include "ZoomSteps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <cmath>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int hintDelayMs = 1200;
// The longest the printer check waits for the first page to be painted.
constexpr int printerCheckLatestMs = 2000;
constexpr int pageMargin = 5;

} // namespace

TCalendarMain::TCalendarMain(TPrinterQuery printers, QWidget *parent)
    : QMainWindow(parent), m_printers(std::move(printers))
{
    // Without settings the program runs for the first time here.
    m_firstStart = !QFileInfo::exists(SettingsFileName());
    setObjectName(u"CalendarMain"_s);
    setWindowTitle(u"Datewright"_s);
    setWindowIcon(ProgramIcon());
    QFont font(u"Arial"_s);
    font.setPixelSize(11);
    setFont(font);
    CreateMenus();
    CreateToolRow();
    CreatePageArea();
    InstallMainLabelDialogs(*this);
    resize(635, 378 + menuBar()->sizeHint().height());
    FormCreate();
    ConnectCommands();
    InstallImageTool(*this);
    // The two windows that live as long as this one, made after it.
    IconPalette = new TFloatingPalette(this);
    connect(IconPalette, &TFloatingPalette::Hidden, this, &TCalendarMain::SetButtons);
    FlatCalendarEditor = new TFlatCalendarEditor(this);
    HookFlatCalendarEditor();
}

TCalendarMain::~TCalendarMain()
{
    // The palette outlives this window's own part while it is destroyed.
    IconPalette->disconnect(this);
    TLumFlatCalendar::SetEditor({});
    qApp->removeEventFilter(this);
    ShowNormalCursor();
}

TReportPrinter &TCalendarMain::ReportPrinter1()
{
    if (!m_reportPrinter) {
        m_reportPrinter = std::make_unique<TReportPrinter>();
        m_reportPrinter->SetStatusFormat(tr("Printing page %p"));
        m_reportPrinter->SetUnitsFactor(1.0);
        m_reportPrinter->SetOrientation(poPortrait);
        m_reportPrinter->SetScaleX(100);
        m_reportPrinter->SetScaleY(100);
        m_reportPrinter->OnPrint = [this](TReportPrinter &report) { ReportPrinter1Print(report); };
    }
    return *m_reportPrinter;
}

void TCalendarMain::FormCreate()
{
    ShowBusyCursor();
    ZoomBusy = false;
    m_session.SetPrinted(false);
    m_session.SetFileName(QString());
    m_session.SetNewDocument(false);
    m_session.SetCellLoaded(false);
    CalendarPanel->ShowPage(false);
    CalendarPanel->move(pageMargin, pageMargin);
    Starting = true;
    m_session.SetCurrentCell(0);
    // Painting waits until the start-up is complete.
    CalendarPanel->HoldPainting(true);
    LoadPreferences();
    SetModified(false);
    CreateRecoveryTimer();
    ResetHistory(true);
    CalendarPanel->SetZoom(PercentToScale(Preferences.MainZoomPercent));
    CalendarPage->SetCalendarLayout(LOFullCalendarLS);
    CreateRecentFiles();
    SetHintDelay(hintDelayMs);
    qApp->installEventFilter(this);
    ConvertLegacyRecurringDates();
    mnuOnLine->menuAction()->setVisible(true);
}

void TCalendarMain::CreateRecentFiles()
{
    MRUFileList = new TMRUFileList(this);
    MRUFileList->setObjectName(u"MRUFileList"_s);
    MRUFileList->SetMaximum(5);
    MRUFileList->SetRemoveOnClick(true);
    MRUFileList->SetUseSubmenu(false);
    MRUFileList->SetSubmenuName(tr("Reopen"));
    MRUFileList->SetFileMenu(FileMenu);
    MRUFileList->SetOnMRUItemClick(
        [this](TMRUFileList *, const QString &fileName) { RecentFileClick(fileName); });
    MRUFileList->SetAutoSave(false);
    MRUFileList->SetAutoSaveName(SettingsFileName());
    MRUFileList->SetAutoSaveKey(u"MRU"_s);
    MRUFileList->LoadFromIni();
}

void TCalendarMain::FormActivate()
{
    if (!Starting)
        return;
    ShowBusyCursor();
    IconPalette->ShowLibrary(Preferences.IconFileName);
    SizeForFirstStart();
    RestorePlacement(*this);
    show();
    KeepFrameOnScreen(*this);
    CalendarPage->ResetStyle();
    // A file the program was given to open takes the place of the most
    // recent document; it is opened once the start-up is over.
    const QStringList recent = MRUFileList->Files();
    if (m_givenFile.isEmpty() && !recent.isEmpty() && QFileInfo::exists(recent.first()))
        OpenCalendarFile(recent.first());
    QApplication::processEvents();
    // Without a document to reopen, a new calendar of this month is open,
    // untitled and unchanged, so that the first click already works.
    CalendarPanel->ShowPage(true);
    QApplication::processEvents();
    SetModified(false);
    ResetHistory(true);
    Starting = false;
    OfferRecovery();
    SetButtons();
    SetCaption();
    ShowNormalCursor();
    CheckFloaterStatus();
    if (Preferences.IconToolVisible)
        IconPalette->show();
    SetButtons();
    CalendarPanel->HoldPainting(false);
    CalendarPanel->update();
    // Asking the print system can take a while, so it is asked once the
    // page is on screen; printing stays off until it has answered. A page
    // that is not painted soon (a minimised window) does not hold the answer
    // back for long. A given file may paint the page while it opens.
    connect(this, &TCalendarMain::FirstPagePainted, this, &TCalendarMain::CheckPrinter,
            Qt::SingleShotConnection);
    QTimer::singleShot(printerCheckLatestMs, this, &TCalendarMain::CheckPrinter);
    if (!m_givenFile.isEmpty())
        OpenGivenFile(std::exchange(m_givenFile, QString()));
    if (m_firstStart)
        AfterModalDialogs(this, [this] { OfferTemplatesOnFirstStart(); });
}

void TCalendarMain::OfferTemplatesOnFirstStart()
{
    // A document given to open, or one opened meanwhile, is what the user
    // wants to see; Cancel leaves the new page as it is.
    if (!m_session.Untitled() || m_session.Modified() || TemplateNames(ProgramFolder()).isEmpty())
        return;
    OfferTemplates();
}

void TCalendarMain::CheckPrinter()
{
    if (PrinterChecked)
        return;
    // Marked first: the check's own message box runs an event loop, in which
    // the other trigger of the check may fire.
    PrinterChecked = true;
    PrinterAvailable = CheckDefaultPrinter(m_printers);
    SetButtons();
}

void TCalendarMain::SetModified(bool Value)
{
    if (Value)
        ScheduleRecord();
    ShowModified(Value);
}

void TCalendarMain::ShowModified(bool Value)
{
    m_session.SetModified(Value);
}

void TCalendarMain::CalendarPanelDroppedObjectEvent(const TRect &)
{
    SetModified(true);
    ToolButtons->button(psPointing)->setChecked(true);
}

void TCalendarMain::CalendarPanelLabelChangedEvent()
{
    SetModified(true);
}

bool TCalendarMain::EditorHasFocus() const
{
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == WPRichText1 || WPRichText1->isAncestorOf(focus));
}

bool TCalendarMain::CellsFollowDate() const
{
    return CalendarPanel->PageShown() && CalendarPage->CellsFollowDate();
}

void TCalendarMain::SetButtons()
{
    TButtonState state;
    state.PageVisible = CalendarPanel->PageShown();
    state.CellsFollowDate = CellsFollowDate();
    state.HasDocumentFile = !m_session.Untitled();
    state.EditorHasFocus = EditorHasFocus();
    state.PrinterAvailable = PrinterAvailable;
    state.Modified = m_session.Modified();
    state.PaletteOnScreen = IconPalette && IconPalette->isVisible();
    const TButtonFlags flags = ButtonFlags(state);

    for (const auto &[command, rule] : m_enabledBy)
        command->setEnabled(flags.*rule);
    ShowHideIconTool->setEnabled(flags.CellCommands);
    WPToolBar1->setEnabled(flags.RichTextToolBar);
    for (QToolButton *button : {PropertiesButton, ZoomMinusButton, ZoomPlusButton})
        button->setEnabled(flags.PageCommands);
    Printbutton->setEnabled(flags.Print);
    Savebutton->setVisible(flags.SaveButtonVisible);
    CancelButton->setVisible(flags.CancelButtonVisible);
    ShowHideIconTool->setText(flags.IconToolCaption);
    EnableEditCommands();
}

void TCalendarMain::SetCaption()
{
    setWindowTitle(MainCaption(m_session.FileName(), CalendarPanel->Zoom()));
    QApplication::processEvents();
}

void TCalendarMain::CheckFloaterStatus()
{
    if (!CellsFollowDate()) {
        Preferences.IconToolVisible = false;
        IconPalette->hide();
    } else if (Preferences.IconToolVisible && !IconPalette->isVisible()) {
        IconPalette->show();
    }
}

void TCalendarMain::ShowHideIconToolClick()
{
    const bool show = !IconPalette->isVisible();
    IconPalette->setVisible(show);
    Preferences.IconToolVisible = show;
    SetButtons();
}

void TCalendarMain::LoadPreferences()
{
    Preferences = ::LoadPreferences(SettingsFileName());
    Command(u"mnuShowHint"_s)->setChecked(Preferences.HintsOn);
}

void TCalendarMain::SavePreferences()
{
    // The palette may not exist yet while the window is being made.
    if (IconPalette) {
        Preferences.IconFileName = IconPalette->LibraryFileName().isEmpty()
                                       ? Preferences.IconFileName
                                       : IconPalette->LibraryFileName();
        Preferences.IconToolVisible = IconPalette->isVisible();
    }
    Preferences.HintsOn = Command(u"mnuShowHint"_s)->isChecked();
    ::SavePreferences(Preferences, SettingsFileName());
}

void TCalendarMain::ZoomPlusButtonClick()
{
    ZoomStep(&ZoomInStep);
}

void TCalendarMain::ZoomMinusButtonClick()
{
    ZoomStep(&ZoomOutStep);
}

void TCalendarMain::ZoomBy(int step)
{
    if (step > 0)
        ZoomPlusButtonClick();
    else
        ZoomMinusButtonClick();
}

void TCalendarMain::ZoomStep(std::optional<float> (*step)(float scale))
{
    if (ZoomBusy)
        return;
    ZoomBusy = true;
    const auto clearBusy = qScopeGuard([this] { ZoomBusy = false; });
    const std::optional<float> scale = step(CalendarPanel->Zoom());
    if (!scale)
        return;
    // The cell being edited is stored, and opened again at the new zoom with
    // the caret where it was, so typing goes on.
    const int editedCell = m_session.CellEditing() ? m_session.CurrentCell() : 0;
    const int caret = WPRichText1->CaretPosition();
    DoSaveRichtext();
    QApplication::processEvents();
    CalendarPanel->SetZoom(*scale);
    SetCaption();
    if (editedCell != 0) {
        RecordDrawingGeometry(*CalendarPage);
        CalendarPage->RaiseCellEvent(editedCell);
        WPRichText1->SetCaretPosition(caret);
    }
}

void TCalendarMain::mnuShowHintClick()
{
    Command(u"mnuShowHint"_s)->setChecked(!Preferences.HintsOn);
    Preferences.HintsOn = Command(u"mnuShowHint"_s)->isChecked();
    SavePreferences();
}

void TCalendarMain::About1Click()
{
    TSplashform about(this);
    CenterForm(about);
    ExecModal(about);
}

void TCalendarMain::Contents1Click()
{
    ShowHelpContents();
}

void TCalendarMain::VisitOurInternetW1Click()
{
    const QUrl website(u"https://datewright.org/"_s);
    // Without a browser to show it nothing would seem to happen.
    if (!OpenWebAddress(website))
        ShowInformation(tr("No web browser could be started to show %1.\r\nPlease open it "
                           "in your browser.")
                            .arg(website.toString()));
}

void TCalendarMain::Exit1Click()
{
    close();
}

void TCalendarMain::BringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

bool TCalendarMain::FormCloseQuery()
{
    return CheckSaveNeeded();
}

void TCalendarMain::FormClose()
{
    Preferences.MainZoomPercent = ScaleToPercent(CalendarPanel->Zoom());
    SavePreferences();
    SavePlacement(*this);
    IconPalette->hide();
    hide();
}

void TCalendarMain::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    // Saved, or the changes were let go: the copy is no longer wanted.
    RemoveRecoveryCopy();
    event->accept();
}

void TCalendarMain::ShowBusyCursor()
{
    if (m_busyCursorShown)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_busyCursorShown = true;
}

void TCalendarMain::ShowNormalCursor()
{
    if (!m_busyCursorShown)
        return;
    QApplication::restoreOverrideCursor();
    m_busyCursorShown = false;
}

void TCalendarMain::RepairCursor()
{
    const QCursor *cursor = QApplication::overrideCursor();
    if (cursor && cursor->shape() != Qt::ArrowCursor && cursor->shape() != Qt::DragCopyCursor)
        ShowNormalCursor();
}

void TCalendarMain::SizeForFirstStart()
{
    layout()->activate();
    const QSize chrome = size() - ScrollBox2->viewport()->size();
    const double scale = CalendarPanel->Zoom();
    const QSize pageAt100(int(std::lrint(CalendarPanel->width() / scale)),
                          int(std::lrint(CalendarPanel->height() / scale)));
    resize(FirstStartWindowSize(pageAt100, pageMargin, chrome, size(),
                                screen()->availableGeometry().size()));
}

void TCalendarMain::PlacePageInView()
{
    const TPagePlacement placed =
        PlacePage(CalendarPanel->size(), ScrollBox2->viewport()->size(), pageMargin);
    const QPoint moved = placed.PagePos - CalendarPanel->pos();
    ScrollBox2->widget()->resize(placed.Contents);
    CalendarPanel->move(placed.PagePos);
    WPRichText1->move(WPRichText1->pos() + moved);
}

void TCalendarMain::ConnectCommands()
{
    connect(PropertiesButton, &QToolButton::clicked, this, &TCalendarMain::mnuPropertiesClick);
    connect(CancelButton, &QToolButton::clicked, this, &TCalendarMain::mnuCancelChangesClick);
    connect(Printbutton, &QToolButton::clicked, this, &TCalendarMain::mnuPrintCalendarClick);
    connect(ZoomPlusButton, &QToolButton::clicked, this, &TCalendarMain::ZoomPlusButtonClick);
    connect(ZoomMinusButton, &QToolButton::clicked, this, &TCalendarMain::ZoomMinusButtonClick);
    connect(ShowHideIconTool, &QToolButton::clicked, this, &TCalendarMain::ShowHideIconToolClick);
    connect(Savebutton, &QToolButton::clicked, this, &TCalendarMain::mnuSaveClick);
    connect(&m_session, &TDocumentSession::ModifiedChanged, this, &TCalendarMain::SetButtons);
    // The session's tool is the page view's: the tool row chooses it, and the
    // view returns to pointing once a creation drag is over.
    connect(ToolButtons, &QButtonGroup::idClicked, &m_session,
            [this](int state) { m_session.SetTool(TLPanelState(state)); });
    connect(&m_session, &TDocumentSession::ToolChanged, CalendarPanel, &TCalendarPanel32::SetTool);
    connect(CalendarPanel, &TCalendarPanel32::ToolChanged, &m_session, &TDocumentSession::SetTool);
    // The tool row shows the view's tool, also once a creation drag is over.
    connect(CalendarPanel, &TCalendarPanel32::ToolChanged, this, [this](TLPanelState state) {
        if (QAbstractButton *tool = ToolButtons->button(int(state)))
            tool->setChecked(true);
    });
    CalendarPage->DroppedObjectEvent = [this](const TRect &r) {
        CalendarPanelDroppedObjectEvent(r);
    };
    CalendarPage->LabelChangedEvent = [this] { CalendarPanelLabelChangedEvent(); };
    ConnectCellEditor();
    ConnectUndo();
    ConnectEditCommands();
}
