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

using namespace Qt::StringLiterals;

void TCalendarMain::ConnectEditCommands()
{
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
    if (!CalendarPanel->PageShown())
        return;
    bool selected = !CalendarPage->Objects().Selection().isEmpty();
    bool pasteable = QFileInfo::exists(CalendarPage->ClipboardFileName());
    if (EditingCellText()) {
        selected = WPRichText1->HasSelection();
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        pasteable = data && (data->hasText() || data->hasFormat(QStringLiteral("text/rtf")));
    }
    Command(u"mnuCut"_s)->setEnabled(selected);
    Command(u"mnuCopy"_s)->setEnabled(selected);
    Command(u"mnuPaste"_s)->setEnabled(pasteable);
    Command(u"mnuDelete"_s)->setEnabled(selected || EditingCellText());
}

void TCalendarMain::EnableEditCommands()
{
    for (const QString &name :
         {u"mnuCut"_s, u"mnuCopy"_s, u"mnuPaste"_s, u"mnuDelete"_s, u"mnuSelectAll"_s})
        Command(name)->setEnabled(CalendarPanel->PageShown());
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
