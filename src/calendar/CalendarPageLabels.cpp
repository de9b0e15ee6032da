#include "CalendarPageLabels.h"

#include "CalendarPage.h"
#include "LabelKinds.h"
#include "LumBaseLabel.h"
#include "PaxRichBaseLabel.h"

void InstallLabelKinds(TCalendarPage &page)
{
    RegisterLabelClasses(page.ObjectClasses());
    page.SetObjectCreator(
        psLabel,
        {[](TCalendarPage &target) { return NewToolLabel(target.Font()); }, FinishToolLabel});
    page.SetObjectCreator(
        psRichLabel, {[](TCalendarPage &) { return NewToolRichLabel(); }, FinishToolRichLabel});
}
