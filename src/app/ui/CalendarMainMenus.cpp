// The main window's menus: one table of every command with its object name,
// caption, keys, handler and the rule that enables it. Adding a command is
// its handler and one row here.

#include "ButtonRules.h"
#include "CalendarMain.h"
#include "LanguageMenu.h"
#include "WPRichText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

// One command of a menu, or a separator when it has no caption.
struct TCalendarMain::TCommandRow
{
    enum TMark { Plain, Checkable, Checked };
    QString Name;
    QString Caption = {};
    QList<QKeySequence> Keys = {};
    std::function<void(TCalendarMain &)> Run = {};
    // The rule of ButtonFlags that enables it; none when it is always
    // enabled, or when its own code enables it (Edit, Undo, Redo).
    bool TButtonFlags::*EnabledBy = nullptr;
    TMark Mark = Plain;
};

// A menu of the menu bar, the member that keeps it, and its commands.
struct TCalendarMain::TMenuRows
{
    QMenu *TCalendarMain::*Menu;
    QString Name;
    QString Caption;
    QList<TCommandRow> Commands;
};

namespace {

// The desktop's redo keys, and Ctrl+Y and Ctrl+Shift+Z whatever they are.
QList<QKeySequence> RedoKeys()
{
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::Redo);
    for (const QKeySequence &key :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}) {
        if (!keys.contains(key))
            keys.append(key);
    }
    return keys;
}

template <void (TWPRichText::*onText)(), TClipboardAction onObjects>
void EditCommand(TCalendarMain &window)
{
    window.EditClick(onText, onObjects);
}

} // namespace

// clang-format off
QList<TCalendarMain::TMenuRows> TCalendarMain::CommandTable()
{
    using W = TCalendarMain;
    using F = TButtonFlags;
    using Row = TCommandRow;
    return {
        {&W::FileMenu, u"FileMenu"_s, tr("&File"), {
            {u"New1"_s, tr("&New "), {}, &W::New1Click},
            {u"mnuNewFromTemplate"_s, tr("New from &Template..."), {}, &W::NewFromTemplateClick},
            {u"Open1"_s, tr("&Open"), {}, &W::Open1Click},
            {u"N3"_s},
            {u"mnuSave"_s, tr("&Save "), {QKeySequence(Qt::CTRL | Qt::Key_S)}, &W::mnuSaveClick, &F::Save},
            {u"mnuSaveAs"_s, tr("Save &As..."), {}, &W::mnuSaveAsClick, &F::PageCommands},
            {u"mnuSaveAsBitmap"_s, tr("Save As Bitmap File"), {}, &W::mnuSaveAsBitmapClick, &F::PageCommands},
            {u"mnuSaveAsJPG"_s, tr("Save As JPG File"), {}, &W::mnuSaveAsJPGClick, &F::PageCommands},
            {u"mnuSaveAsPNG"_s, tr("Save As PNG File"), {}, &W::mnuSaveAsPNGClick, &F::PageCommands},
            {u"mnuSaveAsPDF"_s, tr("Save As PDF File"), {}, &W::mnuSaveAsPDFClick, &F::PageCommands},
            {u"mnuSaveAsPDFForPrinting"_s, tr("Save As PDF for Printing..."), {}, &W::mnuSaveAsPDFForPrintingClick, &F::PageCommands},
            {u"N1"_s},
            {u"mnuProperties"_s, tr("&Properties"), {}, &W::mnuPropertiesClick, &F::PageCommands},
            {u"mnuUserTitle"_s, tr("User Defined Title"), {}, &W::mnuUserTitleClick, &F::CellCommands},
            {u"mnuCoverPage"_s, tr("Edit Co&ver Page"), {}, &W::mnuCoverPageClick, &F::PageCommands, Row::Checkable},
            {u"mnuCancelChanges"_s, tr("&Cancel Changes"), {}, &W::mnuCancelChangesClick, &F::CancelChanges},
            {u"mnuClearAllCellContents"_s, tr("Clear &All Cell Contents"), {}, &W::mnuClearAllCellContentsClick, &F::CellCommands},
            {u"DefaultEditorFont1"_s, tr("&Default Editor Font"), {}, &W::DefaultEditorFont1Click},
            {u"N7"_s},
            {u"mnuFillCalendarwithRecurringDates"_s, tr("Fill Calendar with Recurring Dates"), {}, &W::mnuFillCalendarwithRecurringDatesClick, &F::CellCommands},
            {u"mnuFillCalendarFromICalendar"_s, tr("Fill Calendar from iCalendar File..."), {}, &W::mnuFillCalendarFromICalendarClick, &F::CellCommands},
            {u"mnuEditrecurringDates"_s, tr("Edit Recurring Dates"), {}, &W::mnuEditrecurringDatesClick},
            {u"N5"_s},
            {u"mnuPrintCalendar"_s, tr("P&rint Calendar"), {}, &W::mnuPrintCalendarClick, &F::Print},
            {u"mnuPrintSetup"_s, tr("Print Set&up"), {}, &W::mnuPrintSetupClick, &F::PageCommands},
            {u"N2"_s},
            {u"Exit1"_s, tr("E&xit"), {}, &W::Exit1Click},
        }},
        {&W::EditMenu, u"EditMenu"_s, tr("&Edit"), {
            {u"mnuUndo"_s, tr("Undo"), {QKeySequence::Undo}, &W::UndoClick},
            {u"mnuRedo"_s, tr("Redo"), RedoKeys(), &W::RedoClick},
            {u"N8"_s},
            {u"mnuCut"_s, tr("Cu&t"), {QKeySequence::Cut}, &EditCommand<&TWPRichText::Cut, caCut>},
            {u"mnuCopy"_s, tr("&Copy"), {QKeySequence::Copy}, &EditCommand<&TWPRichText::Copy, caCopy>},
            {u"mnuPaste"_s, tr("&Paste"), {QKeySequence::Paste}, &EditCommand<&TWPRichText::Paste, caPaste>},
            {u"mnuDelete"_s, tr("&Delete"), {QKeySequence::Delete}, &EditCommand<&TWPRichText::DeleteSelection, caDelete>},
            {u"N9"_s},
            {u"mnuSelectAll"_s, tr("Select &All"), {QKeySequence::SelectAll}, &W::SelectAllClick},
        }},
        {&W::mnuOnLine, u"mnuOnLine"_s, tr("&Online"), {
            {u"VisitOurInternetW1"_s, tr("Visit Our Internet Website"), {}, &W::VisitOurInternetW1Click},
        }},
        {&W::Help1, u"Help1"_s, tr("&Help"), {
            {u"Contents1"_s, tr("&Contents"), {}, &W::Contents1Click},
            {u"About1"_s, tr("&About"), {}, &W::About1Click},
            {u"mnuShowHint"_s, tr("&Show Hints"), {}, &W::mnuShowHintClick, nullptr, Row::Checked},
        }},
    };
}
// clang-format on

