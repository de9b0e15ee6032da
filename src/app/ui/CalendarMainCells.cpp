// Editing a day cell in place with the cell editor over the page, and icons
// dropped into cells.

#include "CalendarMain.h"
#include "CalendarPanel32.h"
#include "DefaultEditorFont.h"
#include "IconDrag.h"
#include "Numbers.h"
#include "Ppi.h"
#include "WPRichText.h"
#include "WPToolBar.h"

#include <QApplication>
#include <QDropEvent>
#include <QPainter>

namespace {

constexpr int twipsPerInch = 1440;
constexpr QChar selectAllKey(1); // Ctrl+A

int PixelsToTwips(int pixels, int ppi)
{
    return Round(double(pixels) * twipsPerInch / ppi);
}

// The editor over a cell's text area, one pixel in from its top left, kept
// inside the cell so that the page's lines around it stay in sight.
QRect EditorRect(const TRect &total, const TRect &free)
{
    const QRect over(free.Left + 1, free.Top + 1, free.Right - free.Left + 1,
                     free.Bottom - free.Top + 1);
    const QRect cell(QPoint(total.Left, total.Top), QPoint(total.Right, total.Bottom));
    return over.intersected(cell);
}

} // namespace

void TCalendarMain::ConnectCellEditor()
{
    CalendarPage->ClickedInCellEvent = [this](const TRect &rTotal, const TRect &rFree, int iCell,
                                              int iDay, TWPRtfStorage &rtfstorage) {
        CalendarPanelClickedInCellEvent(rTotal, rFree, iCell, iDay, rtfstorage);
    };
    WPRichText1->OnEnter = [this] { WPRichText1Enter(); };
    WPRichText1->OnChange = [this] { WPRichText1Change(); };
    WPRichText1->OnKeyPress = [this](QChar &key) { WPRichText1KeyPress(key); };
    WPRichText1->OnDragOver = [this](QDragMoveEvent &event, bool &accept) {
        accept = WPRichText1DragOver(event.mimeData());
    };
    WPRichText1->OnDragDrop = [this](QDropEvent &event) { WPRichText1DragDrop(event.mimeData()); };
    CalendarPanel->setAcceptDrops(true);
}

void TCalendarMain::CalendarPanelClickedInCellEvent(const TRect &rTotal, const TRect &rFree,
                                                    int iCell, int, TWPRtfStorage &rtfstorage)
{
    m_session.SetCurrentCell(iCell);
    m_session.SetCellLoaded(false);
    DoSaveRichtext();
    m_session.BeginCellEdit(rtfstorage);
    // The text wraps at the cell's width: the editor's page is the cell.
    const int width = rFree.Right - rFree.Left + 1;
    const int height = rFree.Bottom - rFree.Top + 1;
    const int ppi = ScreenPpi();
    WPRichText1->SetPageSizeTwips(PixelsToTwips(width, ppi), PixelsToTwips(height, ppi));
    WPRichText1->SetZooming(Trunc(double(CalendarPanel->Zoom()) * 100));
    WPRichText1->Assign(rtfstorage.RtfText());
    WPRichText1->setGeometry(
        EditorRect(rTotal, rFree).translated(CalendarPanel->x(), CalendarPanel->y()));
    WPRichText1->raise();
    WPRichText1->show();
    WPRichText1->setFocus();
    m_session.SetCellLoaded(true);
}

void TCalendarMain::DoSaveRichtext()
{
    TWPRtfStorage *const edited = m_session.EditedCell();
    if (!edited)
        return;
    // A cell left as it was stays as it was, byte for byte: the editor's copy
    // carries the size of the cell on the screen, which the stored text need
    // not have.
    if (m_session.CellTyped()) {
        edited->SetRtfText(WPRichText1->RtfText());
        // Text typed into the cell becomes an undo step once it is in the page.
        ScheduleRecord();
    }
    WPRichText1->hide();
    // The cell shows its new text from the first line, over all the editor
    // covered.
    CalendarPanel->update();
    m_session.EndCellEdit();
    WPToolBar1->setEnabled(false);
}

void TCalendarMain::WPRichText1Enter()
{
    WPToolBar1->setEnabled(true);
    WPRichText1->SetWPToolBar(WPToolBar1);
    if (WPRichText1->IsEmpty())
        SetDefaultFontNow();
}

void TCalendarMain::WPRichText1Change()
{
    if (!m_session.NoteCellChange())
        return;
    SetModified(true);
    UpdateUndoCommands();
    // Typing reaches the page only when the editor closes; the recovery
    // copy takes the editor's text before that.
    NoteRecoverableChange();
}

void TCalendarMain::WPRichText1KeyPress(QChar &Key)
{
    if (Key != selectAllKey)
        return;
    WPRichText1->SelectAll();
    Key = QChar();
}

void TCalendarMain::SetDefaultFontNow()
{
    const int font = WPRichText1->FontIndexOf(Preferences.DefaultFontName);
    WPRichText1->SetCurrentAttributes(DefaultFontAttributes(
        WPRichText1->CurrentAttributes(), Preferences, font, WPRichText1->RtfText().Palette()));
}

bool TCalendarMain::CalendarPanelDragOver(int X, int Y, const QMimeData *Data) const
{
    return HasIcon(Data) && CalendarPage->PointInCell(X, Y);
}

void TCalendarMain::CalendarPanelDragDrop(int X, int Y, const QMimeData *Data)
{
    const QImage icon = IconFromMimeData(Data);
    if (icon.isNull())
        return;
    DoSaveRichtext();
    CalendarPage->ClickCellAt(X, Y);
    if (m_session.CellEditing())
        InsertIcon(icon);
    m_session.SetCurrentCell(CalendarPage->CellAt(X, Y));
}

bool TCalendarMain::WPRichText1DragOver(const QMimeData *Data) const
{
    return HasIcon(Data);
}

void TCalendarMain::WPRichText1DragDrop(const QMimeData *Data)
{
    const QImage icon = IconFromMimeData(Data);
    if (!icon.isNull() && m_session.CellEditing())
        InsertIcon(icon);
}

void TCalendarMain::InsertIcon(const QImage &icon)
{
    // The icon drawn on a bitmap of its own size, which the cell embeds.
    QImage bitmap(icon.size(), QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    {
        QPainter painter(&bitmap);
        painter.drawImage(0, 0, icon);
    }
    QApplication::processEvents();
    WPRichText1->InsertBitmap(bitmap);
    SetModified(true);
}

bool TCalendarMain::CalendarPanelDragEvent(QEvent &event)
{
    auto &drag = static_cast<QDropEvent &>(event);
    const QPoint at = drag.position().toPoint();
    // A drag of an icon is taken up as it enters, so that its moves follow;
    // each move, and the drop, is then taken only over a day cell.
    const bool accept = event.type() == QEvent::DragEnter
                            ? HasIcon(drag.mimeData())
                            : CalendarPanelDragOver(at.x(), at.y(), drag.mimeData());
    if (!accept) {
        drag.ignore();
        return true;
    }
    drag.acceptProposedAction();
    if (event.type() == QEvent::Drop)
        CalendarPanelDragDrop(at.x(), at.y(), drag.mimeData());
    return true;
}
