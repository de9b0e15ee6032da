#pragma once

#include "CalendarPage.h"

// A page that counts what it tells its observers: repaints (cells, look or
// layout changed) and re-layouts (each re-layout sets the control's size).
class PageProbe : public TCalendarPage, private TPageObserver
{
public:
    int repaints = 0;
    int relayouts = 0;

    PageProbe() { AddObserver(*this); }
    ~PageProbe() { RemoveObserver(*this); }
    void ResetCounts() { repaints = relayouts = 0; }

private:
    void PageChanged(TPageChanges changes) override
    {
        if (changes & (TPageChange::Cells | TPageChange::Style | TPageChange::Layout))
            ++repaints;
        if (changes & TPageChange::Size)
            ++relayouts;
    }
};