void TCalendarMain::CreateMenus()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(u"MainMenu1"_s);
    for (const TMenuRows &rows : CommandTable()) {
        QMenu *menu = MainMenu1->addMenu(rows.Caption);
        menu->setObjectName(rows.Name);
        menu->menuAction()->setObjectName(rows.Name);
        this->*rows.Menu = menu;
        for (const TCommandRow &row : rows.Commands)
            AddCommand(*menu, row);
    }
    Help1->addMenu(new TLanguageMenu(Help1));
}

void TCalendarMain::AddCommand(QMenu &menu, const TCommandRow &row)
{
    QAction *item = row.Caption.isEmpty() ? menu.addSeparator() : menu.addAction(row.Caption);
    item->setObjectName(row.Name);
    m_commands.insert(row.Name, item);
    if (row.Caption.isEmpty())
        return;
    item->setShortcuts(row.Keys);
    item->setCheckable(row.Mark != TCommandRow::Plain);
    item->setChecked(row.Mark == TCommandRow::Checked);
    connect(item, &QAction::triggered, this, [this, run = row.Run] { run(*this); });
    if (row.EnabledBy)
        m_enabledBy.append({item, row.EnabledBy});
}

QAction *TCalendarMain::Command(const QString &name) const
{
    QAction *command = m_commands.value(name);
    if (!command)
        qFatal("The main window has no command %s", qPrintable(name));
    return command;
}

QMenu *TCalendarMain::Menu(const QString &name) const
{
    return MainMenu1->findChild<QMenu *>(name, Qt::FindDirectChildrenOnly);
}

QToolButton *TCalendarMain::Button(const QString &name) const
{
    return Panel3->findChild<QToolButton *>(name, Qt::FindDirectChildrenOnly);
}

TCalendarMainParts TCalendarMain::Parts() const
{
    return {CalendarPage, CalendarPanel, WPRichText1, WPToolBar1,  MASTERWPRICHTEXT,   ScrollBox2,
            Panel3,       ToolButtons,   Panel2,      IconPalette, FlatCalendarEditor, MRUFileList};
}
