#include "MainLabelDialogs.h"

#include "HelpViewer.h"
#include "LabelDialogs.h"
#include "PropertiesPrompts.h"
#include "SuperTextProperties.h"
#include "WindowPlacement.h"

#include <QPointer>

void InstallMainLabelDialogs(QWidget &mainWindow)
{
    TLabelDialogHooks hooks;
    hooks.Parent = &mainWindow;
    hooks.CenterForm = [](QWidget &dialog) { CenterForm(dialog); };
    hooks.ShowHelpContext = [](int context) { ShowHelpContext(context); };
    const QPointer<QWidget> parent(&mainWindow);
    hooks.ChooseFont = [parent](const TFontDesc &current) { return AskFont(parent, current); };
    hooks.ChooseColor = [parent](TColor current) { return AskColor(parent, current); };
    InstallSuperTextDialogs(hooks);
    InstallLabelDialogs(std::move(hooks));
}
