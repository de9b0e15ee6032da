// The page's creation tools: the object a drag in each makes; the kinds of
// object on the page.

#include "CalendarPage.h"
#include "LumFlatCalendar.h"
#include "LumImage.h"
#include "PublishedProperties.h"

#include <algorithm>

void TCalendarPage::RegisterObjectKinds()
{
    ObjectClasses().Register(TLumFlatCalendar::Class());
    SetObjectCreator(psFlatCalendar,
                     {[](TCalendarPage &) { return std::make_unique<TLumFlatCalendar>(); }, {}});
    ObjectClasses().Register(TLumImage::Class());
    // A new picture object opens the picture browser at once, and stays only
    // with a picture.
    SetObjectCreator(psImage, {[](TCalendarPage &) { return std::make_unique<TLumImage>(); },
                               [](TLumGraphicControl &object) {
                                   return static_cast<TLumImage &>(object).LoadImageFromDisk();
                               }});
}

void TCalendarPage::SetObjectCreator(TLPanelState State, TObjectCreator Creator)
{
    m_creators[State] = std::move(Creator);
}

bool TCalendarPage::CreateObjectInRect(const TRect &Rect)
{
    // A dialog the new object opens may let another drag end here.
    if (m_creating)
        return false;
    m_creating = true;
    TRect rect = Rect;
    if (rect.Width() < 25)
        rect.Right = rect.Left + 50;
    if (rect.Height() < 15)
        rect.Bottom = rect.Top + 15;
    bool kept = false;
    const auto creator = m_creators.find(TLPanelState(Tool()));
    if (creator != m_creators.end() && creator->second.Create) {
        const TObjectCreator tool = creator->second;
        if (std::unique_ptr<TLumGraphicControl> object = tool.Create(*this)) {
            object->FinishLoad();
            // The document changes once, when the object is kept: one
            // cancelled in its first dialog goes again, changing nothing.
            HoldChangeNotices();
            TLumGraphicControl &placed = PlaceObject(std::move(object), rect);
            kept = !tool.AfterPlace || tool.AfterPlace(placed);
            if (!kept)
                FreeObject(placed);
            if (ReleaseChangeNotices() && kept)
                NotifyLabelChanged();
            if (kept)
                Select(placed);
        }
    }
    m_creating = false;
    return kept;
}

void TCalendarPage::PanelDoubleClicked(int, int)
{
    if (OnDblClick)
        OnDblClick();
}

bool TCalendarPage::HasSuperText() const
{
    const QList<TLumGraphicControl *> objects = Objects().Objects();
    return std::ranges::any_of(objects, [](const TLumGraphicControl *object) {
        for (const TClassInfo *kind = &object->ClassInfo(); kind; kind = kind->Parent()) {
            if (kind->ClassName().compare(u"TLumSuperText", Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    });
}
