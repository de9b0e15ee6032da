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
    connect(mnuCut, &QAction::triggered, this, &TCalendarMain::CutClick);
    connect(mnuCopy, &QAction::triggered, this, &TCalendarMain::CopyClick);
    connect(mnuPaste, &QAction::triggered, this, &TCalendarMain::PasteClick);
    connect(mnuDelete, &QAction::triggered, this, &TCalendarMain::DeleteClick);
    connect(mnuSelectAll, &QAction::triggered, this, &TCalendarMain::SelectAllClick);
    connect(EditMenu, &QMenu::aboutToShow, this, &TCalendarMain::ShowEditCommands);
    connect(EditMenu, &QMenu::aboutToHide, this, &TCalendarMain::EnableEditCommands);
    EnableEditCommands();
}

bool TCalendarMain::EditingCellText() const
{
    return CellEditing && WPRichText1->isVisible();
}

void TCalendarMain::ShowEditCommands()
{
    if (!CalendarPanel->Visible())
        return;
    bool selected = !CalendarPanel->Objects().Selection().isEmpty();
    bool pasteable = QFileInfo::exists(CalendarPanel->ClipboardFileName());
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
        command->setEnabled(CalendarPanel->Visible());
}

void TCalendarMain::CutClick()
{
    if (EditingCellText())
        WPRichText1->Cut();
    else
        CalendarPanel->ClipboardAction(caCut);
}

void TCalendarMain::CopyClick()
{
    if (EditingCellText())
        WPRichText1->Copy();
    else
        CalendarPanel->ClipboardAction(caCopy);
}

void TCalendarMain::PasteClick()
{
    if (EditingCellText())
        WPRichText1->Paste();
    else
        CalendarPanel->ClipboardAction(caPaste);
}

void TCalendarMain::DeleteClick()
{
    if (EditingCellText())
        WPRichText1->DeleteSelection();
    else
        CalendarPanel->ClipboardAction(caDelete);
}

void TCalendarMain::SelectAllClick()
{
    if (EditingCellText())
        WPRichText1->SelectAll();
    else
        CalendarPanel->SelectAll();
}
