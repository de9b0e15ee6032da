// The editors of the placed objects that live as long as the main window.

#include "CalendarMain.h"
#include "FlatCalendarEditor.h"
#include "HelpViewer.h"
#include "LumFlatCalendar.h"
#include "PropertiesPrompts.h"
#include "WindowPlacement.h"

void TCalendarMain::HookFlatCalendarEditor()
{
    TFlatCalendarEditor *editor = FlatCalendarEditor;
    TFlatCalendarEditorHooks hooks;
    hooks.CenterForm = [](QWidget &dialog) { CenterForm(dialog); };
    hooks.ShowHelpContext = [](int context) { ShowHelpContext(context); };
    hooks.ChooseFont = [editor](const TFontDesc &current) { return AskFont(editor, current); };
    hooks.ChooseColor = [editor](TColor current) { return AskColor(editor, current); };
    editor->SetHooks(hooks);
    TLumFlatCalendar::SetEditor(
        [editor](TLumFlatCalendar &calendar) { editor->Properties(calendar); });
}
