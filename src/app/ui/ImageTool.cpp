#include "ImageTool.h"

#include "CalendarMain.h"
#include "HelpViewer.h"
#include "LumImageBrowser.h"
#include "WindowPlacement.h"

#include <QPointer>

void InstallImageTool(TCalendarMain &window)
{
    const QPointer<TCalendarMain> main(&window);
    TImageBrowserHooks hooks;
    hooks.CenterForm = [](QWidget &dialog) { CenterForm(dialog); };
    hooks.ShowHelpContext = [](int context) { ShowHelpContext(context); };
    hooks.LastFolder = [main] { return main ? main->Preferences.PictureFolder : QString(); };
    hooks.FolderUsed = [main](const QString &folder) {
        if (main)
            main->Preferences.PictureFolder = folder;
    };
    InstallImageBrowser(hooks);
}
