#include "CalendarPageLabels.h"

#include "CalendarPage.h"
#include "LabelKinds.h"
#include "LumBaseLabel.h"
#include "LumSuperText.h"
#include "PaxRichBaseLabel.h"

void InstallLabelKinds(TCalendarPage &page)
{
    RegisterLabelClasses(page.ObjectClasses());
    page.SetObjectCreator(
        psLabel,
        {[](TCalendarPage &target) { return NewToolLabel(target.Font()); }, FinishToolLabel});
    page.SetObjectCreator(
        psRichLabel, {[](TCalendarPage &) { return NewToolRichLabel(); }, FinishToolRichLabel});
    RegisterSuperTextClasses(page.ObjectClasses());
    page.SetObjectCreator(
        psSuperText,
        {[](TCalendarPage &) { return std::make_unique<TLumSuperText>(); }, FinishToolSuperText});
}
