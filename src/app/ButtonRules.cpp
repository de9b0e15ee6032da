#include "ButtonRules.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

TButtonFlags ButtonFlags(const TButtonState &state)
{
    TButtonFlags flags;
    flags.CellCommands = state.CellsFollowDate;
    // A new calendar is saved too: Save then asks for its name.
    flags.Save = state.PageVisible || state.HasDocumentFile;
    flags.RichTextToolBar = state.PageVisible && state.EditorHasFocus;
    flags.PageCommands = state.PageVisible;
    flags.Print = state.PageVisible && state.PrinterAvailable;
    flags.CancelChanges = state.PageVisible && state.HasDocumentFile;
    flags.SaveButtonVisible = state.Modified;
    flags.CancelButtonVisible = state.Modified && state.HasDocumentFile;
    flags.IconToolCaption = state.PaletteOnScreen
                                ? QCoreApplication::translate("TCalendarMain", "Hide Icon Tool")
                                : QCoreApplication::translate("TCalendarMain", "Show Icon Tool");
    return flags;
}
