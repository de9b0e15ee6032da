// The commands of a design panel: the clipboard, alignment, stacking order,
// locks and selectability, the font, and the context menu offering them.

#include "DesignView.h"
#include "LumBasePanel.h"
#include "LumGraphicControl.h"
#include "LumLabelObjectFiler.h"
#include "Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr qint64 PasteRepeatMs = 1000;

void TellWriteFailed(const QString &fileName, const QString &error)
{
    ShowInformation(
        QCoreApplication::translate("DesignMenu", "Unable to write the clipboard file %1: %2")
            .arg(QDir::toNativeSeparators(fileName), error));
}

} // namespace

bool TLumBasePanel::WriteSelectionToClipboard()
{
    if (m_objects.Selection().isEmpty())
        return false;
    const QString fileName = ClipboardFileName();
    if (const auto error = TLumLabelObjectFiler(*this).WriteSelection(fileName)) {
        TellWriteFailed(fileName, *error);
        return false;
    }
    return true;
}

void TLumBasePanel::DeleteSelection()
{
    const TViewBatch batch(*this);
    const QList<TLumGraphicControl *> selection = m_objects.Selection();
    for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
        FreeObject(**it);
        NotifyLabelChanged();
    }
}

void TLumBasePanel::PasteFromClipboard()
{
    const qint64 now = TickCount();
    // Ctrl+V held down repeats: one paste a second at most.
    if (m_lastPasteTick != 0 && now - m_lastPasteTick < PasteRepeatMs)
        return;
    const TViewBatch batch(*this);
    TLumLabelObjectFiler filer(*this);
    filer.SetOffsetObjects(true);
    if (filer.ReadObjects(ClipboardFileName()).isEmpty())
        return;
    HookAllObjects();
    NotifyLabelChanged();
    m_lastPasteTick = TickCount();
}

void TLumBasePanel::ClipboardAction(TClipboardAction Action)
{
    switch (Action) {
    case caCopy:
        WriteSelectionToClipboard();
        break;
    case caCut:
        // Nothing is deleted that was not safely written.
        if (WriteSelectionToClipboard())
            DeleteSelection();
        break;
    case caDelete:
        DeleteSelection();
        break;
    case caPaste:
        PasteFromClipboard();
        break;
    }
}

void TLumBasePanel::ObjectClipboardAction(TLumGraphicControl &Object, TClipboardAction Action)
{
    if (m_objects.IsSelected(&Object)) {
        ClipboardAction(Action);
        return;
    }
    const QString fileName = ClipboardFileName();
    const auto writeObject = [&] {
        const auto error = TLumLabelObjectFiler(*this).WriteObject(Object, fileName);
        if (error)
            TellWriteFailed(fileName, *error);
        return !error;
    };
    switch (Action) {
    case caCopy:
        writeObject();
        break;
    case caCut:
        if (writeObject())
            FreeObject(Object);
        break;
    case caDelete:
        NotifyLabelChanged();
        FreeObject(Object);
        break;
    case caPaste:
        ClipboardAction(caPaste);
        break;
    }
}

void TLumBasePanel::AlignLeft()
{
    const QList<TLumGraphicControl *> &selection = m_objects.Selection();
    if (selection.isEmpty())
        return;
    NotifyLabelChanged();
    int m = Width();
    for (const TLumGraphicControl *object : selection)
        m = std::min(m, object->Left());
    for (TLumGraphicControl *object : selection)
        object->SetLeft(m);
}

void TLumBasePanel::AlignRight()
{
    const QList<TLumGraphicControl *> &selection = m_objects.Selection();
    if (selection.isEmpty())
        return;
    NotifyLabelChanged();
    int m = 0;
    for (const TLumGraphicControl *object : selection)
        m = std::max(m, object->Left() + object->Width());
    for (TLumGraphicControl *object : selection)
        object->SetLeft(m - object->Width());
}

void TLumBasePanel::AlignTops()
{
    const QList<TLumGraphicControl *> &selection = m_objects.Selection();
    if (selection.isEmpty())
        return;
    NotifyLabelChanged();
    int m = Height();
    for (const TLumGraphicControl *object : selection)
        m = std::min(m, object->Top());
    for (TLumGraphicControl *object : selection)
        object->SetTop(m);
}

void TLumBasePanel::AlignBottoms()
{
    const QList<TLumGraphicControl *> &selection = m_objects.Selection();
    if (selection.isEmpty())
        return;
    NotifyLabelChanged();
    int m = 0;
    for (const TLumGraphicControl *object : selection)
        m = std::max(m, object->Top() + object->Height());
    for (TLumGraphicControl *object : selection)
        object->SetTop(m - object->Height());
}

void TLumBasePanel::CenterVertically()
{
    if (m_objects.Selection().isEmpty())
        return;
    NotifyLabelChanged();
    for (TLumGraphicControl *object : m_objects.Selection())
        object->CenterVertically();
}

void TLumBasePanel::CenterHorizontally()
{
    if (m_objects.Selection().isEmpty())
        return;
    NotifyLabelChanged();
    for (TLumGraphicControl *object : m_objects.Selection())
        object->CenterHorizontally();
}

void TLumBasePanel::BringToFront()
{
    if (m_objects.Selection().isEmpty() || m_handle.Locked())
        return;
    m_handle.BringSelectionToFront();
    NotifyLabelChanged();
}

