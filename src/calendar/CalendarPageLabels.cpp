// The page's text and rich-text labels: their kinds, their tools and the
// master renderer the rich-text labels draw through.

#include "CalendarPage.h"
#include "LabelKinds.h"
#include "LumBaseLabel.h"
#include "PaxRichBaseLabel.h"

void TCalendarPage::InstallLabelKinds()
{
    RegisterLabelClasses(ObjectClasses());
    SetObjectCreator(
        psLabel, {[](TCalendarPage &page) { return NewToolLabel(page.Font()); }, FinishToolLabel});
    SetObjectCreator(psRichLabel,
                     {[](TCalendarPage &) { return NewToolRichLabel(); }, FinishToolRichLabel});
}

TMasterRichText *TCalendarPage::FindMasterRichText(const QString &name)
{
    return name.compare(m_masterRichText.Name(), Qt::CaseInsensitive) == 0 ? &m_masterRichText
                                                                           : nullptr;
}
