#pragma once

#include "ButtonRules.h"
#include "CellAppend.h"
#include "DesignTypes.h"
#include "DocumentSession.h"
#include "PictureExport.h"
#include "Preferences.h"
#include "PrintSheet.h"
#include "PrinterCheck.h"
#include "RecoveryFile.h"
#include "SetChoice.h"
#include "UndoHistory.h"

#include <QDesktopServices>
#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QAction;
class QButtonGroup;
class QImage;
class QLabel;
class QMimeData;
class QMenu;
class QMenuBar;
class QScrollArea;
class QTimer;
class QToolButton;
class QWheelEvent;
struct TDesignMenuItem;
using TDesignMenu = QList<TDesignMenuItem>;
class TCalendarPage;
class TCalendarPanel32;
class TFlatCalendarEditor;
class TFileFolder;
class TFloatingPalette;
class TMRUFileList;
class TReportPrinter;
class TWPRichText;
class TWPRtfStorage;
class TWPToolBar;
struct TDayLine;
struct TRect;

// The page, its view and the windows around it, as the main window has them.
struct TCalendarMainParts
{
    TCalendarPage *CalendarPage;
    TCalendarPanel32 *CalendarPanel;
    // The in-place cell editor, its toolbar, and the master renderer of
    // rich-text labels.
    TWPRichText *WPRichText1;
    TWPToolBar *WPToolBar1;
    TWPRichText *MASTERWPRICHTEXT;
    QScrollArea *ScrollBox2;
    // The tool row, its exclusive tool buttons, and the hidden picture panel.
    QWidget *Panel3;
    QButtonGroup *ToolButtons;
    QWidget *Panel2;
    TFloatingPalette *IconPalette;
    TFlatCalendarEditor *FlatCalendarEditor;
    TMRUFileList *MRUFileList;
};

