#include "ImageTool.h"

#include "HelpViewer.h"
#include "LumImageBrowser.h"
#include "WindowPlacement.h"

void InstallImageTool()
{
    InstallImageBrowser({[](QWidget &dialog) { CenterForm(dialog); },
                         [](int context) { ShowHelpContext(context); }});
}
