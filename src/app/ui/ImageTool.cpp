#include "ImageTool.h"

#include "CalendarPage.h"
#include "HelpViewer.h"
#include "LumImage.h"
#include "LumImageBrowser.h"
#include "WindowPlacement.h"

void InstallImageTool(TCalendarPage &page)
{
    page.ObjectClasses().Register(TLumImage::Class());
    page.SetObjectCreator(psImage, {[](TCalendarPage &) { return std::make_unique<TLumImage>(); },
                                    [](TLumGraphicControl &object) {
                                        static_cast<TLumImage &>(object).LoadImageFromDisk();
                                    }});
    InstallImageBrowser({[](QWidget &dialog) { CenterForm(dialog); },
                         [](int context) { ShowHelpContext(context); }});
}