// The main window: the menus, the rich-text toolbar, the tool row and the
// calendar page of the one open document with its in-place cell editor.
//
// Creating it runs FormCreate (settings, zoom, recent files, the key
// handler); its first activation, FormActivate, completes the start-up and
// reopens the most recent document, or else shows a new calendar of the
// current month. The page is visible exactly while a document is open.
class TCalendarMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TCalendarMain(TPrinterQuery printers = SystemPrinterQuery(),
                           QWidget *parent = nullptr);
    ~TCalendarMain() override;

    // The command or separator of the menus whose object name is name
    // ("mnuSave", "N3"); a name no command has is a fault of the program.
    QAction *Command(const QString &name) const;
    // A menu of the menu bar ("FileMenu") and a button of the tool row
    // ("Savebutton") by object name; none when there is none of the name.
    QMenu *Menu(const QString &name) const;
    QToolButton *Button(const QString &name) const;
    // The parts of the window that tests and tools look into.
    TCalendarMainParts Parts() const;

    // The printing component, made when first used.
    TReportPrinter &ReportPrinter1();

    // The document being worked on: its file, changed state, open cell and
    // tool; the window follows its changes.
    TDocumentSession &Session() { return m_session; }
    const TDocumentSession &Session() const { return m_session; }

    // State.
    bool Starting = false;
    bool PrinterAvailable = false;
    // Whether the print system has been asked since the start.
    bool PrinterChecked = false;
    bool ZoomBusy = false;
    // The user's settings (zoom, default editor font, icon palette, hints).
    TPreferences Preferences;

    void FormCreate();
    void FormActivate();
    // Asks the print system for a default printer, telling the user when
    // there is none, and enables printing when there is; once.
    void CheckPrinter();
    // Asks about unsaved changes; false when the window must stay open.
    bool FormCloseQuery();
    void FormClose();

    // Marks the document changed or not. Marking it changed also records,
    // once the command that changed it is over, an undo step of what changed.
    void SetModified(bool Value);
    // The undo steps of the open document.
    const TUndoHistory &History() const { return m_history; }
    // Names the undo step of the change being made (else it is named after
    // what changed).
    void NameChange(const QString &name);
    void UndoClick();
    void RedoClick();
    // Cut, Copy, Paste and Delete: the text command on the cell being
    // edited, else the clipboard action on the page's selected objects.
    void EditClick(void (TWPRichText::*onText)(), TClipboardAction onObjects);
    void SelectAllClick();

    // Recovery copies: how long after a change one is written, where they
    // are kept, and the file of this run (empty until one was written).
    static constexpr int RecoveryIntervalMs = 30000;
    void SetRecoveryFolder(const QString &folder);
    void SetRecoveryInterval(int milliseconds);
    QString RecoveryFileName() const;
    // Offers the recovery copies no running copy of the program holds, in
    // turn, until one is recovered; a damaged one is reported and set aside.
    void OfferRecovery();
    // The page reports a created object (the tool row shows the selection
    // tool again) and every change of its placed objects.
    void CalendarPanelDroppedObjectEvent(const TRect &r);
    void CalendarPanelLabelChangedEvent();
    void SetButtons();
    void SetCaption();
    void CheckFloaterStatus();
    void LoadPreferences();
    void SavePreferences();

    void ZoomPlusButtonClick();
    void ZoomMinusButtonClick();
    void ShowHideIconToolClick();
    void mnuShowHintClick();
    void About1Click();
    void Contents1Click();
    // Opens the program's web site in the desktop's browser; says so when
    // none could be started.
    void VisitOurInternetW1Click();
    // Shows a web address in the desktop's browser; false when none could be
    // started.
    std::function<bool(const QUrl &address)> OpenWebAddress = &QDesktopServices::openUrl;
    void Exit1Click();

    // The document.
    void New1Click();
    void Open1Click();
    // Reads the document at scale 1.0 and shows it at the zoom; false, after
    // telling the user, when it cannot be read: the calendar open before
    // then stays as it was.
    // A template opens untitled and changed, as a new calendar.
    bool OpenCalendarFile(const QString &FileName, bool AsTemplate = false);
    // File > New from Template.
    void NewFromTemplateClick();
    // The template dialog; true when a template was chosen and opened.
    bool OfferTemplates();
    // On a first start, the templates instead of the empty page.
    void OfferTemplatesOnFirstStart();
    // An unattended start offers nothing.
    void KeepFirstStartQuiet() { m_firstStart = false; }
    // A file given to the program by a file manager or on its command line,
    // or passed on by a later copy: a calendar document is opened, a style
    // sheet begins a new calendar in its style, once unsaved changes were
    // offered for saving. Given before the first activation, it is opened in
    // place of the most recent document; while a dialog is open or a command
    // runs, once they are over.
    void OpenGivenFile(const QString &FileName);
    // Writes the document at scale 1.0; false, after telling the user, when
    // the file could not be written.
    bool SaveCalendarFile(const QString &FileName);
    // Save, also of the tool row's button: under the document's name, or,
    // for a calendar never saved, under a name the user chooses.
    void mnuSaveClick();
    // True when the document was written under the chosen name.
    bool mnuSaveAsClick();
    void mnuCancelChangesClick();
    // Offers to save unsaved changes. False when the user cancelled the
    // question, or wanted them saved and nothing was (the dialog cancelled,
    // the write failed): the command that asked must not go on and lose them.
    bool CheckSaveNeeded();
    void RecentFileClick(const QString &FileName);
    void mnuPropertiesClick();
    void mnuUserTitleClick();
    // Shows the cover of the document's set on the page to design it, or
    // the document's own page again (ShowMonthsPage).
    void mnuCoverPageClick();
    // Whether the page shown is the cover.
    bool EditingCover() const { return m_coverHistory != nullptr; }
    // The document's page again, the cover kept in its set: one undo step
    // when it changed. Every command that saves, prints or replaces the
    // document runs it first. Nothing when the cover is not shown.
    void ShowMonthsPage();
    void mnuClearAllCellContentsClick();
    void DefaultEditorFont1Click();
    // Makes the default editor font the editor's current attributes.
    void SetDefaultFontNow();

    // The recurring dates: their editor, and the fill of the page's month.
    void mnuEditrecurringDatesClick();
    void mnuFillCalendarwithRecurringDatesClick();
    void mnuFillCalendarFromICalendarClick();
    // Appends each line as a paragraph of its own to the cell of its day of
    // the page's month (the cells already edited stored first, the cell
    // last clicked opened again afterwards), and marks the document changed.
    void PuttextOnDays(const QList<TDayLine> &lines);

    // Printing: the set-up dialog alone, and the print job on the printer
    // chosen in it, the page's orientation winning over the dialog's. The
    // document's changed state stays as it was.
    void mnuPrintSetupClick();
    void mnuPrintCalendarClick();
    // Asks whether to print when a page margin lies in the printer's
    // unprintable margins; true when printing may go on.
    bool CheckPrinterMargins();
    // Draws the page at full size CopiesToPrint times, sheets apart; the
    // zoom, painting and scrolling are restored also when drawing fails.
    void ReportPrinter1Print(TReportPrinter &Report);

    // The page as a picture or a PDF file. The document's changed state
    // stays as it was: a picture of it was saved, not the document.
    void mnuSaveAsBitmapClick();
    void mnuSaveAsJPGClick();
    void mnuSaveAsPNGClick();
    void mnuSaveAsPDFClick();
    void mnuSaveAsPDFForPrintingClick();

    // What the PDF export and printing make (action names the button that
    // goes on: "Save", "Print"), asked in the set dialog; nothing when it was
    // cancelled. The dialog starts from the set the document keeps, else
    // from the last choice, from the page's period. The choice is kept with
    // the document (StoreSetChoice).
    std::optional<TSetChoice> AskCalendarSet(const QString &action);
    // Keeps choice with the document when it is a set or the document keeps
    // one already: one undo step, the document changed. Nothing when the
    // document keeps this choice already.
    void StoreSetChoice(const TSetChoice &choice);

    // Editing a day cell in place.
    void CalendarPanelClickedInCellEvent(const TRect &rTotal, const TRect &rFree, int iCell,
                                         int iDay, TWPRtfStorage &rtfstorage);
    // Stores the cell open in the editor back into the page, when its text
    // was changed, and ends the edit.
    void DoSaveRichtext();
    void WPRichText1Enter();
    void WPRichText1Change();
    void WPRichText1KeyPress(QChar &Key);

    // Icons dragged from an icon list: taken over a day cell of the page (in
    // page pixels at the zoom) and anywhere over the open cell editor.
    bool CalendarPanelDragOver(int X, int Y, const QMimeData *Data) const;
    void CalendarPanelDragDrop(int X, int Y, const QMimeData *Data);
    bool WPRichText1DragOver(const QMimeData *Data) const;
    void WPRichText1DragDrop(const QMimeData *Data);

    // The application-wide key handler: true when the key was consumed.
    bool HandleAppKey(QObject *receiver, const QKeyEvent &event);

    // Raises the window at another copy's request: restored when minimised,
    // else brought to the front.
    void BringToFront();

    // The busy cursor over the whole application, and back to normal.
    void ShowBusyCursor();
    void ShowNormalCursor();

