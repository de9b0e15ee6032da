// The Edit menu: the clipboard commands and Select All act on the text of
// the day cell open in the editor, else on the placed objects of the page.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "WPRichText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>

void TCalendarMain::ConnectEditCommands()
{
    const std::pair<QAction *, std::pair<void (TWPRichText::*)(), TClipboardAction>> commands[] = {
        {mnuCut, {&TWPRichText::Cut, caCut}},
        {mnuCopy, {&TWPRichText::Copy, caCopy}},
        {mnuPaste, {&TWPRichText::Paste, caPaste}},
        {mnuDelete, {&TWPRichText::DeleteSelection, caDelete}},
    };
    for (const auto &[action, command] : commands) {
        connect(action, &QAction::triggered, this,
                [this, command = command] { EditClick(command.first, command.second); });
    }
    connect(mnuSelectAll, &QAction::triggered, this, &TCalendarMain::SelectAllClick);
    connect(EditMenu, &QMenu::aboutToShow, this, &TCalendarMain::ShowEditCommands);
    connect(EditMenu, &QMenu::aboutToHide, this, &TCalendarMain::EnableEditCommands);
    EnableEditCommands();
}

bool TCalendarMain::EditingCellText() const
{
    return m_session.CellEditing() && WPRichText1->isVisible();
}

void TCalendarMain::ShowEditCommands()
{
    if (!CalendarPage->Visible())
        return;
    bool selected = !CalendarPage->Objects().Selection().isEmpty();
    bool pasteable = QFileInfo::exists(CalendarPage->ClipboardFileName());
    if (EditingCellText()) {
        selected = WPRichText1->HasSelection();
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        pasteable = data && (data->hasText() || data->hasFormat(QStringLiteral("text/rtf")));
    }
    mnuCut->setEnabled(selected);
    mnuCopy->setEnabled(selected);
    mnuPaste->setEnabled(pasteable);
    mnuDelete->setEnabled(selected || EditingCellText());
}

void TCalendarMain::EnableEditCommands()
{
    for (QAction *command : {mnuCut, mnuCopy, mnuPaste, mnuDelete, mnuSelectAll})
        command->setEnabled(CalendarPage->Visible());
}

void TCalendarMain::EditClick(void (TWPRichText::*onText)(), TClipboardAction onObjects)
{
    if (EditingCellText())
        (WPRichText1->*onText)();
    else
        CalendarPage->ClipboardAction(onObjects);
}

void TCalendarMain::SelectAllClick()
{
    if (EditingCellText())
        WPRichText1->SelectAll();
    else
        CalendarPage->SelectAll();
}