void TLumBasePanel::SendToBack()
{
    if (m_objects.Selection().isEmpty() || m_handle.Locked())
        return;
    m_handle.SendSelectionToBack();
    m_handle.Clear();
    NotifyLabelChanged();
}

void TLumBasePanel::LockAll()
{
    for (TLumGraphicControl *object : m_objects.Objects())
        object->SetLocked(true);
}

void TLumBasePanel::UnlockAll()
{
    for (TLumGraphicControl *object : m_objects.Objects())
        object->SetLocked(false);
}

void TLumBasePanel::MarkAllSelectable()
{
    for (TLumGraphicControl *object : m_objects.Objects())
        object->SetUnselectable(false);
}

void TLumBasePanel::MarkAllUnselectable()
{
    const TViewBatch batch(*this);
    for (TLumGraphicControl *object : m_objects.Objects())
        object->SetUnselectable(true);
}

void TLumBasePanel::SelectAll()
{
    const TViewBatch batch(*this);
    if (!m_objects.IsEmpty())
        m_handle.Clear();
    for (TLumGraphicControl *object : m_objects.Objects())
        m_handle.Add(object);
}

void TLumBasePanel::ChooseFont()
{
    if (m_objects.Selection().isEmpty() || !m_view)
        return;
    const std::optional<TFontDesc> font = m_view->ChooseFont(m_font);
    if (!font)
        return;
    // A copy: applying a font may change the selection.
    const QList<TLumGraphicControl *> selection = m_objects.Selection();
    for (TLumGraphicControl *object : selection) {
        if (m_objects.Contains(object)) {
            object->ApplyFont(*font);
            InvalidateObject(object->Bounds());
        }
    }
}

TDesignMenu TLumBasePanel::PanelMenu()
{
    const bool selected = !m_objects.Selection().isEmpty();
    const bool objects = !m_objects.IsEmpty();
    const bool clipboard = QFileInfo(ClipboardFileName()).isFile();
    const auto item = [this](const QString &caption, void (TLumBasePanel::*command)(),
                             bool enabled) {
        return MenuCommand(
            caption, [this, command] { (this->*command)(); }, enabled);
    };
    const auto clip = [this](const QString &caption, TClipboardAction action, bool enabled) {
        return MenuCommand(
            caption, [this, action] { ClipboardAction(action); }, enabled);
    };
    TDesignMenu menu = MenuHead ? MenuHead() : TDesignMenu();
    menu.append(TDesignMenu{
        item(QCoreApplication::translate("DesignMenu", "Bring To Front"),
             &TLumBasePanel::BringToFront, selected),
        item(QCoreApplication::translate("DesignMenu", "Send To Back"), &TLumBasePanel::SendToBack,
             selected),
        MenuSeparator(),
        clip(QCoreApplication::translate("DesignMenu", "Cut"), caCut, selected),
        clip(QCoreApplication::translate("DesignMenu", "Copy"), caCopy, selected),
        clip(QCoreApplication::translate("DesignMenu", "Paste"), caPaste, clipboard),
        MenuSeparator(),
        clip(QCoreApplication::translate("DesignMenu", "Delete"), caDelete, selected),
        MenuSeparator(),
        item(QCoreApplication::translate("DesignMenu", "Align Left"), &TLumBasePanel::AlignLeft,
             selected),
        item(QCoreApplication::translate("DesignMenu", "Align Right"), &TLumBasePanel::AlignRight,
             selected),
        item(QCoreApplication::translate("DesignMenu", "Align Tops"), &TLumBasePanel::AlignTops,
             selected),
        item(QCoreApplication::translate("DesignMenu", "Align Bottoms"),
             &TLumBasePanel::AlignBottoms, selected),
        MenuSeparator(),
        item(QCoreApplication::translate("DesignMenu", "Center Vertically"),
             &TLumBasePanel::CenterVertically, selected),
        item(QCoreApplication::translate("DesignMenu", "Center Horizontally"),
             &TLumBasePanel::CenterHorizontally, selected),
        MenuSeparator(),
        item(QCoreApplication::translate("DesignMenu", "Lock All"), &TLumBasePanel::LockAll,
             objects),
        item(QCoreApplication::translate("DesignMenu", "Unlock All"), &TLumBasePanel::UnlockAll,
             objects),
        MenuSeparator(),
        item(QCoreApplication::translate("DesignMenu", "Mark All Selectable"),
             &TLumBasePanel::MarkAllSelectable, true),
        item(QCoreApplication::translate("DesignMenu", "Mark All Unselectable"),
             &TLumBasePanel::MarkAllUnselectable, true),
        item(QCoreApplication::translate("DesignMenu", "Select All"), &TLumBasePanel::SelectAll,
             true),
        MenuSeparator(),
        item(QCoreApplication::translate("DesignMenu", "Font"), &TLumBasePanel::ChooseFont,
             selected),
    });
    return menu;
}

void TLumBasePanel::OpenPanelMenu(QPoint At)
{
    PopupMenu(PanelMenu(), At);
}

void TLumBasePanel::OpenObjectMenu(TLumGraphicControl &Object, QPoint At)
{
    PopupMenu(Object.Menu(), At);
}