signals:
    // The page was painted for the first time with a calendar on it.
    void FirstPagePainted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void customEvent(QEvent *event) override;

private:
    // The menus: File, Edit (undo and redo named after the change, the
    // clipboard commands and Select All, on the text of the cell being
    // edited, else on the page's placed objects), Online and Help.
    QMenuBar *MainMenu1;
    QMenu *FileMenu;
    QMenu *EditMenu;
    QMenu *mnuOnLine;
    QMenu *Help1;

    // The rich-text toolbar and the tool row.
    TWPToolBar *WPToolBar1;
    QWidget *Panel3;
    QToolButton *ZoomPlusButton, *ZoomMinusButton, *PropertiesButton, *Printbutton;
    QToolButton *ShowHideIconTool;
    // The tools, one button for each state of the page (TLPanelState).
    QButtonGroup *ToolButtons;
    QToolButton *Savebutton, *CancelButton;
    QToolButton *UndoButton, *RedoButton;
    TWPRichText *MASTERWPRICHTEXT;

    // The page area.
    QWidget *Panel1;
    QScrollArea *ScrollBox2;
    // The page on screen; it owns the document's page, CalendarPage.
    TCalendarPanel32 *CalendarPanel;
    TCalendarPage *CalendarPage;
    TWPRichText *WPRichText1;
    QWidget *Panel2;
    QLabel *SmartImage1, *Image1;

    // The windows that live as long as this one.
    TFloatingPalette *IconPalette;
    TFlatCalendarEditor *FlatCalendarEditor;
    TMRUFileList *MRUFileList;

    // Begins a new, untitled calendar of today in the style of the style
    // sheet FileName; when the sheet cannot be read, says so and leaves the
    // page as it was.
    void NewFromStyleSheet(const QString &FileName);

    // Undo and redo.
    void ConnectUndo();
    void ScheduleRecord();
    // Records the change once the command that made it is over.
    void RecordWhenCommandEnds();
    // Records the change made since the last step, if any, at once.
    void RecordChange();
    // The document on disk, or a new one, without steps.
    void ResetHistory(bool saved);
    // The document as it is now is the one on disk.
    void MarkSaved();
    // Shows the document changed or not, recording nothing.
    void ShowModified(bool Value);
    // After an undo or redo: the page, the changed state and the commands.
    void AfterUndoStep();
    void UpdateUndoCommands();
    TDesignMenu PageMenuHead();
    // The Edit menu.
    void ConnectEditCommands();
    // Whether the Edit commands act on the cell being edited.
    bool EditingCellText() const;
    // The commands the menu offers as things are now; all of them while it
    // is closed, so that their keys always reach the command.
    void ShowEditCommands();
    void EnableEditCommands();
    // Recovery.
    void CreateRecoveryTimer();
    void NoteRecoverableChange();
    void WriteRecoveryCopy();
    void RemoveRecoveryCopy();
    void SetAsideDamagedCopy(const QString &fileName, const QString &why);
    // Opens the copy's document, if it has one, and puts the copy's page on
    // it as a change.
    void Recover(const TRecoveryCopy &copy);

    // One zoom step to the scale step gives for the current one, if any.
    void ZoomStep(std::optional<float> (*step)(float scale));
    // One step in (1) or out (-1), as the zoom buttons do.
    void ZoomBy(int step);
    // Whether watched is the page's scroll box or inside it.
    bool IsInPageArea(QObject *watched) const;
    // Ctrl with the wheel zooms a step a notch; true when the wheel zoomed.
    bool CtrlWheelZoom(const QWheelEvent &event);
    // The menus' commands, menu by menu, and one command made from its row.
    struct TCommandRow;
    struct TMenuRows;
    static QList<TMenuRows> CommandTable();
    void CreateMenus();
    void AddCommand(QMenu &menu, const TCommandRow &row);
    void CreateToolRow();
    void CreatePageArea();
    void ConnectCommands();
    // Floating calendars' "Properties" open the long-lived editor.
    void HookFlatCalendarEditor();
    void CreateRecentFiles();
    void RepairCursor();
    // The window's size when no placement was stored: the whole page at
    // 100 % where the screen allows (a stored placement then overrides it).
    void SizeForFirstStart();
    // Centres the page in the scroll box where there is room, else leaves
    // it a margin from the edges; the open cell editor moves with it.
    void PlacePageInView();
    void NotePagePaint();
    bool EditorHasFocus() const;
    // Whether a page is shown whose day cells hold the days of its date.
    bool CellsFollowDate() const;
    void ConnectCellEditor();
    bool CalendarPanelDragEvent(QEvent &event);
    void InsertIcon(const QImage &icon);
    // The fill's steps once the recurring-dates file is known to exist.
    void FillFromRecurringDates();
    // Converts the older recurring-dates file when there is one.
    void ConvertLegacyRecurringDates();
    // Where file dialogs open: the open document's folder, else the last
    // folder a file was chosen in, else the user's Documents folder.
    QString FileDialogFolder() const;
    // Remembers the folder of a chosen file; an empty name changes nothing.
    void NoteFileFolder(const QString &fileName);
    // Remembers the folder a dialog's file prompts chose last, if any.
    void NoteChosenFolder(const TFileFolder &folder);
    // A save-file dialog starting in FileDialogFolder, proposing a name; the
    // chosen file or empty. filter may hold several file types separated by
    // ";;"; chosenType, when given, receives the one chosen.
    QString AskSaveFileName(const QString &dialogName, const QString &title, const QString &filter,
                            const QString &extension, const QString &proposed,
                            QString *chosenType = nullptr);
    // The page's month name for proposed file names.
    QString PageMonthName() const;
    // A picture export; kind names the file type ("Bitmap File"), offered at
    // the screen's resolution and at those for print.
    void SavePictureAs(const QString &dialogName, const QString &title, const QString &kind,
                       const QString &extension, TPictureKind format);
    // The page inside its margins as a picture file: as shown at the zoom
    // for dpi 0, else drawn at dpi dots per inch.
    bool SaveCalendarToBitmap(const QString &FileName, TPictureKind format, int dpi = 0);

    // The set choice makes of the document with its days filled; none,
    // after telling the user, when the fill cannot be read.
    std::unique_ptr<TCalendarSet> MakeCalendarSet(const TSetChoice &choice);
    // What a message adds about the pictures of set that could not be read.
    static QString UnreadPicturesNote(const TCalendarSet *set);
    // The font the filled days' text takes its defaults from.
    TDefaultFont DefaultFillFont();
    // Asks for the pages and the file, then writes them as one PDF: for a
    // print service with sheet, else on the page's own paper.
    void SaveAsPdf(const std::optional<TPrintSheet> &sheet);
    // Writes set as one PDF file, with progress; why it failed or stopped.
    // cancelled tells whether the user stopped it.
    std::optional<QString> SaveSetAsPdf(const TCalendarSet &set, const QString &fileName,
                                        bool &cancelled, const std::optional<TPrintSheet> &sheet);
    // Draws set's pages CopiesToPrint times, with progress; a cancel draws
    // no more pages and marks the job cancelled.
    void PrintSetPages(TReportPrinter &Report, const TCalendarSet &set);
    // After a print job was cancelled: removes output, the file the job
    // printed into, or, printing on a printer, tells the user.
    void EndCancelledPrint(const QString &output);

    TDocumentSession m_session;
    QHash<QString, QAction *> m_commands;
    // The commands ButtonFlags enables, each with its rule.
    QList<std::pair<QAction *, bool TButtonFlags::*>> m_enabledBy;
    TPrinterQuery m_printers;
    std::optional<TSetChoice> m_lastSetChoice;
    TPrintSheet m_lastPrintSheet;
    // The set the print job draws instead of the page.
    const TCalendarSet *m_printSet = nullptr;
    // Whether the user cancelled the print job's set.
    bool m_printCancelled = false;
    std::unique_ptr<TReportPrinter> m_reportPrinter;
    bool m_busyCursorShown = false;
    // The file given before the first activation, opened by it.
    QString m_givenFile;
    // No settings file was there when the window was made.
    bool m_firstStart = false;
    // The scroll area and the page's place follow the page and the view; not
    // while the page prints at full size.
    bool m_scrollFollowsPage = true;
    bool m_pagePainted = false;
    // The Ctrl+wheel turn not yet a whole notch.
    int m_wheelTurn = 0;
    TUndoHistory m_history;
    // While the cover is shown: its own undo history, the document's page put
    // aside as its bytes, whether the document was changed before, and the
    // cover's design as it was shown.
    std::unique_ptr<TUndoHistory> m_coverHistory;
    QByteArray m_monthsPage;
    bool m_monthsModified = false;
    QByteArray m_coverShown;
    // The history of the page shown.
    TUndoHistory &ActiveHistory() { return m_coverHistory ? *m_coverHistory : m_history; }
    void ShowCoverPage();
    // Puts the page of a document's bytes on the page shown, at its zoom.
    void ReplacePage(QByteArray bytes, bool cover);
    // Empties the page and reads a document into it at zoom 1 through read,
    // its objects hooked when read says it was read; whether it was.
    bool ReadIntoPage(const std::function<bool(TCalendarPage &)> &read);
    void AfterCoverSwitch();
    bool m_recordPending = false;
    QString m_changeName;
    QString m_recoveryFolder;
    QTimer *m_recoveryTimer = nullptr;
    std::unique_ptr<TRecoveryWriter> m_recovery;
};
